#pragma once

#include <string>

#include "data/element_data_file.h"
#include "data/element_record.h"
#include "table/cell_painter.h"
#include "table/color.h"
#include "table/display_options.h"
#include "table/drawing_surface.h"
#include "table/table_colors.h"
#include "table/table_layout.h"

namespace periodic {

// What every step of the table drawing reads: the surface it draws on, the display options,
// the colour scheme and the origin of the current form.
struct TableDrawContext {
  DrawingSurface& surface;
  const DisplayOptions& options;
  const clsTableColors& colors;
  TableOrigin origin;
  // Recolours the element cells; none draws the colour scheme's table.
  const CellPainter* painter = nullptr;
};

inline constexpr const char* kTableFontName = "arial cyr";

// Draws the complete table at full size: the cells of the 110 records read from the data file,
// the bracketed hydrogen cell, the frame, the headers and the extra rows. Throws DataError when
// a record cannot be read; the surface then keeps what was drawn so far.
void DrawTable(DrawingSurface& surface, const DisplayOptions& options, const clsTableColors& colors,
               ElementDataFile& dataFile);

// The same table with the element cells painted by the painter, and its legend.
void DrawTable(DrawingSurface& surface, const DisplayOptions& options, const clsTableColors& colors,
               ElementDataFile& dataFile, const CellPainter& painter);

// Draws the cell of element n, whose record is given, with its top-left corner at (x, y).
void DrawCell(const TableDrawContext& context, Color blockColour, int n,
              const ElementRecord& record, double x, double y);

// The frame and headers of the current form, then the extra rows of the short form.
void DrawFrame(const TableDrawContext& context);
void DrawOxidesRows(const TableDrawContext& context);
void DrawMovedInertGases(const TableDrawContext& context);

// Whether the extra rows are filled: the table is drawn with filled cells.
bool ExtraRowsFilled(const DisplayOptions& options);

// I, II, ... XIII for 1..13; the empty text for 0 and anything above 13.
std::string RomanNumeral(int k);

}  // namespace periodic
