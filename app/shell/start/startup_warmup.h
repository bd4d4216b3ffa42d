#pragma once

#include <string>
#include <thread>

namespace table {

// Work of the start that needs no window, done on a second thread while the first connects to
// the display and builds the windows: reading the font configuration and loading the control
// library. Whatever it does the start would do later anyway; whatever fails here the start meets
// again and reports in its own place.
class StartupWarmup {
 public:
  // programFolder holds the control library; empty means the folder of the running program.
  explicit StartupWarmup(const std::string& programFolder = {});
  ~StartupWarmup();
  StartupWarmup(const StartupWarmup&) = delete;
  StartupWarmup& operator=(const StartupWarmup&) = delete;

 private:
  std::thread m_thread;
};

}  // namespace table
