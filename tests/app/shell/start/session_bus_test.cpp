#include "app/shell/start/session_bus.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTemporaryDir>
#include <fstream>
#include <map>

namespace table {
namespace {

void MakeFile(const std::string& path, mode_t mode) {
  std::ofstream(path) << "#!/bin/sh\n";
  ASSERT_EQ(::chmod(path.c_str(), mode), 0) << path;
}

TEST(SessionBus, AbsentOnlyWhereNeitherAddressSocketNorLauncherIsThere) {
  QTemporaryDir root;
  ASSERT_TRUE(root.isValid());
  const std::string base = root.path().toStdString();
  for (const char* folder : {"/library", "/empty", "/launcher", "/not-runnable", "/runtime"})
    ASSERT_EQ(::mkdir((base + folder).c_str(), 0700), 0);
  MakeFile(base + "/launcher/dbus-launch", 0755);
  MakeFile(base + "/not-runnable/dbus-launch", 0644);
  MakeFile(base + "/runtime/bus", 0600);

  using Variables = std::map<std::string, std::string>;
  const std::string nowhere = base + "/empty:" + base + "/not-runnable";
  const struct {
    const char* what;
    Variables variables;
    std::string libraryFolder;
    bool absent;
  } cases[] = {
      {"nothing anywhere", {{"PATH", nowhere}}, base + "/library", true},
      {"a runtime folder without a bus",
       {{"PATH", nowhere}, {"XDG_RUNTIME_DIR", base + "/empty"}},
       base + "/library",
       true},
      {"an address, even an empty one",
       {{"PATH", nowhere}, {"DBUS_SESSION_BUS_ADDRESS", ""}},
       base + "/library",
       false},
      {"the runtime folder's bus",
       {{"PATH", nowhere}, {"XDG_RUNTIME_DIR", base + "/runtime"}},
       base + "/library",
       false},
      {"a launcher in the library's folder", {{"PATH", nowhere}}, base + "/launcher", false},
      {"a launcher late on the PATH",
       {{"PATH", nowhere + ":" + base + "/launcher"}},
       base + "/library",
       false},
      {"no PATH to search", {}, base + "/library", false},
  };
  for (const auto& test : cases) {
    const EnvironmentLookup lookup = [&](const char* name) -> std::optional<std::string> {
      const auto found = test.variables.find(name);
      return found == test.variables.end() ? std::nullopt : std::optional(found->second);
    };
    EXPECT_EQ(NoSessionBusToFind(lookup, test.libraryFolder), test.absent) << test.what;
  }
}

}  // namespace
}  // namespace table
