#include "app/shell/startup_trace.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

namespace table {
namespace {

// The process's start in seconds since boot, from /proc (in clock ticks), or -1.
double ProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), {});
  const std::size_t end = text.rfind(')');
  if (end == std::string::npos) return -1;
  // After the name: fields 3 onwards; the start time is field 22.
  std::size_t pos = end + 2;
  for (int field = 3; field < 22 && pos != std::string::npos; ++field)
    pos = text.find(' ', pos) + 1;
  if (pos == 0 || pos == std::string::npos) return -1;
  return std::strtod(text.c_str() + pos, nullptr) / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

}  // namespace

void StartupCheckpoint(const char* name) {
  static const bool enabled = std::getenv("TABLE_STARTUP_TRACE") != nullptr;
  if (!enabled) return;
  static const double start = ProcessStart();
  timespec now{};
  ::clock_gettime(CLOCK_BOOTTIME, &now);
  const double seconds = static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
  std::fprintf(stderr, "start-up %7.1f ms  %s\n", (seconds - start) * 1000.0, name);
}

}  // namespace table
