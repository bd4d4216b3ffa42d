#include <cstdio>

#include "data/data_error.h"
#include "data/element_data_file.h"

// Writes the built-in records as Elements.dat into the folder given as the only argument.
int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  try {
    periodic::WriteBuiltinRecords(argv[1]);
  } catch (const periodic::DataError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
