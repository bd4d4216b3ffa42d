#include "app/shell/wheel_scroll.h"

#include <algorithm>

#include "component/vexel_interface.h"

namespace table {
namespace {

constexpr int kWheelStep = 10;
constexpr int kNotch = 120;

void Scroll(vexel::VexelControl& c, int direction) {
  if (c.VScrollBarVisible()) {
    const int v = c.VScrollBarValue() + direction * kWheelStep;
    c.setVScrollBarValue(static_cast<std::int16_t>(
        std::clamp<int>(v, c.VScrollBarMin(), std::max(c.VScrollBarMin(), c.VScrollBarMax()))));
  } else if (c.HScrollBarVisible()) {
    const int v = c.HScrollBarValue() + direction * kWheelStep;
    c.setHScrollBarValue(static_cast<std::int16_t>(
        std::clamp<int>(v, c.HScrollBarMin(), std::max(c.HScrollBarMin(), c.HScrollBarMax()))));
  }
}

}  // namespace

bool ScrollByWheel(vexel::VexelControl* control, int delta, Qt::KeyboardModifiers modifiers,
                   Qt::MouseButtons buttons) {
  // The window may be loading or closing: no control, nothing to scroll.
  if (!control || modifiers != Qt::NoModifier || buttons != Qt::NoButton) return false;
  if (delta == -kNotch) {
    Scroll(*control, +1);  // towards the user: forward, down the table
  } else if (delta == kNotch) {
    Scroll(*control, -1);
  } else {
    return false;
  }
  return true;
}

}  // namespace table
