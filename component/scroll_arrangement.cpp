#include "component/scroll_arrangement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace periodic {
namespace {

// Where a bar stood, in per cent of its range. A bar with Max 0 has no range to stand in and
// counts as standing at its start.
float RelativePosition(const ScrollBarState& bar) {
  if (!bar.Visible || bar.Max == 0) return 0.0f;
  return 100.0f * static_cast<float>(bar.Value) / static_cast<float>(bar.Max);
}

// The same relative position on a bar of the given Max, kept within 0..Max so that a value
// the host put outside the old range cannot scroll the picture past its end.
std::int16_t ValueAt(std::int16_t max, float percent) {
  const std::int16_t value = RoundToInt16(static_cast<float>(max) * percent / 100.0f);
  return std::clamp<std::int16_t>(value, 0, std::max<std::int16_t>(max, 0));
}

ArrangedScrollBar Kept(const ScrollBarState& bar) {
  ArrangedScrollBar kept;
  kept.Max = bar.Max;
  kept.Value = bar.Value;
  return kept;
}

ArrangedScrollBar Shown(float left, float top, float length, float maxSteps) {
  ArrangedScrollBar shown;
  shown.Visible = true;
  shown.Left = left;
  shown.Top = top;
  shown.Length = length;
  shown.Max = RoundToInt16(maxSteps);
  return shown;
}

}  // namespace

std::int16_t RoundToInt16(float x) {
  if (std::isnan(x)) return 0;
  const float rounded = std::nearbyint(x);
  constexpr auto kLow = std::numeric_limits<std::int16_t>::min();
  constexpr auto kHigh = std::numeric_limits<std::int16_t>::max();
  if (rounded <= static_cast<float>(kLow)) return kLow;
  if (rounded >= static_cast<float>(kHigh)) return kHigh;
  return static_cast<std::int16_t>(rounded);
}

ScrollArrangement ArrangeScrollBars(const ScrollArrangementInput& in) {
  const float h = RelativePosition(in.HBar);
  const float v = RelativePosition(in.VBar);

  ScrollArrangement out;
  out.HBar = Kept(in.HBar);
  out.VBar = Kept(in.VBar);

  const float step = static_cast<float>(kScrollStep);
  const float heightAboveBar = in.CH - in.BH;
  const float widthBesideBar = in.CW - in.BW;
  if ((in.W > in.CW && in.H > heightAboveBar) || (in.W > widthBesideBar && in.H > in.CH)) {
    out.VBar = Shown(widthBesideBar, 0.0f, heightAboveBar, (in.H - in.CH + in.BH + 50.0f) / step);
    out.HBar = Shown(0.0f, heightAboveBar, widthBesideBar, (in.W - in.CW + in.BW + 50.0f) / step);
    out.SquareVisible = true;
    out.SquareLeft = widthBesideBar;
    out.SquareTop = heightAboveBar;
  } else if (in.H > in.CH) {
    out.VBar = Shown(widthBesideBar, 0.0f, in.CH, (in.H - in.CH + 50.0f) / step);
  } else if (in.W > in.CW) {
    out.HBar = Shown(0.0f, heightAboveBar, in.CW, (in.W - in.CW + 50.0f) / step);
  }

  if (!out.VBar.Visible) out.ResetTop = 0.0f;
  if (!out.HBar.Visible) out.ResetLeft = 0.0f;

  if (out.HBar.Visible) {
    out.HBar.Value = ValueAt(out.HBar.Max, h);
    out.Result += 1;
    out.PictureLeft = ScrollOffset(out.HBar.Value);
  }
  if (out.VBar.Visible) {
    out.VBar.Value = ValueAt(out.VBar.Max, v);
    out.Result += 2;
    out.PictureTop = ScrollOffset(out.VBar.Value);
  }
  return out;
}

float ScrollOffset(std::int16_t value) {
  return static_cast<float>(-(kScrollStep * static_cast<std::int32_t>(value)));
}

std::int32_t PrintScale(float SW, float SH, float PW, float PH) {
  if (std::isnan(SW) || std::isnan(SH) || !(PW > 0.0f) || !(PH > 0.0f)) return 0;
  const bool widthFits = PW >= SW;
  const bool heightFits = PH >= SH;
  if (widthFits && heightFits) return 100;

  // The ratio less 1, so that the shrunk drawing stays slightly smaller than the page.
  const auto scale = [](float printable, float source) {
    return std::nearbyint(printable * 100.0f / source - 1.0f);
  };
  float z = 0.0f;
  if (heightFits) {
    z = scale(PW, SW);
  } else if (widthFits) {
    z = scale(PH, SH);
  } else {
    z = std::min(scale(PW, SW), scale(PH, SH));
  }
  if (std::isnan(z)) return 0;
  return static_cast<std::int32_t>(std::clamp(z, 0.0f, 100.0f));
}

}  // namespace periodic
