#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "data/data_error.h"
#include "data/element_data_file.h"

// Feeds arbitrary file contents to the record reader: every record must either decode or fail
// with a DataError, never read past the file or a buffer.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path =
      (std::filesystem::temp_directory_path() / "records_fuzz_Elements.dat").string();
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  periodic::ElementDataFile file;
  file.Open(path);
  for (int n = 0; n <= periodic::kElementCount + 1; ++n) {
    try {
      const periodic::ElementRecord record = file.ReadElementRecord(n);
      if (static_cast<std::size_t>(n) * periodic::kElementRecordSize > size) __builtin_trap();
      (void)record;
    } catch (const periodic::DataError&) {
    }
  }
  return 0;
}
