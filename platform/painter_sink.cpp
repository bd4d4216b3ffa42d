#include "platform/painter_sink.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QStaticText>
#include <QString>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <tuple>

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

const QStaticText& PainterSink::CachedStaticText(const TextFont& font, std::string_view text) {
  thread_local std::map<std::tuple<std::string, double, bool, std::string>, QStaticText> cache;
  auto key = std::make_tuple(font.name, font.size, font.bold, std::string(text));
  auto found = cache.find(key);
  if (found == cache.end()) {
    QStaticText laidOut(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    laidOut.setTextFormat(Qt::PlainText);
    laidOut.setPerformanceHint(QStaticText::AggressiveCaching);
    laidOut.prepare(QTransform(), CachedTableFont(font).font);
    found = cache.emplace(std::move(key), std::move(laidOut)).first;
  }
  return found->second;
}

double PainterSink::toPixel(double twips) const {
  return std::round(twips * m_scale);
}

void PainterSink::setLinePen(Color color) {
  m_painter.setPen(QPen(ToQColor(color), lineWidth(), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
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
  const QColor qcolor = ToQColor(color);
  // A box without width or height is a line; stroked as a rectangle it would fold back on
  // itself at the corners.
  if (a.x() == b.x() || a.y() == b.y()) {
    fillStroke(a, b, qcolor);
    return;
  }
  fillStroke(a, QPointF(b.x(), a.y()), qcolor);
  fillStroke(QPointF(b.x(), a.y()), b, qcolor);
  fillStroke(QPointF(a.x(), b.y()), b, qcolor);
  fillStroke(a, QPointF(a.x(), b.y()), qcolor);
}

void PainterSink::filledBox(double x1, double y1, double x2, double y2, Color color) {
  const QRectF rect =
      QRectF(QPointF(toPixel(x1), toPixel(y1)), QPointF(toPixel(x2), toPixel(y2))).normalized();
  m_painter.fillRect(rect, ToQColor(color));
}

void PainterSink::line(double x1, double y1, double x2, double y2, Color color) {
  const QPointF a(toPixel(x1), toPixel(y1));
  const QPointF b(toPixel(x2), toPixel(y2));
  if (a.x() == b.x() || a.y() == b.y()) {
    fillStroke(a, b, ToQColor(color));
    return;
  }
  setLinePen(color);
  m_painter.drawLine(a, b);
}

double PainterSink::lineWidth() const {
  // Never thinner than a device pixel, or lines would vanish at small zooms.
  return std::max(1.0, std::round(kLineWidthTwips * m_scale));
}

void PainterSink::fillStroke(const QPointF& a, const QPointF& b, const QColor& color) {
  // A horizontal or vertical stroke with square ends, centred on the line: filling it is much
  // cheaper than stroking a wide pen, and gives the same pixels.
  const double half = lineWidth() / 2;
  const QPointF topLeft(std::min(a.x(), b.x()) - half, std::min(a.y(), b.y()) - half);
  const QPointF bottomRight(std::max(a.x(), b.x()) + half, std::max(a.y(), b.y()) + half);
  m_painter.fillRect(QRectF(topLeft, bottomRight), color);
}

void PainterSink::text(double x, double y, const TextFont& font, Color color,
                       std::string_view text) {
  // Trailing blanks (the padding of the record's text fields) show nothing.
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty()) {
    return;
  }
  // The font is sized in twips at its reference size, so the text is drawn in a twip coordinate
  // system scaled to the wanted size: it then takes exactly the width the metrics gave when the
  // drawing was made.
  const MeasuredFont& measured = CachedTableFont(font);
  const double scale = m_scale * measured.scale;
  const QTransform base = m_painter.transform();
  m_painter.setTransform(QTransform::fromScale(scale, scale) * base);
  m_painter.setFont(measured.font);
  m_painter.setPen(ToQColor(color));
  // The laid-out text is kept, since the same picture is painted again at every repaint.
  m_painter.drawStaticText(QPointF(x / measured.scale, y / measured.scale),
                           CachedStaticText(font, text));
  m_painter.setTransform(base);
}

}  // namespace periodic
