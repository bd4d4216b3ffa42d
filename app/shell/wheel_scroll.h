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

}  // namespace table
