#pragma once

#include "table/color.h"

namespace periodic {

class DrawingSurface;
struct TableDrawContext;

// How one element cell is painted in place of the colour scheme: its fill, the colour of every
// text in it, and a hatch over the fill for an element without a value.
struct CellPaint {
  Color fill = kWhite;
  Color text = kBlack;
  bool hatched = false;
  Color hatch = kBlack;

  bool operator==(const CellPaint&) const = default;
};

// Recolours the table: chooses every element cell's paint and draws a legend on the finished
// table. The table drawn without one is the colour scheme's.
class CellPainter {
 public:
  virtual ~CellPainter() = default;
  // The paint of element n (1..110).
  virtual CellPaint paintOf(int n) const = 0;
  // Drawn after the cells and the frame, where no cell lies.
  virtual void drawLegend(const TableDrawContext& context) const = 0;
};

// Fills the box and draws lines at 45 degrees across it, clipped to the box.
void DrawHatchedBox(DrawingSurface& surface, double x1, double y1, double x2, double y2, Color fill,
                    Color hatch);

// Paints the background of the element cell whose top-left corner is (x, y).
void PaintCellBackground(DrawingSurface& surface, const CellPaint& paint, double x, double y);

}  // namespace periodic
