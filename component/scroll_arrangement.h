#pragma once

#include <cstdint>
#include <optional>

namespace periodic {

// One scroll step moves the picture by this many twips.
inline constexpr std::int32_t kScrollStep = 100;

// x brought to the nearest integer, halves to even, and stored in a 16-bit scroll-bar field:
// values beyond the 16-bit range give its nearest end, NaN gives 0.
std::int16_t RoundToInt16(float x);

// What a scroll bar holds before the arrangement. Its Min is never changed and is taken as 0.
struct ScrollBarState {
  bool Visible = false;
  std::int16_t Value = 0;
  std::int16_t Max = 0;
};

// Sizes in twips, as the windows hold them.
struct ScrollArrangementInput {
  float W = 0;   // width of the visible (zoomed) picture
  float H = 0;   // its height
  float CW = 0;  // inner width of the viewport
  float CH = 0;  // inner height of the viewport
  float BH = 0;  // height of the horizontal bar
  float BW = 0;  // width of the vertical bar
  ScrollBarState HBar;
  ScrollBarState VBar;
};

// A bar after the arrangement. Left, Top and Length (the horizontal bar's Width or the vertical
// bar's Height) are set only for a shown bar; a hidden bar keeps its Max and Value.
struct ArrangedScrollBar {
  bool Visible = false;
  float Left = 0;
  float Top = 0;
  float Length = 0;
  std::int16_t Max = 0;
  std::int16_t Value = 0;
};

struct ScrollArrangement {
  // 0 no bar, 1 the horizontal bar only, 2 the vertical bar only, 3 both.
  int Result = 0;
  ArrangedScrollBar HBar;
  ArrangedScrollBar VBar;
  // The square in the corner between the bars, shown with both of them.
  bool SquareVisible = false;
  float SquareLeft = 0;
  float SquareTop = 0;
  // The picture's Left and Top reset to 0 because the bar of that direction is hidden; empty
  // where the bar is shown and the arrangement leaves the picture where it is.
  std::optional<float> ResetLeft;
  std::optional<float> ResetTop;
  // Where the picture ends up once the scroll handlers have run for the shown bars:
  // ScrollOffset(Value) along a shown bar, 0 along a hidden one.
  float PictureLeft = 0;
  float PictureTop = 0;
};

// Fits the scroll bars to a picture of W × H in a viewport of CW × CH. A bar that stays shown
// keeps its relative position; a bar that was hidden starts at 0.
ScrollArrangement ArrangeScrollBars(const ScrollArrangementInput& in);

// The picture's Left (or Top) for a scroll-bar value: -(100 × value).
float ScrollOffset(std::int16_t value);

// The percentage at which a drawing of SW × SH twips is printed on a printable area of
// PW × PH twips: 100 when it fits, else the ratio of the direction (or the smaller of the two
// directions) that does not fit, less 1, rounded halves to even. Never above 100 nor below 0.
// Returns 0 when there is no printable area (PW or PH not positive) or a size is NaN. A
// drawing size that is not positive always fits in its direction.
std::int32_t PrintScale(float SW, float SH, float PW, float PH);

}  // namespace periodic
