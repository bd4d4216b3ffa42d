#pragma once

#include "table/display_options.h"
#include "table/property_view.h"
#include "table/table_drawing.h"

namespace periodic {

// Where a view's legend goes, in twips: an empty part of the surface that no cell, header or
// frame line of the form reaches. The short form keeps the space right of its groups and above
// the lanthanides, where the legend stands upright; the long form the gap between groups II
// and III of the first three periods, where it lies across.
struct LegendArea {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
  bool upright = false;
};
LegendArea PropertyLegendArea(const DisplayOptions& options);

// The view's legend: the colour bar with its smallest and largest values and the unit, the
// three states, or the year; with the swatch of the cells without a value.
void DrawPropertyLegend(const TableDrawContext& context, const PropertyView& view);

}  // namespace periodic
