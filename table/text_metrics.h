#pragma once

#include <string_view>

#include "table/text_font.h"

namespace periodic {

// Measures text in twips. The screen uses the real font; tests use fixed metrics.
class TextMetrics {
 public:
  virtual ~TextMetrics() = default;
  virtual double textWidth(const TextFont& font, std::string_view text) const = 0;
  virtual double lineHeight(const TextFont& font) const = 0;
};

// Simple metrics for tests and tools without fonts: every character (UTF-8 code point) is
// half the font's height wide, and a line is 1.15 times its size.
class FixedTextMetrics : public TextMetrics {
 public:
  double textWidth(const TextFont& font, std::string_view text) const override;
  double lineHeight(const TextFont& font) const override;
};

}  // namespace periodic
