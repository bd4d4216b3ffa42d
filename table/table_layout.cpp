#include "table/table_layout.h"

#include <algorithm>
#include <iterator>

#include "data/element_record.h"

namespace periodic {
namespace {

// The first element of a row and where that row starts, relative to the table origin.
struct RowStart {
  int firstElement;
  double dx;
  double dy;
  double dyWithOxides;  // short form: the lanthanide and actinide rows move down for the oxides
};

constexpr RowStart kShortFormRows[] = {
    {1, 5400, 0, 0},     {3, 0, 600, 600},        {11, 0, 1200, 1200}, {19, 0, 1800, 1800},
    {29, 0, 2400, 2400}, {37, 0, 3000, 3000},     {47, 0, 3600, 3600}, {55, 0, 4200, 4200},
    {58, 0, 6300, 7200}, {72, 2700, 4200, 4200},  {79, 0, 4800, 4800}, {87, 0, 5400, 5400},
    {90, 0, 6900, 7800}, {104, 2700, 5400, 5400},
};

constexpr RowStart kLongFormRows[] = {
    {1, 14400, 0, 0},        {3, 0, 600, 600},       {5, 10800, 600, 600}, {11, 0, 1200, 1200},
    {13, 10800, 1200, 1200}, {19, 0, 1800, 1800},    {37, 0, 2400, 2400},  {55, 0, 3000, 3000},
    {58, 360, 4500, 4500},   {72, 2700, 3000, 3000}, {87, 0, 3600, 3600},  {90, 360, 5100, 5100},
    {104, 2700, 3600, 3600},
};

constexpr int kInertGases[] = {2, 10, 18, 36, 54, 86};

bool IsInertGas(int n) {
  return std::find(std::begin(kInertGases), std::end(kInertGases), n) != std::end(kInertGases);
}

template <std::size_t N>
bool StartRow(int n, TableCursor& cursor, const RowStart (&rows)[N], const TableOrigin& origin,
              bool oxides) {
  for (const RowStart& row : rows) {
    if (row.firstElement != n) continue;
    cursor.x = origin.X + row.dx;
    cursor.y = origin.Y + (oxides ? row.dyWithOxides : row.dy);
    cursor.col = 0;
    return true;
  }
  return false;
}

}  // namespace

TableOrigin TableOriginOf(const DisplayOptions& options) {
  return options.LongPeriods ? TableOrigin{550, 610} : TableOrigin{910, 610};
}

SurfaceSize SurfaceSizeOf(const DisplayOptions& options) {
  if (options.LongPeriods) return {16790, 7200};
  return {13550, options.ShowHighestOxidesTable ? 9600.0 : 8400.0};
}

void PlaceShortForm(int n, TableCursor& cursor, const DisplayOptions& options) {
  if (StartRow(n, cursor, kShortFormRows, TableOriginOf(options), options.ShowHighestOxidesTable))
    return;
  if (options.MoveOutInertGases && IsInertGas(n)) cursor.x += 2700;
}

void PlaceLongForm(int n, TableCursor& cursor, const DisplayOptions& options) {
  StartRow(n, cursor, kLongFormRows, TableOriginOf(options), false);
}

void PlaceElement(int n, TableCursor& cursor, const DisplayOptions& options) {
  if (options.LongPeriods)
    PlaceLongForm(n, cursor, options);
  else
    PlaceShortForm(n, cursor, options);
}

void WalkCells(const DisplayOptions& options,
               const std::function<void(int n, double x, double y)>& visit) {
  TableCursor cursor;
  for (int n = 1; n <= kElementCount; ++n) {
    PlaceElement(n, cursor, options);
    visit(n, cursor.x, cursor.y);
    cursor.x += kCellWidth;
  }
}

int ElementAtPoint(float px, float py, const DisplayOptions& options) {
  const double z = options.ZoomVal;
  TableCursor cursor;
  for (int n = 1; n <= kElementCount; ++n) {
    PlaceElement(n, cursor, options);
    const auto left = static_cast<float>((kCellWidth * cursor.col + cursor.x) * z / 100);
    const auto top = static_cast<float>(cursor.y * z / 100);
    const auto right = static_cast<float>((kCellWidth * (cursor.col + 1) + cursor.x) * z / 100);
    const auto bottom = static_cast<float>((cursor.y + kCellHeight) * z / 100);
    if (left < px && px < right && top < py && py < bottom) return n;
    ++cursor.col;
  }
  return 0;
}

}  // namespace periodic
