#pragma once

#include "table/text_metrics.h"

namespace periodic {

// Text measured with the real fonts (see TableFont), in twips. A QGuiApplication must exist.
class QtTextMetrics : public TextMetrics {
 public:
  double textWidth(const TextFont& font, std::string_view text) const override;
  // The distance from one line to the next: the font's ascent and descent plus its leading.
  double lineHeight(const TextFont& font) const override;
};

}  // namespace periodic
