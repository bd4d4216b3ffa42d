#include "platform/qt_text_metrics.h"

#include <QFontMetricsF>
#include <QString>

#include "platform/table_font.h"

namespace periodic {

double QtTextMetrics::textWidth(const TextFont& font, std::string_view text) const {
  return CachedTableFont(font).metrics.horizontalAdvance(
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

double QtTextMetrics::lineHeight(const TextFont& font) const {
  return CachedTableFont(font).metrics.lineSpacing();
}

}  // namespace periodic
