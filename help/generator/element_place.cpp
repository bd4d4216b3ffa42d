#include "help/generator/element_place.h"

#include <array>
#include <cmath>

#include "data/element_record.h"
#include "table/display_options.h"
#include "table/table_layout.h"

namespace periodic {
namespace {

struct Cell {
  double x = 0;
  double y = 0;
};

// Cell corners relative to the table origin, for every element of one form.
std::array<Cell, kElementCount + 1> Cells(bool longPeriods) {
  DisplayOptions options;
  options.LongPeriods = longPeriods;
  options.ShowHighestOxidesTable = false;
  options.MoveOutInertGases = false;
  const TableOrigin origin = TableOriginOf(options);
  std::array<Cell, kElementCount + 1> cells{};
  WalkCells(options, [&](int n, double x, double y) { cells[n] = {x - origin.X, y - origin.Y}; });
  return cells;
}

int Steps(double twips, double step) {
  return static_cast<int>(std::lround(twips / step));
}

bool InFamilyRow(int n) {
  return (n >= 58 && n <= 71) || (n >= 90 && n <= 103);
}

}  // namespace

ElementPlace PlaceOf(int n) {
  static const auto kShort = Cells(false);
  static const auto kLong = Cells(true);
  ElementPlace place;
  if (n < 1 || n > kElementCount) return place;
  static constexpr int kPeriodOfRow[] = {0, 1, 2, 3, 4, 4, 5, 5, 6, 6, 7};
  place.familyRow = InFamilyRow(n);
  place.period = n >= 90 ? 7 : n >= 58 ? 6 : 0;
  if (!place.familyRow) {
    place.shortRow = Steps(kShort[n].y, kCellHeight) + 1;
    place.shortGroup = std::min(Steps(kShort[n].x, kCellWidth), 7) + 1;
    place.longColumn = Steps(kLong[n].x, kCellWidth) + 1;
    if (place.shortRow >= 1 && place.shortRow <= 10) place.period = kPeriodOfRow[place.shortRow];
  }
  return place;
}

std::vector<int> GroupNeighbours(int n) {
  static const auto kLong = Cells(true);
  std::vector<int> neighbours;
  if (n < 1 || n > kElementCount) return neighbours;
  for (const double dy : {-kCellHeight, kCellHeight}) {
    for (int m = 1; m <= kElementCount; ++m) {
      if (m != n && std::abs(kLong[m].x - kLong[n].x) < 1 &&
          std::abs(kLong[m].y - (kLong[n].y + dy)) < 1)
        neighbours.push_back(m);
    }
  }
  return neighbours;
}

}  // namespace periodic
