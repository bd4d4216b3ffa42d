#pragma once

#include <array>

#include "data/element_record.h"
#include "table/display_options.h"

namespace periodic {

// The top-left corner of a cell in twips at 100 %, as the drawing walk places it.
struct CellPlace {
  double x = 0;
  double y = 0;
};

// Every cell of the form the options select; index n holds element n, index 0 is unused.
using CellPlaces = std::array<CellPlace, kElementCount + 1>;
CellPlaces CellPlacesOf(const DisplayOptions& options);

enum class CellMove { Left, Right, Up, Down, First, Last };

// Where the keyboard focus goes from element `from` (1..110; anything else counts as 1).
// Left and Right go to the nearest cell of the same row and stop at the row's ends. Up and
// Down go to the nearest row that way holding a cell under or over this one, to the cell that
// shares most of its width (the left one of two equal), and stop where there is none. First
// and Last are elements 1 and 110. Empty columns and header cells are skipped.
int MoveFocus(int from, CellMove move, const DisplayOptions& options);

}  // namespace periodic
