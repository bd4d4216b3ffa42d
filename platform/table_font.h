#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include "table/text_font.h"

namespace periodic {

// The face that stands in for "arial cyr", which Linux does not have: it has Arial's metrics
// and carries Cyrillic.
inline constexpr const char* kArialSubstitute = "Liberation Sans";

// The Qt font for a drawing's font. Its pixel size is given in twips (points x 20), so the
// font is meant for a painter whose unit is the twip and for metrics taken in twips. Hinting
// is off so that widths and heights scale linearly with the size.
QFont TableFont(const TextFont& wanted);

// A table font with its metrics, made once per thread for each face, size and weight: the
// table asks for a handful of fonts thousands of times. Every size of one face and weight is
// measured and drawn with that face at one reference size (15 pt, 300 twips), scaled: without
// hinting the text scales exactly with the size, and each further size would cost a font of its
// own in the toolkit (matching, shaping tables), where the table uses seven sizes.
struct MeasuredFont {
  QFont font;             // at the reference size
  QFontMetricsF metrics;  // of font
  double scale;           // the wanted size over the reference size
};
const MeasuredFont& CachedTableFont(const TextFont& wanted);

// The face name TableFont asks for: "arial cyr" (any case, blanks around ignored) becomes the
// substitute, any other name passes through.
QString TableFontFamily(const std::string& name);

}  // namespace periodic
