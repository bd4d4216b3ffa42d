#include "app/shell/start/startup_trace.h"

#include <sys/resource.h>
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
  static const char* const setting = std::getenv("TABLE_STARTUP_TRACE");
  if (setting == nullptr) return;
  // The launcher's own clock reading (date +%s%N) is exact; the process's start time in /proc
  // is counted in clock ticks of 10 ms.
  static const double launch = std::strtod(setting, nullptr) / 1e9;
  static const bool launchGiven = launch > 1e9;
  static const double start = launchGiven ? launch : ProcessStart();
  timespec now{};
  ::clock_gettime(launchGiven ? CLOCK_REALTIME : CLOCK_BOOTTIME, &now);
  const double seconds = static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
  // The first thread's page faults too: where a fault costs microseconds (as under some
  // hypervisors) they are a good share of the start. A page filled in advance counts as one.
  rusage usage{};
  ::getrusage(RUSAGE_THREAD, &usage);
  std::fprintf(stderr, "start-up %7.1f ms %6ld faults  %s\n", (seconds - start) * 1000.0,
               usage.ru_minflt + usage.ru_majflt, name);
}

}  // namespace table
