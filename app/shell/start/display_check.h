#pragma once

#include <string>

namespace table {

// The one line the program prints when it has no graphical display to show its windows on.
extern const char* const kNoDisplayMessage;

// Whether the environment names a display the windows can go to: an explicit Qt platform, an X11
// display or a Wayland display. Says nothing about whether that display answers.
bool DisplayNamed();

// Until the application object exists, Qt's fatal "could not connect to display" (a named
// display that does not answer) ends the program with the given message and status 1 instead of
// an abort with Qt's advice to reinstall it. The guard lifts when this object goes.
class NoDisplayGuard {
 public:
  explicit NoDisplayGuard(const char* message = kNoDisplayMessage);
  ~NoDisplayGuard();
  NoDisplayGuard(const NoDisplayGuard&) = delete;
  NoDisplayGuard& operator=(const NoDisplayGuard&) = delete;
};

}  // namespace table
