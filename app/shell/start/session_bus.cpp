#include "app/shell/start/session_bus.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

namespace table {
namespace {

constexpr const char* kLauncher = "dbus-launch";

bool Exists(const std::string& path) {
  struct stat status;
  return ::lstat(path.c_str(), &status) == 0;
}

bool Runnable(const std::string& folder) {
  const std::string path = (folder.empty() ? std::string(".") : folder) + "/" + kLauncher;
  return ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

bool NoSessionBusToFind(const EnvironmentLookup& variable, const std::string& libraryFolder) {
  if (variable("DBUS_SESSION_BUS_ADDRESS")) return false;
  if (const auto runtime = variable("XDG_RUNTIME_DIR"); runtime && Exists(*runtime + "/bus"))
    return false;
  const auto path = variable("PATH");
  if (!path || Runnable(libraryFolder)) return false;
  std::string_view folders = *path;
  while (true) {
    const auto colon = folders.find(':');
    if (Runnable(std::string(folders.substr(0, colon)))) return false;
    if (colon == std::string_view::npos) return true;
    folders.remove_prefix(colon + 1);
  }
}

void NameAbsentSessionBus() {
  const EnvironmentLookup variable = [](const char* name) -> std::optional<std::string> {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
  };
  if (NoSessionBusToFind(variable)) ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 0);
}

}  // namespace table
