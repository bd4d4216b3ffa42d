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
// table asks for a handful of fonts thousands of times.
struct MeasuredFont {
  QFont font;
  QFontMetricsF metrics;
};
const MeasuredFont& CachedTableFont(const TextFont& wanted);

// The face name TableFont asks for: "arial cyr" (any case, blanks around ignored) becomes the
// substitute, any other name passes through.
QString TableFontFamily(const std::string& name);

}  // namespace periodic
