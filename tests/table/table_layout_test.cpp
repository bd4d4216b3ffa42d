#include "table/table_layout.h"

#include <gtest/gtest.h>

#include <map>

namespace periodic {
namespace {

DisplayOptions ShortForm(bool moveOut = false, bool oxides = false) {
  DisplayOptions o;
  o.LongPeriods = false;
  o.MoveOutInertGases = moveOut;
  o.ShowHighestOxidesTable = oxides;
  return o;
}

DisplayOptions LongForm(bool moveOut = false, bool oxides = false) {
  DisplayOptions o = ShortForm(moveOut, oxides);
  o.LongPeriods = true;
  return o;
}

std::map<int, std::pair<double, double>> CellsOf(const DisplayOptions& options) {
  std::map<int, std::pair<double, double>> cells;
  WalkCells(options, [&](int n, double x, double y) { cells[n] = {x, y}; });
  return cells;
}

struct PositionCase {
  const char* name;
  DisplayOptions options;
  int element;
  double dx;  // relative to the table origin
  double dy;
};

TEST(TableLayout, OriginAndSurfaceSize) {
  EXPECT_EQ(TableOriginOf(ShortForm()).X, 910);
  EXPECT_EQ(TableOriginOf(ShortForm()).Y, 610);
  EXPECT_EQ(TableOriginOf(LongForm()).X, 550);
  EXPECT_EQ(TableOriginOf(LongForm()).Y, 610);
  EXPECT_EQ(SurfaceSizeOf(ShortForm()).width, 13550);
  EXPECT_EQ(SurfaceSizeOf(ShortForm()).height, 8400);
  EXPECT_EQ(SurfaceSizeOf(ShortForm(false, true)).height, 9600);
  EXPECT_EQ(SurfaceSizeOf(LongForm(true, true)).width, 16790);
  EXPECT_EQ(SurfaceSizeOf(LongForm(true, true)).height, 7200);
}

TEST(TableLayout, CellPositionsOfEachForm) {
  const PositionCase cases[] = {
      {"short H", ShortForm(), 1, 5400, 0},
      {"short He", ShortForm(), 2, 6300, 0},
      {"short Li", ShortForm(), 3, 0, 600},
      {"short Ni", ShortForm(), 28, 8100, 1800},
      {"short La", ShortForm(), 57, 1800, 4200},
      {"short Hf", ShortForm(), 72, 2700, 4200},
      {"short Pt", ShortForm(), 78, 8100, 4200},
      {"short Ce", ShortForm(), 58, 0, 6300},
      {"short Lu", ShortForm(), 71, 11700, 6300},
      {"short Th", ShortForm(), 90, 0, 6900},
      {"short 110", ShortForm(), 110, 8100, 5400},
      {"moved He", ShortForm(true), 2, 9000, 0},
      {"moved Kr", ShortForm(true), 36, 9000, 2400},
      {"moved Rn", ShortForm(true), 86, 9000, 4800},
      {"moved F", ShortForm(true), 9, 5400, 600},
      {"moved Na", ShortForm(true), 11, 0, 1200},
      {"oxides Ce", ShortForm(false, true), 58, 0, 7200},
      {"oxides Th", ShortForm(false, true), 90, 0, 7800},
      {"oxides Fr", ShortForm(false, true), 87, 0, 5400},
      {"long H", LongForm(), 1, 14400, 0},
      {"long B", LongForm(), 5, 10800, 600},
      {"long Kr", LongForm(), 36, 15300, 1800},
      {"long Ce", LongForm(), 58, 360, 4500},
      {"long Lr", LongForm(), 103, 12060, 5100},
      {"long Rn", LongForm(), 86, 15300, 3000},
      {"long 110", LongForm(), 110, 8100, 3600},
      {"long with options He", LongForm(true, true), 2, 15300, 0},
      {"long with options Lr", LongForm(true, true), 103, 12060, 5100},
  };
  for (const PositionCase& c : cases) {
    const TableOrigin origin = TableOriginOf(c.options);
    const auto cells = CellsOf(c.options);
    EXPECT_EQ(cells.at(c.element).first, origin.X + c.dx) << c.name;
    EXPECT_EQ(cells.at(c.element).second, origin.Y + c.dy) << c.name;
  }
}

TEST(TableLayout, OptionsMoveOnlyTheirCells) {
  const auto plain = CellsOf(ShortForm());
  const auto moved = CellsOf(ShortForm(true));
  const auto oxides = CellsOf(ShortForm(false, true));
  for (int n = 1; n <= 110; ++n) {
    const bool inert = n == 2 || n == 10 || n == 18 || n == 36 || n == 54 || n == 86;
    if (!inert) {
      EXPECT_EQ(moved.at(n), plain.at(n)) << n;
    }
    const bool innerTransition = (n >= 58 && n <= 71) || (n >= 90 && n <= 103);
    if (!innerTransition) {
      EXPECT_EQ(oxides.at(n), plain.at(n)) << n;
    }
  }
  EXPECT_EQ(CellsOf(LongForm(true, true)), CellsOf(LongForm()));
}

TEST(TableLayout, CellsNeverOverlap) {
  for (const DisplayOptions& o : {ShortForm(), ShortForm(true, true), LongForm()}) {
    const auto cells = CellsOf(o);
    std::map<std::pair<double, double>, int> seen;
    for (const auto& [n, corner] : cells) EXPECT_TRUE(seen.emplace(corner, n).second) << n;
  }
}

TEST(TableLayout, TestingWalkAgreesWithDrawingWalk) {
  for (DisplayOptions o : {ShortForm(), ShortForm(true, true), LongForm()}) {
    o.ZoomVal = 100;
    for (const auto& [n, corner] : CellsOf(o)) {
      EXPECT_EQ(ElementAtPoint(static_cast<float>(corner.first + 450),
                               static_cast<float>(corner.second + 300), o),
                n);
    }
  }
}

struct PointCase {
  const char* name;
  DisplayOptions options;
  int zoom;
  float px;
  float py;
  int expected;
};

TEST(TableLayout, ElementAtPoint) {
  const float X = 910, Y = 610;
  const PointCase cases[] = {
      {"Li centre", ShortForm(), 100, X + 450, Y + 900, 3},
      {"border Li|Be", ShortForm(), 100, X + 900, Y + 900, 0},
      {"top border of Li", ShortForm(), 100, X + 450, Y + 600, 0},
      {"just inside Be", ShortForm(), 100, X + 901, Y + 900, 4},
      {"(H) cell", ShortForm(), 100, X + 450, Y + 300, 0},
      {"group header", ShortForm(), 100, X + 450, Y - 300, 0},
      {"period column", ShortForm(), 100, X - 450, Y + 900, 0},
      {"empty group VIII of row 2", ShortForm(), 100, X + 7650, Y + 900, 0},
      {"moved-out column of row 2", ShortForm(true), 100, X + 9450, Y + 900, 10},
      {"old place of Ne when moved out", ShortForm(true), 100, X + 6750, Y + 900, 0},
      {"half zoom (H) cell", ShortForm(), 50, X / 2 + 10, Y / 2 + 10, 0},
      {"half zoom Li", ShortForm(), 50, (X + 450) / 2, (Y + 900) / 2, 3},
      {"double zoom Fe", ShortForm(), 200, (X + 6300 + 450) * 2, (Y + 1800 + 300) * 2, 26},
      {"long form Lr", LongForm(), 100, 550 + 12060 + 450, 610 + 5100 + 300, 103},
      {"long form caption cell", LongForm(), 100, 550 - 100, 610 + 4800, 0},
      {"far outside", ShortForm(), 100, 1e6f, 1e6f, 0},
      {"negative", ShortForm(), 100, -5, -5, 0},
  };
  for (PointCase c : cases) {
    c.options.ZoomVal = c.zoom;
    EXPECT_EQ(ElementAtPoint(c.px, c.py, c.options), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace periodic
