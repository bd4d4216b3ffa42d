#include "platform/drawing_renderer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/painter_sink.h"

namespace periodic {

namespace {

// Pixels needed for a length in twips. Sizes that are whole pixels in exact arithmetic must not
// gain a pixel from rounding errors.
int PixelsFor(double twips, double pixelsPerTwip) {
  const double pixels = twips * pixelsPerTwip;
  return static_cast<int>(std::ceil(pixels - 1e-9 * std::max(1.0, pixels)));
}

}  // namespace

QImage RenderDrawing(const Drawing& drawing, double zoomPercent, qreal devicePixelRatio) {
  const double pixelsPerTwip = zoomPercent / 100.0 / kTwipsPerPixel * devicePixelRatio;
  const int width = PixelsFor(drawing.width(), pixelsPerTwip);
  const int height = PixelsFor(drawing.height(), pixelsPerTwip);
  if (width <= 0 || height <= 0) {
    return {};
  }
  QImage image(width, height, QImage::Format_RGB32);
  // A drawing normally starts with a clear; this covers one that does not.
  image.fill(ToQColor(drawing.backColor()));
  {
    // The image gets its pixel ratio only after painting, so the painter works in device
    // pixels and the sink's scale already includes the ratio.
    QPainter painter(&image);
    PainterSink sink(painter, pixelsPerTwip);
    drawing.replay(sink);
  }
  image.setDevicePixelRatio(devicePixelRatio);
  return image;
}

void RenderDrawingInto(const Drawing& drawing, QPainter& painter,
                       const QRectF& targetInDevicePixels) {
  if (drawing.width() <= 0 || drawing.height() <= 0 || targetInDevicePixels.isEmpty()) {
    return;
  }
  const double pixelsPerTwip = std::min(targetInDevicePixels.width() / drawing.width(),
                                        targetInDevicePixels.height() / drawing.height());
  const QSizeF size(drawing.width() * pixelsPerTwip, drawing.height() * pixelsPerTwip);
  // A whole-pixel origin keeps boxes and fills on the device's pixel grid.
  const QPointF origin(
      std::round(targetInDevicePixels.left() + (targetInDevicePixels.width() - size.width()) / 2),
      std::round(targetInDevicePixels.top() + (targetInDevicePixels.height() - size.height()) / 2));
  painter.save();
  painter.resetTransform();
  painter.translate(origin);
  {
    PainterSink sink(painter, pixelsPerTwip, QRectF(QPointF(0, 0), size));
    drawing.replay(sink);
  }
  painter.restore();
}

}  // namespace periodic
