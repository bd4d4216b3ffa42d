#include <string>
#include <string_view>

#include "table/table_drawing.h"

namespace periodic {
namespace {

constexpr std::string_view kTitle = "Г р у п п ы  э л е м е н т о в";
constexpr std::string_view kPeriodHeading = "Период";
constexpr std::string_view kRowHeading = "Ряд";
// The second line starts at the surface's left edge, which lies just left of the caption cell;
// its leading blanks move it into the cell.
constexpr std::string_view kLanthanidesCaption = "Ланта-\r\n    ноиды";
constexpr std::string_view kActinidesCaption = " Акти-\r\n    ноиды";

std::string Blanks(int count) {
  return std::string(count, ' ');
}

void MovePen(DrawingSurface& surface, double x, double y) {
  surface.setCurrentX(x);
  surface.setCurrentY(y);
}

void DrawTitle(DrawingSurface& surface, double x, double y) {
  surface.setFontSize(11);
  MovePen(surface, x, y);
  surface.printLine(kTitle);
}

// "Период" and "Ряд" are set smaller than the numbers under them.
void PrintColumnHeading(DrawingSurface& surface, double x, double y, std::string_view text) {
  surface.setFontSize(7);
  MovePen(surface, x, y);
  surface.printLine(text);
  surface.setFontSize(8);
}

// The caption cell of the lanthanides (series 1) or the actinides (series 2).
void DrawSeriesCaption(DrawingSurface& surface, int series, double left, double right, double top,
                       double textX) {
  surface.box(left, top, right, top + kCellHeight, kBlack);
  MovePen(surface, textX, top + 100);
  surface.printLine(series == 1 ? kLanthanidesCaption : kActinidesCaption);
}

// Header of long-form column 0..6 or 10..17: I A, II A, III B ... VII B, I B, II B, III A ...
// VIII A, indented less as the numerals widen.
std::string LongFormGroupHeader(int column) {
  const int group = column < 7 ? column : column - 10;
  const char* letter = (column <= 1 || column >= 12) ? " A" : " B";
  const int blanks = group < 3 ? 7 : (group < 7 ? 6 : 5);
  return Blanks(blanks) + RomanNumeral(group + 1) + letter;
}

void DrawLongFormGroupHeaders(const TableDrawContext& context) {
  DrawingSurface& s = context.surface;
  const double x = context.origin.X;
  const double y = context.origin.Y;
  s.box(x, y - 600, x + 16200, y, kBlack);
  // Columns 7 to 9 share the cell of group VIII B, drawn after the others.
  for (int i = 0; i <= 17; i = (i == 6) ? 10 : i + 1) {
    s.box(x + kCellWidth * i, y - 300, x + kCellWidth * (i + 1), y, kBlack);
    MovePen(s, x + kCellWidth * i + 50, y - 225);
    s.printLine(LongFormGroupHeader(i));
  }
  s.box(x + 6300, y - 300, x + 9000, y, kBlack);
  MovePen(s, x + 7250, y - 225);
  s.printLine(Blanks(5) + RomanNumeral(8) + " B");
}

void DrawLongFormPeriodColumn(const TableDrawContext& context) {
  DrawingSurface& s = context.surface;
  const double x = context.origin.X;
  const double y = context.origin.Y;
  for (int i = 0; i <= 7; ++i) {
    s.box(x - 540, y + kCellHeight * (i - 1), x, y + kCellHeight * i, kBlack);
    if (i == 0) {
      PrintColumnHeading(s, x - 530, y - 420, kPeriodHeading);
      continue;
    }
    MovePen(s, x - 340, y + kCellHeight * i - 420);
    s.printNumber(i);
  }
}

void DrawLongForm(const TableDrawContext& context) {
  DrawingSurface& s = context.surface;
  const double x = context.origin.X;
  const double y = context.origin.Y;
  DrawLongFormGroupHeaders(context);
  DrawTitle(s, x + 6800, y - 575);
  DrawLongFormPeriodColumn(context);
  for (int series = 1; series <= 2; ++series) {
    const double top = y + kCellHeight * series + 3900;
    DrawSeriesCaption(s, series, x - 540, x + 360, top, x - 340);
  }
}

// Header of short-form group column 0..7; group VIII spreads over columns 7 to 9.
std::string ShortFormGroupHeader(int column) {
  if (column == 7) return " A" + Blanks(23) + RomanNumeral(8) + Blanks(23) + "B ";
  // Blanks either side of the numeral, fewer as the numerals widen.
  static constexpr int kBlanks[] = {6, 6, 5, 5, 5, 5, 4};
  const std::string blanks = Blanks(kBlanks[column]);
  return "A" + blanks + RomanNumeral(column + 1) + blanks + "B";
}

void DrawShortFormGroupHeaders(const TableDrawContext& context) {
  DrawingSurface& s = context.surface;
  const double x = context.origin.X;
  const double y = context.origin.Y;
  s.box(x, y - 600, x + 9000, y, kBlack);
  for (int i = 0; i <= 7; ++i) {
    const double extra = (i == 7) ? 1800 : 0;
    s.box(x + kCellWidth * i, y - 300, x + kCellWidth * (i + 1) + extra, y, kBlack);
    MovePen(s, x + kCellWidth * i + 50, y - 225);
    s.printLine(ShortFormGroupHeader(i));
  }
}

// Closes the places without elements: row 1 up to column 5 and columns 8-9 of rows 1 to 6,
// then the right edge of the main table.
void DrawShortFormEmptyPlaces(const TableDrawContext& context) {
  DrawingSurface& s = context.surface;
  const double x = context.origin.X;
  const double y = context.origin.Y;
  for (int i = 0; i <= 5; ++i) {
    s.box(x + kCellWidth * i, y, x + kCellWidth * (i + 1), y + kCellHeight, kBlack);
    s.box(x + 7200, y + kCellHeight * i, x + 9000, y + kCellHeight * (i + 1), kBlack);
  }
  s.box(x + 9000, y, x + 9000, y + 6000, kBlack);
}

// Periods 1 to 7 over the rows 1 to 10: periods 4, 5 and 6 take two rows each.
struct PeriodCell {
  int firstRow;
  int rows;
};
constexpr PeriodCell kPeriodCells[] = {{1, 1}, {2, 1}, {3, 1}, {4, 2}, {6, 2}, {8, 2}, {10, 1}};

void DrawShortFormPeriodColumn(const TableDrawContext& context) {
  DrawingSurface& s = context.surface;
  const double x = context.origin.X;
  const double y = context.origin.Y;
  s.box(x - 900, y - 600, x - 360, y, kBlack);
  PrintColumnHeading(s, x - 890, y - 420, kPeriodHeading);
  int period = 0;
  for (const PeriodCell& cell : kPeriodCells) {
    const int i = cell.firstRow;
    const double bottom = y + kCellHeight * (i - 1 + cell.rows);
    s.box(x - 900, y + kCellHeight * (i - 1), x - 360, bottom, kBlack);
    // The numeral stands 0.3 of a row below the top of a single row, 0.8 for a double one.
    const double textY = y + kCellHeight * i - (cell.rows == 1 ? 420 : 120);
    MovePen(s, x - 650 + 10 * (4 - i), textY);
    s.printLine(RomanNumeral(++period));
  }
}

void DrawShortFormRowColumn(const TableDrawContext& context) {
  DrawingSurface& s = context.surface;
  const double x = context.origin.X;
  const double y = context.origin.Y;
  for (int i = 0; i <= 10; ++i) {
    s.box(x - 360, y + kCellHeight * (i - 1), x, y + kCellHeight * i, kBlack);
    if (i == 0) {
      PrintColumnHeading(s, x - 300, y - 420, kRowHeading);
      continue;
    }
    MovePen(s, i == 10 ? x - 305 : x - 230, y + kCellHeight * i - 420);
    s.printNumber(i);
  }
}

void DrawShortForm(const TableDrawContext& context) {
  DrawingSurface& s = context.surface;
  const double x = context.origin.X;
  const double y = context.origin.Y;
  DrawShortFormGroupHeaders(context);
  DrawTitle(s, x + 3155, y - 575);
  DrawShortFormEmptyPlaces(context);
  DrawShortFormPeriodColumn(context);
  DrawShortFormRowColumn(context);
  // The caption cells follow the lanthanide and actinide rows down below the extra rows.
  const bool oxides = context.options.ShowHighestOxidesTable;
  for (int series = 1; series <= 2; ++series) {
    const double top = y + kCellHeight * series + (oxides ? 6600 : 5700);
    DrawSeriesCaption(s, series, x - 900, x, top, x - 700);
  }
}

}  // namespace

bool ExtraRowsFilled(const DisplayOptions& options) {
  return options.InvertColors ? options.DifferSPDF : options.DifferMetalsNonmetals;
}

void DrawFrame(const TableDrawContext& context) {
  DrawingSurface& s = context.surface;
  s.setFontSize(8);
  s.setFontBold(true);
  s.setForeColor(kBlack);
  if (context.options.LongPeriods) {
    DrawLongForm(context);
    return;
  }
  DrawShortForm(context);
  if (context.options.ShowHighestOxidesTable) DrawOxidesRows(context);
  if (context.options.MoveOutInertGases) DrawMovedInertGases(context);
}

}  // namespace periodic
