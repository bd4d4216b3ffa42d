// Writes the element properties the table is coloured by from the Blue Obelisk data, at build
// time: write_element_properties ELEMENTS_XML ISOTOPES_XML OUTPUT_CPP. The program then needs no
// data package when it runs.

#include <cstdio>
#include <fstream>

#include "data/data_error.h"
#include "properties/bodr_data.h"
#include "properties/property_table_source.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: write_element_properties ELEMENTS_XML ISOTOPES_XML OUTPUT_CPP\n");
    return 2;
  }
  try {
    const periodic::BodrElements elements = periodic::ReadBodrElements(argv[1], argv[2]);
    std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
    out << periodic::ElementPropertyTableSource(elements);
    out.close();
    if (!out) throw periodic::DataError(std::string("cannot write file '") + argv[3] + "'");
  } catch (const periodic::DataError& e) {
    std::fprintf(stderr, "write_element_properties: %s\n", e.what());
    return 1;
  }
  return 0;
}
