#include <algorithm>

#include "table/cell_painter.h"
#include "table/drawing_surface.h"
#include "table/table_layout.h"

namespace periodic {

namespace {
constexpr double kHatchSpacing = 120;
}

void DrawHatchedBox(DrawingSurface& surface, double x1, double y1, double x2, double y2, Color fill,
                    Color hatch) {
  surface.filledBox(x1, y1, x2, y2, fill);
  const double width = x2 - x1;
  const double height = y2 - y1;
  // Each line runs down to the left from (x1 + d, y1), d from the left edge past the bottom-left
  // corner, and is cut where it leaves the box.
  for (double d = kHatchSpacing / 2; d < width + height; d += kHatchSpacing) {
    const double startX = x1 + std::min(d, width);
    const double startY = y1 + std::max(0.0, d - width);
    const double endX = x1 + std::max(0.0, d - height);
    const double endY = y1 + std::min(d, height);
    surface.line(startX, startY, endX, endY, hatch);
  }
}

void PaintCellBackground(DrawingSurface& surface, const CellPaint& paint, double x, double y) {
  if (paint.hatched)
    DrawHatchedBox(surface, x, y, x + kCellWidth, y + kCellHeight, paint.fill, paint.hatch);
  else
    surface.filledBox(x, y, x + kCellWidth, y + kCellHeight, paint.fill);
}

}  // namespace periodic
