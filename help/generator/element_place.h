#pragma once

#include <vector>

namespace periodic {

// Where an element stands in the two forms of the table the program draws.
struct ElementPlace {
  bool familyRow = false;  // a lanthanide or actinide, in its own row below the table
  int period = 0;
  int shortRow = 0;    // short form: row 1..10 of the main table
  int shortGroup = 0;  // short form: group 1..8
  int longColumn = 0;  // long form: column 1..18 of the main table
};

// The place of element n (1..110), taken from the layout the table is drawn with.
ElementPlace PlaceOf(int n);

// The elements directly above and below element n in the long form, the same column: its
// neighbours in the group (for a lanthanide, the actinide below it and the other way round).
std::vector<int> GroupNeighbours(int n);

}  // namespace periodic
