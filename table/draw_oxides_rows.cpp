#include <string>
#include <string_view>

#include "table/table_drawing.h"

namespace periodic {
namespace {

// The extra rows are half a row lower than a cell: the oxide row spans Y + 6150 to Y + 6600,
// the hydride row Y + 6600 to Y + 7050. Column 0 (under the period and row columns) holds the
// caption, columns 1 to 7 the groups I to VII.
constexpr double kOxideRowTop = 6150;
constexpr double kHydrideRowTop = 6600;
constexpr double kExtraRowHeight = 450;

// The texts of the extra rows stand at fixed heights of the surface; the short form's origin
// never moves vertically.
constexpr double kOxideCaptionY = 6810;
constexpr double kOxideFormulaY = 6825;
constexpr double kHydrideCaptionY = 7220;
constexpr double kHydrideFormulaY = 7275;
constexpr double kHydrideCaptionSecondY = 7350;

// Subscript shift of the formulas' indices.
constexpr double kSubscriptDrop = 150;

// Oxygen indices of the highest oxides of groups I to VIII (character group - 1): R2O, RO,
// R2O3, RO2, R2O5, RO3, R2O7, RO4.
constexpr std::string_view kOxygenIndices = "  325374";

enum class ExtraRow { Oxides, Hydrides };

void MovePen(DrawingSurface& surface, double x, double y) {
  surface.setCurrentX(x);
  surface.setCurrentY(y);
}

void DropPen(DrawingSurface& surface, double dy) {
  surface.setCurrentY(surface.currentY() + dy);
}

// Volatile hydrogen compounds exist from group IV on; the earlier hydride cells stay empty.
bool CellFilled(ExtraRow row, int column, bool filled) {
  if (!filled || column == 0) return false;
  return row == ExtraRow::Oxides || column >= 4;
}

void DrawExtraCell(const TableDrawContext& context, ExtraRow row, int column, bool filled) {
  DrawingSurface& s = context.surface;
  const double left = context.origin.X - kCellWidth + kCellWidth * column;
  const double top = context.origin.Y + (row == ExtraRow::Oxides ? kOxideRowTop : kHydrideRowTop);
  if (CellFilled(row, column, filled))
    s.filledBox(left, top, left + kCellWidth, top + kExtraRowHeight, kYellow);
  s.box(left, top, left + kCellWidth, top + kExtraRowHeight, kBlack);
}

void PrintOxidesCaption(DrawingSurface& s) {
  MovePen(s, 0, kOxideCaptionY);
  s.printLine("   ВЫСШИЕ\r\n   ОКСИДЫ");
}

void PrintHydridesCaption(DrawingSurface& s) {
  s.setFontSize(7);
  s.setFontBold(false);
  MovePen(s, 0, kHydrideCaptionY);
  s.printLine("   ЛЕТУЧИЕ");
  s.setFontSize(6);
  s.setCurrentY(kHydrideCaptionSecondY);
  s.printLine(" ВОДОРОДНЫЕ\r\n СОЕДИНЕНИЯ");
}

// R2O ... R2O7 of groups I to VII; "RO" is narrower, so group II starts a little further right.
void PrintOxideFormula(const TableDrawContext& context, int column) {
  DrawingSurface& s = context.surface;
  s.setFontSize(12);
  s.setFontBold(true);
  const double shift = (column == 2) ? 50 : 0;
  MovePen(s, context.origin.X - kCellWidth + kCellWidth * column + 225 + shift, kOxideFormulaY);
  s.printText("R");
  s.setFontSize(7);
  DropPen(s, kSubscriptDrop);
  if (column % 2 == 1) s.printText("2");
  s.setFontSize(12);
  DropPen(s, -kSubscriptDrop);
  s.printText("O");
  s.setFontSize(7);
  DropPen(s, kSubscriptDrop);
  s.printLine(kOxygenIndices.substr(column - 1, 1));
}

// RH4, RH3, RH2 and RH of groups IV to VII.
void PrintHydrideFormula(const TableDrawContext& context, int column) {
  DrawingSurface& s = context.surface;
  s.setFontSize(12);
  s.setFontBold(true);
  MovePen(s, context.origin.X - kCellWidth + kCellWidth * column + 225, kHydrideFormulaY);
  s.printText("RH");
  s.setFontSize(7);
  // The number is printed with a leading blank; step back over part of it.
  s.setCurrentX(s.currentX() - 25);
  DropPen(s, kSubscriptDrop);
  if (column < 7) s.printNumber(8 - column);
}

void DrawExtraRow(const TableDrawContext& context, ExtraRow row, bool filled) {
  DrawingSurface& s = context.surface;
  for (int column = 0; column <= 7; ++column) {
    DrawExtraCell(context, row, column, filled);
    if (row == ExtraRow::Oxides) {
      if (column == 0)
        PrintOxidesCaption(s);
      else
        PrintOxideFormula(context, column);
    } else if (column == 0) {
      PrintHydridesCaption(s);
    } else if (column >= 4) {
      PrintHydrideFormula(context, column);
    }
  }
}

// Group VIII spans the table's columns 7 to 9: RO4 over an empty hydride cell.
void DrawGroupEightCells(const TableDrawContext& context, bool filled) {
  DrawingSurface& s = context.surface;
  const double x = context.origin.X;
  const double oxideTop = context.origin.Y + kOxideRowTop;
  const double hydrideTop = context.origin.Y + kHydrideRowTop;
  if (filled) s.filledBox(x + 6300, oxideTop, x + 9000, oxideTop + kExtraRowHeight, kYellow);
  s.box(x + 6300, oxideTop, x + 9000, oxideTop + kExtraRowHeight, kBlack);
  s.box(x + 6300, hydrideTop, x + 9000, hydrideTop + kExtraRowHeight, kBlack);
  s.setFontSize(12);
  s.setFontBold(true);
  MovePen(s, x + 7425, kOxideFormulaY);
  s.printText("RO");
  s.setFontSize(7);
  DropPen(s, kSubscriptDrop);
  s.printLine(kOxygenIndices.substr(7, 1));
}

}  // namespace

void DrawOxidesRows(const TableDrawContext& context) {
  const bool filled = ExtraRowsFilled(context.options);
  context.surface.setFontSize(7);
  DrawExtraRow(context, ExtraRow::Oxides, filled);
  DrawExtraRow(context, ExtraRow::Hydrides, filled);
  DrawGroupEightCells(context, filled);
  const double x = context.origin.X;
  const double y = context.origin.Y;
  context.surface.box(x - 900, y + 6000, x + 9000, y + kHydrideRowTop + kExtraRowHeight, kBlack);
}

}  // namespace periodic
