#pragma once

#include <QColor>
#include <QRectF>

#include "table/surface_sink.h"

class QPainter;
class QStaticText;

namespace periodic {

// Twips per device pixel at 100 % zoom on a 96-dpi screen.
inline constexpr double kTwipsPerPixel = 15.0;
// The width of boxes and lines: 2 pixels at 100 %.
inline constexpr double kLineWidthTwips = 30.0;

// The Qt colour for a drawing colour: 0x00BBGGRR, or a system colour. The window background
// (0x80000005) is always white so that pictures do not depend on the desktop's theme; other
// system colours come from the application palette (white when there is none, or for an
// index without a counterpart).
QColor ToQColor(Color color);

// Draws primitives onto a painter. A twip becomes pixelsPerTwip device pixels, measured from
// the painter's current origin. Boxes and lines are crisp, texts antialiased. The painter's
// state is restored when the sink goes away.
class PainterSink : public SurfaceSink {
 public:
  // clearArea is what clear() fills, in the painter's coordinates; an empty one means the
  // whole device.
  PainterSink(QPainter& painter, double pixelsPerTwip, const QRectF& clearArea = QRectF());
  ~PainterSink() override;
  PainterSink(const PainterSink&) = delete;
  PainterSink& operator=(const PainterSink&) = delete;

  void clear(Color back) override;
  void setSize(double width, double height) override;
  void box(double x1, double y1, double x2, double y2, Color color) override;
  void filledBox(double x1, double y1, double x2, double y2, Color color) override;
  void line(double x1, double y1, double x2, double y2, Color color) override;
  void text(double x, double y, const TextFont& font, Color color, std::string_view text) override;

 private:
  static const QStaticText& CachedStaticText(const TextFont& font, std::string_view text);
  // A position in twips as a whole device pixel, so that boxes and fills meet exactly.
  double toPixel(double twips) const;
  void setLinePen(Color color);
  double lineWidth() const;
  void fillStroke(const QPointF& a, const QPointF& b, const QColor& color);

  QPainter& m_painter;
  double m_scale;
  QRectF m_clearArea;
};

}  // namespace periodic
