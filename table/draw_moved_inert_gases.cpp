#include <string>

#include "table/table_drawing.h"

namespace periodic {
namespace {

void MovePen(DrawingSurface& surface, double x, double y) {
  surface.setCurrentX(x);
  surface.setCurrentY(y);
}

// Clears a rectangle to the background and draws its outline: the cells inside become one.
void MergeCells(DrawingSurface& surface, double x1, double y1, double x2, double y2) {
  surface.filledBox(x1, y1, x2, y2, surface.backColor());
  surface.box(x1, y1, x2, y2, kBlack);
}

// Without the inert gases group VIII is empty in rows 1 to 3 and in row 5.
void MergeEmptyGroupEightPlaces(const TableDrawContext& context) {
  DrawingSurface& s = context.surface;
  const double x = context.origin.X;
  const double y = context.origin.Y;
  MergeCells(s, x + 6300, y, x + 9000, y + 1800);
  s.line(x + 7200, y + 2400, x + 7200, y + 3000, s.backColor());
  s.box(x + 6300, y + 2400, x + 9000, y + 3000, kBlack);
}

// The inert-gas column (column 10) and the header band widened over it; group VIII's header
// then spans columns 7 to 10.
void DrawInertGasColumn(const TableDrawContext& context) {
  DrawingSurface& s = context.surface;
  const double x = context.origin.X;
  const double y = context.origin.Y;
  s.box(x + 9000, y - 600, x + 9900, y + 6000, kBlack);
  s.filledBox(x + 6300, y - 600, x + 9900, y, s.backColor());
  s.box(x, y - 600, x + 9900, y, kBlack);
  s.box(x + 6300, y - 300, x + 9900, y, kBlack);
  s.setFontSize(8);
  MovePen(s, x + 6350, y - 225);
  // Each letter stands over its subgroup: B over the iron and platinum triads of columns 7
  // to 9, A over the inert gases of column 10.
  const std::string blanks(33, ' ');
  s.printLine(" B" + blanks + RomanNumeral(8) + blanks + "A ");
}

// The oxide rows' frame reaches column 10, and RO4 moves to the middle of columns 7 to 10.
void WidenOxidesRows(const TableDrawContext& context) {
  DrawingSurface& s = context.surface;
  const double x = context.origin.X;
  const double y = context.origin.Y;
  s.line(x + 9000, y + 6000, x + 9000, y + 7050, s.backColor());
  s.box(x - 900, y + 6000, x + 9900, y + 7050, kBlack);
  const Color fill = ExtraRowsFilled(context.options) ? kYellow : s.backColor();
  s.filledBox(x + 6300, y + 6150, x + 9900, y + 6600, fill);
  s.box(x + 6300, y + 6150, x + 9900, y + 6600, kBlack);
  s.setFontSize(12);
  s.setFontBold(true);
  MovePen(s, x + 7875, 6825);
  s.printText("RO");
  s.setFontSize(7);
  s.setCurrentY(s.currentY() + 150);
  s.printNumber(4);
}

}  // namespace

void DrawMovedInertGases(const TableDrawContext& context) {
  MergeEmptyGroupEightPlaces(context);
  DrawInertGasColumn(context);
  if (context.options.ShowHighestOxidesTable) WidenOxidesRows(context);
}

}  // namespace periodic
