#pragma once

#include <Qt>

namespace vexel {
class VexelControl;
}

namespace table {

// One wheel notch (delta +-120) with no key and no button held scrolls the control's vertical
// bar, or its horizontal bar when only that one shows, by 10 within its range. Anything else
// does nothing. Returns whether it scrolled.
bool ScrollByWheel(vexel::VexelControl* control, int delta, Qt::KeyboardModifiers modifiers,
                   Qt::MouseButtons buttons);

// The wheel as the main window sees it. Touchpads and high-resolution wheels send deltas smaller
// than a notch; those are added up, and every full 120 in one direction counts as one notch.
// A delta of a notch or more in one event, a key or button held, or a turn the other way starts
// the count afresh.
class WheelNotches {
 public:
  // Returns whether the table scrolled.
  bool turn(vexel::VexelControl* control, int delta, Qt::KeyboardModifiers modifiers,
            Qt::MouseButtons buttons);

 private:
  int m_partial = 0;
};

}  // namespace table
