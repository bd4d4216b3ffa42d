#include <cstddef>
#include <cstdint>

#include "component/settings_file.h"

// Feeds arbitrary bytes to the Table.cfg record reader. The options it reads must write back as
// a record that reads as the same options again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  periodic::DisplayOptions options;
  periodic::DecodeSettings(data, size, options);
  const auto record = periodic::EncodeSettings(options);
  periodic::DisplayOptions again;
  periodic::DecodeSettings(record.data(), record.size(), again);
  if (!(again == options)) __builtin_trap();
  return 0;
}
