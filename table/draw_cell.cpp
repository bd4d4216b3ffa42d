#include "table/cell_mass.h"
#include "table/table_drawing.h"

namespace periodic {
namespace {

struct CellColours {
  bool filled;
  Color fill;
  Color symbol;
  Color text = kBlack;
};

CellColours ColoursOf(const TableDrawContext& context, Color blockColour,
                      const ElementRecord& record) {
  const DisplayOptions& o = context.options;
  const Color metallic = context.colors.GetColor(record.Category);
  if (o.InvertColors)
    return {o.DifferSPDF, blockColour, o.DifferMetalsNonmetals ? metallic : kBlack};
  return {o.DifferMetalsNonmetals, metallic, o.DifferSPDF ? blockColour : kBlack};
}

void DrawSymbol(DrawingSurface& s, const ElementRecord& record, Color colour, double x, double y) {
  s.setFontSize(15);
  s.setForeColor(colour);
  s.setCurrentY(y);
  if (!record.SideSubgroup) {
    s.setCurrentX(x + 25);
  } else {
    const std::string trimmed = TrimRight(record.Symbol);
    s.setCurrentX(x + kCellWidth - s.textWidth(trimmed) - 50);
    // Only "Ac**" fills all four places; it moves right and shrinks to fit the cell.
    if (trimmed.size() == 4) {
      s.setCurrentX(s.currentX() + 50);
      s.setFontSize(14);
    }
  }
  s.printLine(record.Symbol);
}

void DrawName(const TableDrawContext& context, const ElementRecord& record, double x, Color text) {
  DrawingSurface& s = context.surface;
  s.setFontSize(7);
  s.setForeColor(text);
  s.setCurrentX(x + 25);
  s.setCurrentY(s.currentY() + 50);
  if (context.options.ShowElementsName)
    s.printLine(context.options.LatInsteadOfRus ? record.NameLat : record.NameRus);
}

void DrawNumberAndMass(const TableDrawContext& context, int n, const ElementRecord& record,
                       double x, double y) {
  DrawingSurface& s = context.surface;
  s.setFontSize(8);
  s.setFontBold(true);
  if (record.SideSubgroup) {
    s.setCurrentX(x + 25);
  } else {
    s.setCurrentX(x + 500 + (n < 10 ? 200 : n <= 99 ? 100 : 0));
  }
  s.setCurrentY(y);
  s.printNumber(n);

  s.setFontSize(7);
  s.setCurrentX(record.SideSubgroup ? x + 50 : x + 500);
  s.setCurrentY(y + 200);
  s.setFontBold(false);
  if (context.options.ShowAtomicMass) s.printLine(CellMassText(record.AtomicMass));
}

}  // namespace

void DrawCell(const TableDrawContext& context, Color blockColour, int n,
              const ElementRecord& record, double x, double y) {
  DrawingSurface& s = context.surface;
  s.setFontBold(false);
  CellColours colours = ColoursOf(context, blockColour, record);
  if (context.painter) {
    const CellPaint paint = context.painter->paintOf(n);
    PaintCellBackground(s, paint, x, y);
    colours = {false, paint.fill, paint.text, paint.text};
  }
  if (colours.filled) s.filledBox(x, y, x + kCellWidth, y + kCellHeight, colours.fill);
  s.box(x, y, x + kCellWidth, y + kCellHeight, kBlack);
  DrawSymbol(s, record, colours.symbol, x, y);
  DrawName(context, record, x, colours.text);
  DrawNumberAndMass(context, n, record, x, y);
}

}  // namespace periodic
