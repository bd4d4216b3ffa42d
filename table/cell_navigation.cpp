#include "table/cell_navigation.h"

#include <algorithm>
#include <cmath>

#include "table/table_layout.h"

namespace periodic {
namespace {

// Positions are sums of whole twips, so a small tolerance only absorbs rounding.
constexpr double kSame = 0.5;

bool SameRow(const CellPlace& a, const CellPlace& b) {
  return std::abs(a.y - b.y) < kSame;
}

double SharedWidth(const CellPlace& a, const CellPlace& b) {
  return std::min(a.x, b.x) + kCellWidth - std::max(a.x, b.x);
}

int AlongRow(int from, const CellPlaces& cells, int direction) {
  int best = from;
  double bestDistance = 0;
  for (int n = 1; n <= kElementCount; ++n) {
    if (n == from || !SameRow(cells[n], cells[from])) continue;
    const double distance = (cells[n].x - cells[from].x) * direction;
    if (distance > kSame && (best == from || distance < bestDistance)) {
      best = n;
      bestDistance = distance;
    }
  }
  return best;
}

int AcrossRows(int from, const CellPlaces& cells, int direction) {
  int best = from;
  double bestDistance = 0;
  double bestShared = 0;
  for (int n = 1; n <= kElementCount; ++n) {
    const double distance = (cells[n].y - cells[from].y) * direction;
    const double shared = SharedWidth(cells[n], cells[from]);
    if (distance < kSame || shared < kSame) continue;
    const bool nearerRow = best == from || distance < bestDistance - kSame;
    const bool sameRow = best != from && std::abs(distance - bestDistance) < kSame;
    const bool better = shared > bestShared + kSame ||
                        (std::abs(shared - bestShared) < kSame && cells[n].x < cells[best].x);
    if (nearerRow || (sameRow && better)) {
      best = n;
      bestDistance = distance;
      bestShared = shared;
    }
  }
  return best;
}

}  // namespace

CellPlaces CellPlacesOf(const DisplayOptions& options) {
  CellPlaces cells{};
  WalkCells(options, [&cells](int n, double x, double y) { cells[n] = {x, y}; });
  return cells;
}

int MoveFocus(int from, CellMove move, const DisplayOptions& options) {
  if (move == CellMove::First) return 1;
  if (move == CellMove::Last) return kElementCount;
  if (from < 1 || from > kElementCount) from = 1;
  const CellPlaces cells = CellPlacesOf(options);
  switch (move) {
    case CellMove::Left:
      return AlongRow(from, cells, -1);
    case CellMove::Right:
      return AlongRow(from, cells, +1);
    case CellMove::Up:
      return AcrossRows(from, cells, -1);
    case CellMove::Down:
      return AcrossRows(from, cells, +1);
    default:
      return from;
  }
}

}  // namespace periodic
