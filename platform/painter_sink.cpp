#include "platform/painter_sink.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QString>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "platform/table_font.h"

namespace periodic {

namespace {

constexpr int kWindowBackgroundIndex = 5;

struct SystemColor {
  int index;
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};

// System colours by their index (the low byte of the colour value), each with the palette
// colour closest to it.
constexpr SystemColor kSystemColors[] = {
    {0, QPalette::Active, QPalette::Mid},               // scroll bar
    {1, QPalette::Active, QPalette::Dark},              // desktop
    {2, QPalette::Active, QPalette::Highlight},         // active caption
    {3, QPalette::Active, QPalette::Mid},               // inactive caption
    {4, QPalette::Active, QPalette::Window},            // menu
    {6, QPalette::Active, QPalette::Shadow},            // window frame
    {7, QPalette::Active, QPalette::WindowText},        // menu text
    {8, QPalette::Active, QPalette::Text},              // window text
    {9, QPalette::Active, QPalette::HighlightedText},   // caption text
    {10, QPalette::Active, QPalette::Window},           // active border
    {11, QPalette::Active, QPalette::Window},           // inactive border
    {12, QPalette::Active, QPalette::Mid},              // application workspace
    {13, QPalette::Active, QPalette::Highlight},        // highlight
    {14, QPalette::Active, QPalette::HighlightedText},  // highlighted text
    {15, QPalette::Active, QPalette::Button},           // button face
    {16, QPalette::Active, QPalette::Dark},             // button shadow
    {17, QPalette::Disabled, QPalette::Text},           // grey text
    {18, QPalette::Active, QPalette::ButtonText},       // button text
    {19, QPalette::Inactive, QPalette::WindowText},     // inactive caption text
    {20, QPalette::Active, QPalette::Light},            // button highlight
    {21, QPalette::Active, QPalette::Shadow},           // dark 3-D shadow
    {22, QPalette::Active, QPalette::Midlight},         // 3-D light
    {23, QPalette::Active, QPalette::ToolTipText},      // tooltip text
    {24, QPalette::Active, QPalette::ToolTipBase},      // tooltip background
};

}  // namespace

QColor ToQColor(Color color) {
  if (IsSystemColor(color)) {
    const int index = color & 0xFF;
    if (index == kWindowBackgroundIndex || qGuiApp == nullptr) {
      return QColor(255, 255, 255);
    }
    const auto* found = std::find_if(std::begin(kSystemColors), std::end(kSystemColors),
                                     [index](const SystemColor& c) { return c.index == index; });
    if (found == std::end(kSystemColors)) {
      return QColor(255, 255, 255);
    }
    return QGuiApplication::palette().color(found->group, found->role);
  }
  return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

PainterSink::PainterSink(QPainter& painter, double pixelsPerTwip, const QRectF& clearArea)
    : m_painter(painter), m_scale(pixelsPerTwip), m_clearArea(clearArea) {
  m_painter.save();
  m_painter.setRenderHint(QPainter::Antialiasing, false);
  m_painter.setRenderHint(QPainter::TextAntialiasing, true);
  m_painter.setBrush(Qt::NoBrush);
}

PainterSink::~PainterSink() {
  m_painter.restore();
}

double PainterSink::toPixel(double twips) const {
  return std::round(twips * m_scale);
}

void PainterSink::setLinePen(Color color) {
  // Never thinner than a device pixel, or lines would vanish at small zooms.
  const double width = std::max(1.0, std::round(kLineWidthTwips * m_scale));
  m_painter.setPen(QPen(ToQColor(color), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  m_painter.setBrush(Qt::NoBrush);
}

void PainterSink::clear(Color back) {
  QRectF area = m_clearArea;
  if (area.isEmpty()) {
    const QPaintDevice* device = m_painter.device();
    if (device == nullptr) {
      return;
    }
    // The whole device, whatever the painter's transformation.
    m_painter.save();
    m_painter.resetTransform();
    m_painter.fillRect(QRectF(0, 0, device->width(), device->height()), ToQColor(back));
    m_painter.restore();
    return;
  }
  m_painter.fillRect(area, ToQColor(back));
}

void PainterSink::setSize(double /*width*/, double /*height*/) {}

void PainterSink::box(double x1, double y1, double x2, double y2, Color color) {
  const QPointF a(toPixel(x1), toPixel(y1));
  const QPointF b(toPixel(x2), toPixel(y2));
  setLinePen(color);
  if (a.x() == b.x() || a.y() == b.y()) {
    // A box without width or height is a line; stroked as a rectangle it would fold back on
    // itself at the miter joins.
    m_painter.drawLine(a, b);
    return;
  }
  m_painter.drawRect(QRectF(a, b).normalized());
}

void PainterSink::filledBox(double x1, double y1, double x2, double y2, Color color) {
  const QRectF rect =
      QRectF(QPointF(toPixel(x1), toPixel(y1)), QPointF(toPixel(x2), toPixel(y2))).normalized();
  m_painter.fillRect(rect, ToQColor(color));
}

void PainterSink::line(double x1, double y1, double x2, double y2, Color color) {
  setLinePen(color);
  m_painter.drawLine(QPointF(toPixel(x1), toPixel(y1)), QPointF(toPixel(x2), toPixel(y2)));
}

void PainterSink::text(double x, double y, const FontSpec& font, Color color,
                       std::string_view text) {
  if (text.empty()) {
    return;
  }
  // The font is sized in twips, so the text is drawn in a twip coordinate system: it then
  // takes exactly the width the metrics gave when the drawing was made.
  const QFont qfont = TableFont(font);
  const double ascent = QFontMetricsF(qfont).ascent();
  m_painter.save();
  m_painter.translate(x * m_scale, y * m_scale);
  m_painter.scale(m_scale, m_scale);
  m_painter.setFont(qfont);
  m_painter.setPen(ToQColor(color));
  m_painter.drawText(QPointF(0, ascent),
                     QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  m_painter.restore();
}

}  // namespace periodic
