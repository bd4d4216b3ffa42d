#include "table/table_drawing.h"

#include <cctype>

namespace periodic {
namespace {

// The scheme's colour of the block letter, or nothing for a letter other than s, p, d, f.
bool BlockColourOf(const ElementRecord& record, const clsTableColors& colors, Color& colour) {
  std::string letter = TrimRight(record.Block);
  const auto start = letter.find_first_not_of(' ');
  letter = start == std::string::npos ? std::string() : letter.substr(start);
  if (letter.size() != 1) return false;
  switch (std::toupper(static_cast<unsigned char>(letter[0]))) {
    case 'S':
      colour = colors.SColor();
      return true;
    case 'P':
      colour = colors.PColor();
      return true;
    case 'D':
      colour = colors.DColor();
      return true;
    case 'F':
      colour = colors.FColor();
      return true;
    default:
      return false;
  }
}

void DrawBracketedHydrogen(const TableDrawContext& context) {
  DrawingSurface& s = context.surface;
  const TableOrigin& o = context.origin;
  if (context.painter) PaintCellBackground(s, context.painter->paintOf(1), o.X, o.Y);
  s.box(o.X, o.Y, o.X + kCellWidth, o.Y + kCellHeight, kBlack);
  s.setFontSize(15);
  const bool blockColours = context.options.DifferSPDF && !context.options.InvertColors;
  s.setForeColor(blockColours ? context.colors.SColor() : kBlack);
  if (context.painter) s.setForeColor(context.painter->paintOf(1).text);
  s.setCurrentX(o.X + 25);
  s.setCurrentY(o.Y);
  s.printLine("(H)");
}

// The table in the scheme's colours, or with the painter's cells.
void DrawTableWith(DrawingSurface& surface, const DisplayOptions& options,
                   const clsTableColors& colors, ElementDataFile& dataFile,
                   const CellPainter* painter) {
  surface.setFontName(kTableFontName);
  surface.clear();
  const SurfaceSize size = SurfaceSizeOf(options);
  surface.setSize(size.width, size.height);
  const TableDrawContext context{surface, options, colors, TableOriginOf(options), painter};

  TableCursor cursor{context.origin.X, context.origin.Y, 0};
  Color blockColour = kBlack;
  for (int n = 1; n <= kElementCount; ++n) {
    const ElementRecord record = dataFile.ReadElementRecord(n);
    BlockColourOf(record, colors, blockColour);
    PlaceElement(n, cursor, options);
    DrawCell(context, blockColour, n, record, cursor.x, cursor.y);
    cursor.x += kCellWidth;
  }
  DrawBracketedHydrogen(context);
  DrawFrame(context);
}

}  // namespace

void DrawTable(DrawingSurface& surface, const DisplayOptions& options, const clsTableColors& colors,
               ElementDataFile& dataFile) {
  DrawTableWith(surface, options, colors, dataFile, nullptr);
}

void DrawTable(DrawingSurface& surface, const DisplayOptions& options, const clsTableColors& colors,
               ElementDataFile& dataFile, const CellPainter& painter) {
  DrawTableWith(surface, options, colors, dataFile, &painter);
  // The legend goes last so that nothing is drawn over it.
  const TableDrawContext context{surface, options, colors, TableOriginOf(options), &painter};
  painter.drawLegend(context);
}

}  // namespace periodic
