#include "app/shell/settings/config_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <optional>

namespace table {
namespace {

std::optional<QString>& ChosenDirectory() {
  static std::optional<QString> chosen;
  return chosen;
}

// Permission bits say little (root may write anywhere, a read-only mount shows write bits), so
// the folder counts as writable only when a file can really be created in it.
bool CanCreateFilesIn(const QString& folder) {
  if (folder.isEmpty() || !QDir(folder).exists()) return false;
  QTemporaryFile probe(folder + "/.table-write-test-XXXXXX");
  return probe.open();  // the file is removed again when the probe goes
}

}  // namespace

bool IsSystemFolder(const QString& folder) {
  if (folder.isEmpty()) return false;
  const QString path = QDir::cleanPath(QDir(folder).absolutePath()) + "/";
  return path.startsWith("/usr/") || path.startsWith("/opt/");
}

QString ChooseConfigDirectory(const QString& programFolder) {
  if (!IsSystemFolder(programFolder) && CanCreateFilesIn(programFolder)) return programFolder;
  QString fallback = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  // A folder that cannot be made shows when its files are opened; the error names them.
  QDir().mkpath(fallback);
  return fallback;
}

QString ConfigDirectory() {
  std::optional<QString>& chosen = ChosenDirectory();
  if (!chosen) chosen = ChooseConfigDirectory(QCoreApplication::applicationDirPath());
  return *chosen;
}

QString TableIniPath() {
  return ConfigDirectory() + "/Table.ini";
}

QString TableCfgPath() {
  return ConfigDirectory() + "/Table.cfg";
}

void SetConfigDirectoryForTests(const QString& folder) {
  if (folder.isEmpty()) {
    ChosenDirectory().reset();
  } else {
    ChosenDirectory() = folder;
  }
}

}  // namespace table
