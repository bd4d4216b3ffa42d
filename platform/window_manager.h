#pragma once

#include <QMargins>
#include <optional>

class QWindow;

namespace periodic {

// What the program asks of the X11 window manager for its top-level windows. Every call does
// nothing where there is none: on the offscreen platform, or on an X server without one.

// The frame (title bar and borders) that the window manager puts around the top-level window,
// asked for before the window is first shown, so that the window can be placed by its outer
// edges. Under X11 the window manager is sent _NET_REQUEST_FRAME_EXTENTS and its answer,
// _NET_FRAME_EXTENTS on the window, is awaited for a short while; a window already framed
// answers at once. Nothing when the platform draws no frame (offscreen), when no window
// manager runs or when it does not answer in time.
std::optional<QMargins> RequestFrameExtents(QWindow& window);

// Makes `window` stay above the program's other windows while they are shown, as a tool window
// stays above its document window: it is made transient for its window group (WM_TRANSIENT_FOR
// the root window), the group that Qt gives every window of the program. Transient for one
// window instead, it would be minimised together with that window by some window managers
// (openbox minimises the whole chain). It keeps its own entry in the task bar. Qt drops the
// property of a plain window each time it shows it, so this follows every show().
void KeepAboveItsGroup(QWindow& window);

}  // namespace periodic
