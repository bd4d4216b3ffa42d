#pragma once

#include <QImage>
#include <QRectF>

#include "table/drawing.h"

class QPainter;

namespace periodic {

// The drawing as an image at the given zoom (100 = 15 twips a pixel). The image has
// ceil(size x zoom / 1500 x dpr) pixels each way and carries the device pixel ratio, so it
// shows at the zoom's logical size. An empty drawing gives a null image.
QImage RenderDrawing(const Drawing& drawing, double zoomPercent, qreal devicePixelRatio = 1.0);

// Draws the whole drawing into a rectangle of the painter's device, e.g. a printer page at
// its own resolution. The rectangle is in device pixels, whatever transformation the painter
// has. The drawing keeps its proportions and is centred in the rectangle; its back colour
// fills only the part it covers.
void RenderDrawingInto(const Drawing& drawing, QPainter& painter,
                       const QRectF& targetInDevicePixels);

}  // namespace periodic
