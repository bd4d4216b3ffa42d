#include "component/scroll_into_view.h"

#include <gtest/gtest.h>

namespace periodic {
namespace {

TEST(ScrollIntoView, MovesTheLeastAndStaysInRange) {
  struct Case {
    const char* name;
    double start, end;
    std::int16_t value;
    double visible;
    std::int16_t max;
    std::int16_t expected;
  };
  // Scroll steps of 100 twips; the view shows [value × 100, value × 100 + visible).
  const Case cases[] = {
      {"already in view", 1000, 1900, 5, 3000, 40, 5},
      {"left of the view", 1000, 1900, 20, 3000, 40, 10},
      {"right of the view", 5000, 5900, 0, 3000, 40, 29},
      {"just fits at the right edge", 2100, 3000, 0, 3000, 40, 0},
      {"beyond the bar's end", 9000, 9900, 0, 3000, 40, 40},
      {"longer than the view shows its start", 1050, 4050, 0, 2000, 40, 10},
      {"before the picture's start", -50, 850, 3, 3000, 40, 0},
      {"no bar range", 5000, 5900, 0, 3000, 0, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ScrollValueToShow(c.start, c.end, c.value, c.visible, 100, c.max), c.expected)
        << c.name;
}

}  // namespace
}  // namespace periodic
