// Feeds arbitrary text to both colour readers. Whatever they made of it, the scheme must write a
// text that reads back to the same colours, and reading must leave its input trimmed.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "table/table_colors.h"

namespace {

bool SameColors(const periodic::clsTableColors& a, const periodic::clsTableColors& b) {
  return a.SColor() == b.SColor() && a.PColor() == b.PColor() && a.DColor() == b.DColor() &&
         a.FColor() == b.FColor() && a.MetallColor() == b.MetallColor() &&
         a.NonMetallColor() == b.NonMetallColor() && a.AmfoternColor() == b.AmfoternColor() &&
         a.InertGassColor() == b.InertGassColor() && a.AlkalineColor() == b.AlkalineColor() &&
         a.AlkalineplainColor() == b.AlkalineplainColor() && a.HalogenColor() == b.HalogenColor() &&
         a.TransitionalColor() == b.TransitionalColor();
}

bool HasNegativeColor(const periodic::clsTableColors& c) {
  return c.PColor() < 0 || c.DColor() < 0 || c.FColor() < 0 || c.MetallColor() < 0 ||
         c.NonMetallColor() < 0 || c.AmfoternColor() < 0 || c.InertGassColor() < 0 ||
         c.AlkalineColor() < 0 || c.AlkalineplainColor() < 0 || c.HalogenColor() < 0 ||
         c.TransitionalColor() < 0;
}

// A negative colour after the first is written without a blank in front and does not read
// back; everything else must.
void CheckRoundTrip(const periodic::clsTableColors& scheme) {
  const std::string saved = scheme.SaveData();
  if (saved.size() > 133 || saved.back() != ' ') std::abort();
  periodic::clsTableColors copy;
  std::string text = saved;
  copy.LoadData(text);
  if (!HasNegativeColor(scheme) && !SameColors(scheme, copy)) std::abort();
  for (std::int32_t code : {0, 1, 2, 3, 18, 64, 511, 512, -1}) {
    (void)scheme.GetColor(code);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(bytes), size);

  periodic::clsTableColors decimal;
  std::string data = input;
  decimal.LoadData(data);
  if (data.empty() || data.back() != ' ' || (data.size() > 1 && data.front() == ' ')) std::abort();
  if (data.size() > 1 && data[data.size() - 2] == ' ') std::abort();
  CheckRoundTrip(decimal);

  periodic::clsTableColors hex;
  hex.LoadData2(input);
  if (hex.SColor() < 0 || HasNegativeColor(hex)) std::abort();  // absolute values only
  CheckRoundTrip(hex);
  return 0;
}
