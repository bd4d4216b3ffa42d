#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

struct xcb_connection_t;

namespace desktop {

using WindowId = std::uint32_t;

// A client's view of an X display and its window manager: the managed windows, their frames,
// titles and states, as a user's desktop shows them. Every call asks the server afresh.
class XDisplay {
 public:
  explicit XDisplay(const QString& name);
  ~XDisplay();
  XDisplay(const XDisplay&) = delete;
  XDisplay& operator=(const XDisplay&) = delete;

  bool connected() const { return m_connection != nullptr; }
  QRect screen() const;
  // Whether a window manager has announced itself (_NET_SUPPORTING_WM_CHECK).
  bool windowManagerRuns() const;

  // The managed top-level windows, bottom to top (_NET_CLIENT_LIST_STACKING).
  std::vector<WindowId> stacking() const;
  std::vector<WindowId> clientList() const;
  QString title(WindowId window) const;
  // The outer frame the window manager drew around the window, title bar included, and the
  // window's own area, both in root coordinates.
  QRect frame(WindowId window) const;
  QRect client(WindowId window) const;
  QStringList netWmState(WindowId window) const;
  bool iconic(WindowId window) const;
  // Whether a menu is open: a window that bypasses the window manager, of a menu's type.
  bool menuShown() const;
  // The window the window manager says has the focus, or 0.
  WindowId activeWindow() const;

 private:
  std::uint32_t atom(const char* name) const;
  std::vector<std::uint32_t> cardinals(WindowId window, const char* property,
                                       std::uint32_t type) const;
  WindowId root() const;
  QString atomName(std::uint32_t atom) const;

  xcb_connection_t* m_connection = nullptr;
};

// Asks `done` again and again for up to `seconds`, while the program and the window manager
// work; true as soon as it holds.
bool WaitUntil(const std::function<bool()>& done, double seconds = 10);

// Gives the program and the window manager time where nothing can be asked: a menu opening.
void Pause(int milliseconds);

}  // namespace desktop
