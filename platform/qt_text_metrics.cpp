#include "platform/qt_text_metrics.h"

#include <QFontMetricsF>
#include <QString>

#include "platform/table_font.h"

namespace periodic {

double QtTextMetrics::textWidth(const TextFont& font, std::string_view text) const {
  const MeasuredFont& measured = CachedTableFont(font);
  return measured.metrics.horizontalAdvance(
             QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))) *
         measured.scale;
}

double QtTextMetrics::lineHeight(const TextFont& font) const {
  const MeasuredFont& measured = CachedTableFont(font);
  return measured.metrics.lineSpacing() * measured.scale;
}

}  // namespace periodic
