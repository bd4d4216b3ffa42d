#include "component/scroll_arrangement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace periodic {
namespace {

// A viewport of 9000 × 6000 twips; the bars are of different thickness so that a formula using
// the wrong one shows.
constexpr float kCW = 9000;
constexpr float kCH = 6000;
constexpr float kBH = 200;
constexpr float kBW = 300;

ScrollArrangementInput Input(float w, float h, ScrollBarState hbar = {}, ScrollBarState vbar = {}) {
  ScrollArrangementInput in;
  in.W = w;
  in.H = h;
  in.CW = kCW;
  in.CH = kCH;
  in.BH = kBH;
  in.BW = kBW;
  in.HBar = hbar;
  in.VBar = vbar;
  return in;
}

TEST(RoundToInt16Test, HalvesGoToEvenAndTheRangeEndsHold) {
  struct Case {
    float x;
    std::int16_t expected;
  };
  const Case cases[] = {
      {2.5f, 2},           {3.5f, 4},         {-2.5f, -2},
      {0.5f, 0},           {2.51f, 3},        {100.5f, 100},
      {32767.4f, 32767},   {40000.0f, 32767}, {1e30f, 32767},
      {-40000.0f, -32768}, {-1e30f, -32768},  {std::numeric_limits<float>::quiet_NaN(), 0},
  };
  for (const Case& c : cases) EXPECT_EQ(RoundToInt16(c.x), c.expected) << c.x;
}

TEST(ScrollOffsetTest, OneStepIsAHundredTwips) {
  EXPECT_EQ(ScrollOffset(0), 0.0f);
  EXPECT_FALSE(std::signbit(ScrollOffset(0)));
  EXPECT_EQ(ScrollOffset(5), -500.0f);
  EXPECT_EQ(ScrollOffset(-3), 300.0f);
  EXPECT_EQ(ScrollOffset(32767), -3276700.0f);
  EXPECT_EQ(ScrollOffset(-32768), 3276800.0f);
}

// Which bars a picture gets and their Max, for bars that were hidden before (so every shown
// bar starts at 0). The geometry of a shown bar depends only on which bars are shown.
TEST(ArrangeScrollBarsTest, ChoosesTheBarsAndTheirMax) {
  struct Case {
    const char* what;
    float w, h;
    int result;
    std::int16_t hMax, vMax;  // of the shown bars
  };
  const Case cases[] = {
      {"viewport larger than the picture", 8000, 5000, 0, 0, 0},
      {"picture exactly fills the viewport", 9000, 6000, 0, 0, 0},
      // (12345 - 9000 + 50) / 100 = 33.95
      {"wider, as high as the viewport minus BH", 12345, 5800, 1, 34, 0},
      {"wider, Max 100.5 rounds to even", 19000, 100, 1, 100, 0},
      {"wider, Max 101.5 rounds to even", 19100, 100, 1, 102, 0},
      // (7000 - 6000 + 50) / 100 = 10.5
      {"higher, as wide as the viewport minus BW", 8700, 7000, 2, 0, 10},
      // v: (0 + 200 + 50) / 100 = 2.5; h: (1 + 300 + 50) / 100 = 3.51
      {"1 twip wider and exactly as high", 9001, 6000, 3, 4, 2},
      // h: (-200 + 300 + 50) / 100 = 1.5; v: (1 + 200 + 50) / 100 = 2.51
      {"higher and wider than the viewport minus BW", 8800, 6001, 3, 2, 3},
      // h: (21000 + 300 + 50) / 100 = 213.5; v: (14000 + 200 + 50) / 100 = 142.5
      {"much larger both ways", 30000, 20000, 3, 214, 142},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ScrollArrangement a = ArrangeScrollBars(Input(c.w, c.h));
    EXPECT_EQ(a.Result, c.result);
    const bool hShown = c.result & 1;
    const bool vShown = c.result & 2;
    ASSERT_EQ(a.HBar.Visible, hShown);
    ASSERT_EQ(a.VBar.Visible, vShown);
    EXPECT_EQ(a.SquareVisible, c.result == 3);

    if (hShown) {
      EXPECT_EQ(a.HBar.Max, c.hMax);
      EXPECT_EQ(a.HBar.Value, 0);
      EXPECT_EQ(a.HBar.Left, 0.0f);
      EXPECT_EQ(a.HBar.Top, 5800.0f);
      EXPECT_EQ(a.HBar.Length, vShown ? 8700.0f : 9000.0f);
      EXPECT_FALSE(a.ResetLeft.has_value());
    } else {
      EXPECT_EQ(a.ResetLeft, 0.0f);
    }
    if (vShown) {
      EXPECT_EQ(a.VBar.Max, c.vMax);
      EXPECT_EQ(a.VBar.Value, 0);
      EXPECT_EQ(a.VBar.Left, 8700.0f);
      EXPECT_EQ(a.VBar.Top, 0.0f);
      EXPECT_EQ(a.VBar.Length, hShown ? 5800.0f : 6000.0f);
      EXPECT_FALSE(a.ResetTop.has_value());
    } else {
      EXPECT_EQ(a.ResetTop, 0.0f);
    }
    if (a.SquareVisible) {
      EXPECT_EQ(a.SquareLeft, 8700.0f);
      EXPECT_EQ(a.SquareTop, 5800.0f);
    }
    EXPECT_EQ(a.PictureLeft, 0.0f);
    EXPECT_EQ(a.PictureTop, 0.0f);
  }
}

TEST(ArrangeScrollBarsTest, NoBarPutsAScrolledPictureBackAtTheOrigin) {
  const ScrollArrangement a = ArrangeScrollBars(Input(8000, 5000, {true, 40, 100}, {true, 7, 10}));
  EXPECT_EQ(a.Result, 0);
  EXPECT_EQ(a.ResetLeft, 0.0f);
  EXPECT_EQ(a.ResetTop, 0.0f);
  EXPECT_EQ(a.PictureLeft, 0.0f);
  EXPECT_EQ(a.PictureTop, 0.0f);
  // A hidden bar is not touched.
  EXPECT_EQ(a.HBar.Max, 100);
  EXPECT_EQ(a.HBar.Value, 40);
  EXPECT_EQ(a.VBar.Max, 10);
  EXPECT_EQ(a.VBar.Value, 7);
}

// A shown bar keeps its relative position over a change of the picture size; the picture is
// scrolled to match.
TEST(ArrangeScrollBarsTest, BarsKeepTheirRelativePosition) {
  struct Case {
    const char* what;
    float w, h;
    ScrollBarState hbar, vbar;
    std::int16_t hValue, vValue;
  };
  const Case cases[] = {
      // 19000 wide had Max 100; 38000 wide has Max n(290.5) = 290, and the middle is 145.
      {"horizontal bar at its middle, zoomed in", 38000, 100, {true, 50, 100}, {}, 145, 0},
      // Zoomed out again to Max 100.
      {"horizontal bar at its middle, zoomed out", 19000, 100, {true, 145, 290}, {}, 50, 0},
      // v: 142 × 75 / 100 = 106.5 rounds to even; h: 214 × 50 / 100 = 107.
      {"both bars", 30000, 20000, {true, 10, 20}, {true, 30, 40}, 107, 106},
      {"previously hidden bars start at 0", 30000, 20000, {false, 10, 20}, {false, 30, 40}, 0, 0},
      {"a bar with Max 0 counts as at its start", 30000, 20000, {true, 0, 0}, {true, 5, 0}, 0, 0},
      {"a value beyond Max stops at the new Max",
       30000,
       20000,
       {true, 300, 100},
       {true, -20, 100},
       214,
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ScrollArrangement a = ArrangeScrollBars(Input(c.w, c.h, c.hbar, c.vbar));
    ASSERT_TRUE(a.HBar.Visible);
    EXPECT_EQ(a.HBar.Value, c.hValue);
    EXPECT_EQ(a.PictureLeft, -100.0f * c.hValue);
    if (a.VBar.Visible) {
      EXPECT_EQ(a.VBar.Value, c.vValue);
      EXPECT_EQ(a.PictureTop, -100.0f * c.vValue);
    } else {
      EXPECT_EQ(a.PictureTop, 0.0f);
    }
  }
}

TEST(ArrangeScrollBarsTest, HugePictureGetsTheLargestMaxInsteadOfWrappingAround) {
  // (1e7 - 9000 + 50) / 100 = 99910.5 does not fit in 16 bits.
  const ScrollArrangement a = ArrangeScrollBars(Input(1e7f, 100, {true, 50, 100}));
  ASSERT_EQ(a.Result, 1);
  EXPECT_EQ(a.HBar.Max, 32767);
  EXPECT_EQ(a.HBar.Value, 16384);  // 16383.5 rounds to even
  EXPECT_EQ(a.PictureLeft, -1638400.0f);
}

TEST(ArrangeScrollBarsTest, ComparesInSinglePrecision) {
  // In single precision 1e8 - 1 is 1e8, so a picture 1e8 high is not higher than the viewport
  // minus the bar and only the horizontal bar is needed.
  ScrollArrangementInput in = Input(9001, 1e8f);
  in.CH = 1e8f;
  in.BH = 1;
  EXPECT_EQ(ArrangeScrollBars(in).Result, 1);
}

TEST(PrintScaleTest, ShrinksOnlyWhatDoesNotFit) {
  struct Case {
    const char* what;
    float sw, sh, pw, ph;
    std::int32_t expected;
  };
  const Case cases[] = {
      // 11000 × 100 / 13550 - 1 = 80.18
      {"too wide", 13550, 8400, 11000, 15500, 80},
      {"smaller both ways", 10000, 8000, 11000, 15500, 100},
      {"exactly the page", 11000, 15500, 11000, 15500, 100},
      // 15500 × 100 / 20000 - 1 = 76.5, rounded after subtracting 1
      {"too high only", 10000, 20000, 11000, 15500, 76},
      // width: 55 - 1 = 54; height: 51.67 - 1 = 50.67
      {"too large both ways, height decides", 20000, 30000, 11000, 15500, 51},
      // width: 36.67 - 1 = 35.67; height: 77.5 - 1 = 76.5
      {"too large both ways, width decides", 30000, 20000, 11000, 15500, 36},
      {"far too large is not mirrored", 13550, 8400, 10, 15500, 0},
      {"no printable width", 13550, 8400, 0, 15500, 0},
      {"negative printable height", 100, 100, 11000, -1, 0},
      {"NaN size", std::numeric_limits<float>::quiet_NaN(), 8400, 11000, 15500, 0},
      {"empty drawing", 0, 0, 11000, 15500, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(PrintScale(c.sw, c.sh, c.pw, c.ph), c.expected);
  }
}

}  // namespace
}  // namespace periodic
