#pragma once

#include <QString>

namespace table {

// The program's version, shown as major.minor.revision.
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 3;
inline constexpr int kVersionRevision = 62;

// "Версия 1.3.62", as the splash and About windows show it.
inline QString VersionText() {
  return QStringLiteral("Версия %1.%2.%3")
      .arg(kVersionMajor)
      .arg(kVersionMinor)
      .arg(kVersionRevision);
}

// The program's full title: the main window's caption and the title of the About window.
inline QString ProgramTitle() {
  return QStringLiteral("Периодическая система химических элементов");
}

}  // namespace table
