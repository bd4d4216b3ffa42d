#include "app/shell/main_window/wheel_scroll.h"

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

namespace table {

bool WheelNotches::turn(vexel::VexelControl* control, int delta, Qt::KeyboardModifiers modifiers,
                        Qt::MouseButtons buttons) {
  constexpr int kNotch = 120;
  if (delta == 0) return false;
  const bool small = delta > -kNotch && delta < kNotch;
  if (!small || modifiers != Qt::NoModifier || buttons != Qt::NoButton) {
    m_partial = 0;
    return ScrollByWheel(control, delta, modifiers, buttons);
  }
  if ((m_partial < 0) != (delta < 0)) m_partial = 0;
  m_partial += delta;
  if (m_partial > -kNotch && m_partial < kNotch) return false;
  const int notch = m_partial > 0 ? kNotch : -kNotch;
  m_partial -= notch;
  return ScrollByWheel(control, notch, Qt::NoModifier, Qt::NoButton);
}

}  // namespace table
