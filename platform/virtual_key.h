#pragma once

#include <Qt>

class QKeyEvent;

namespace periodic {

// The key itself, whatever keyboard layout is active: the Latin letter, digit or function key
// that the key carries on a US keyboard, as a Qt key code (Qt::Key_P for the key that types
// "з" under the Russian layout). Key bindings compare this, never the typed character.
//
// On X11 the event's native scan code is the layout-independent keycode and decides; where
// there is none (other platforms, synthetic events), a letter of the Russian layout is mapped
// to the Latin letter on the same key. Every other key passes through as key() gives it.
int VirtualKey(const QKeyEvent& event);

// The same from the event's parts; scanCodeIsX11Keycode says whether the scan code is an X11
// keycode (true on the xcb platform).
int VirtualKey(int qtKey, quint32 nativeScanCode, bool scanCodeIsX11Keycode);

}  // namespace periodic
