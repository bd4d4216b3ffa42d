#pragma once

#include <functional>

#include "table/display_options.h"

namespace periodic {

// Sizes in twips (1/1440 inch), x to the right, y downwards.
inline constexpr double kCellWidth = 900;
inline constexpr double kCellHeight = 600;

// Top-left corner of the first column of the first row of the main table.
struct TableOrigin {
  double X = 0;
  double Y = 0;
};

struct SurfaceSize {
  double width = 0;
  double height = 0;
};

// Where the next element goes: x, y is the top-left corner of its cell when drawing; when
// testing, the cell lies col cells to the right of x.
struct TableCursor {
  double x = 0;
  double y = 0;
  int col = 0;
};

TableOrigin TableOriginOf(const DisplayOptions& options);
SurfaceSize SurfaceSizeOf(const DisplayOptions& options);

// Placement steps for element n (1..110), called once per element in increasing order. The
// first element of a row moves the cursor to the row's start and resets col.
void PlaceShortForm(int n, TableCursor& cursor, const DisplayOptions& options);
void PlaceLongForm(int n, TableCursor& cursor, const DisplayOptions& options);

// The placement step of the form the options select.
void PlaceElement(int n, TableCursor& cursor, const DisplayOptions& options);

// The drawing walk: visits every element in order with the top-left corner of its cell.
void WalkCells(const DisplayOptions& options,
               const std::function<void(int n, double x, double y)>& visit);

// The element whose cell strictly contains the point (twips on the table zoomed by
// options.ZoomVal percent), or 0. Cell edges are compared in single precision.
int ElementAtPoint(float px, float py, const DisplayOptions& options);

}  // namespace periodic
