#include "table/cell_navigation.h"

#include <gtest/gtest.h>

#include <vector>

namespace periodic {
namespace {

DisplayOptions Form(bool longPeriods, bool moveOut = false, bool oxides = true) {
  DisplayOptions options;
  options.LongPeriods = longPeriods;
  options.MoveOutInertGases = moveOut;
  options.ShowHighestOxidesTable = oxides;
  return options;
}

// The elements the focus visits pressing one key again and again from `from`, until it stays.
std::vector<int> Path(int from, CellMove move, const DisplayOptions& options) {
  std::vector<int> path{from};
  for (int step = 0; step < 200; ++step) {
    const int next = MoveFocus(path.back(), move, options);
    if (next == path.back()) break;
    path.push_back(next);
  }
  return path;
}

struct PathCase {
  const char* name;
  DisplayOptions options;
  int from;
  CellMove move;
  std::vector<int> expected;
};

TEST(CellNavigation, PathsFollowTheRowsAndColumnsOfEachForm) {
  const PathCase cases[] = {
      // Short form: H stands in group VII, so going down runs through the halogens and the
      // seventh column of each later row, then the lanthanides and actinides.
      {"short right from H", Form(false), 1, CellMove::Right, {1, 2}},
      {"short down from H",
       Form(false),
       1,
       CellMove::Down,
       {1, 9, 17, 25, 35, 43, 53, 75, 85, 107, 64, 96}},
      {"short up from Cm",
       Form(false),
       96,
       CellMove::Up,
       {96, 64, 107, 85, 75, 53, 43, 35, 25, 17, 9, 1}},
      {"short right along row 8",
       Form(false),
       55,
       CellMove::Right,
       {55, 56, 57, 72, 73, 74, 75, 76, 77, 78}},
      {"short left from Pt",
       Form(false),
       78,
       CellMove::Left,
       {78, 77, 76, 75, 74, 73, 72, 57, 56, 55}},
      {"short without oxides rows", Form(false, false, false), 104, CellMove::Down, {104, 61, 93}},
      // The moved-out inert gases stand in a column of their own.
      {"moved out right from H", Form(false, true), 1, CellMove::Right, {1, 2}},
      {"moved out down from He",
       Form(false, true),
       2,
       CellMove::Down,
       {2, 10, 18, 36, 54, 86, 68, 100}},
      {"moved out left from Ne", Form(false, true), 10, CellMove::Left, {10, 9, 8, 7, 6, 5, 4, 3}},
      // Long form: H above F; below astatine no cell shares its column.
      {"long right from H", Form(true), 1, CellMove::Right, {1, 2}},
      {"long down from H", Form(true), 1, CellMove::Down, {1, 9, 17, 35, 53, 85}},
      {"long right from Be", Form(true), 4, CellMove::Right, {4, 5, 6, 7, 8, 9, 10}},
      {"long down from Hf", Form(true), 72, CellMove::Down, {72, 104, 61, 93}},
  };
  for (const PathCase& c : cases) EXPECT_EQ(Path(c.from, c.move, c.options), c.expected) << c.name;
}

TEST(CellNavigation, StopsAtRowEndsWithoutWrapping) {
  struct StopCase {
    DisplayOptions options;
    int from;
    CellMove move;
  };
  const StopCase cases[] = {
      {Form(false), 2, CellMove::Right},   // He, end of row 1
      {Form(false), 3, CellMove::Left},    // Li: the (H) cell is no element
      {Form(false), 3, CellMove::Up},      // nothing above group I
      {Form(false), 10, CellMove::Right},  // Ne
      {Form(false), 71, CellMove::Right},  // Lu, end of the lanthanides
      {Form(false), 103, CellMove::Down},  // Lr, the last row
      {Form(true), 1, CellMove::Up},      {Form(true), 18, CellMove::Right},
      {Form(true), 3, CellMove::Up},  // no cell over Li in the long form either
      {Form(true), 110, CellMove::Right},
  };
  for (const StopCase& c : cases) EXPECT_EQ(MoveFocus(c.from, c.move, c.options), c.from) << c.from;
}

TEST(CellNavigation, FirstAndLastAndOutOfRangeStarts) {
  for (const bool longForm : {false, true}) {
    EXPECT_EQ(MoveFocus(50, CellMove::First, Form(longForm)), 1);
    EXPECT_EQ(MoveFocus(50, CellMove::Last, Form(longForm)), 110);
    EXPECT_EQ(MoveFocus(0, CellMove::Right, Form(longForm)), 2);
    EXPECT_EQ(MoveFocus(111, CellMove::Right, Form(longForm)), 2);
  }
}

}  // namespace
}  // namespace periodic
