#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/shell/settings/table_options.h"

// Feeds arbitrary bytes to the Table.ini record reader. Whatever it reads must write back as a
// record that reads as the same options again, and the size correction must leave sizes that are
// finite and at least the minimum.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  table::TableOptions options = table::DefaultTableOptions(0x00FFFFFF, 6420, 11565);
  table::DecodeTableOptions(data, size, options);
  const std::vector<std::uint8_t> record = table::EncodeTableOptions(options);
  if (record.size() != 154 && record.size() != 156) __builtin_trap();

  table::TableOptions again;
  if (!table::DecodeTableOptions(record.data(), record.size(), again)) __builtin_trap();
  if (table::EncodeTableOptions(again) != record) __builtin_trap();

  table::ApplyMinimumSize(options);
  if (!(options.WindowWidth >= table::kMinimumWindowWidth) ||
      !(options.WindowHeight >= table::kMinimumWindowHeight))
    __builtin_trap();
  return 0;
}
