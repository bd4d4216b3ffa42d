#include "app/dialogs/color_swatch.h"

#include <QFontMetricsF>
#include <QPainter>

#include "platform/painter_sink.h"
#include "platform/table_font.h"

namespace table {
namespace {

constexpr double kSampleTopTwips = 10.0;

}  // namespace

ColorSwatch::ColorSwatch(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  m_picture = QImage(1, 1, QImage::Format_RGB32);
  clear();
}

QFont ColorSwatch::SampleFont() {
  // The face of the swatch's design is missing here; the table's substitute stands in.
  QFont font(QString::fromLatin1(periodic::kArialSubstitute));
  font.setPointSize(12);
  font.setBold(true);
  return font;
}

void ColorSwatch::setBackColor(std::int32_t color) {
  m_backColor = color;
  clear();
}

void ColorSwatch::clear() {
  fitPicture();
  m_picture.fill(periodic::ToQColor(m_backColor));
  update();
}

void ColorSwatch::drawSample(const QString& text) {
  fitPicture();
  QPainter painter(&m_picture);
  const QFont font = SampleFont();
  painter.setFont(font);
  painter.setPen(periodic::ToQColor(m_foreColor));
  const QFontMetricsF metrics(font, &m_picture);
  const double x = (m_picture.width() - metrics.horizontalAdvance(text)) / 2.0;
  const double top = kSampleTopTwips / periodic::kTwipsPerPixel;
  painter.drawText(QPointF(x, top + metrics.ascent()), text);
  update();
}

void ColorSwatch::paintEvent(QPaintEvent* /*event*/) {
  fitPicture();
  QPainter painter(this);
  painter.drawImage(0, 0, m_picture);
  // A thin sunken edge, as the swatch's design has.
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawLine(0, 0, width() - 1, 0);
  painter.drawLine(0, 0, 0, height() - 1);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawLine(width() - 1, 1, width() - 1, height() - 1);
  painter.drawLine(1, height() - 1, width() - 1, height() - 1);
}

void ColorSwatch::fitPicture() {
  // The picture follows the swatch's size, keeping what it holds where it fits; the rest takes
  // the background.
  const QSize wanted = size().expandedTo(QSize(1, 1));
  if (m_picture.size() == wanted) return;
  QImage resized(wanted, QImage::Format_RGB32);
  resized.fill(periodic::ToQColor(m_backColor));
  QPainter(&resized).drawImage(0, 0, m_picture);
  m_picture = resized;
}

}  // namespace table
