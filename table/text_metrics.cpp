#include "table/text_metrics.h"

namespace periodic {

double FixedTextMetrics::textWidth(const TextFont& font, std::string_view text) const {
  int codePoints = 0;
  for (char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++codePoints;
  }
  return codePoints * font.size * 10;
}

double FixedTextMetrics::lineHeight(const TextFont& font) const {
  return font.size * 20 * 1.15;
}

}  // namespace periodic
