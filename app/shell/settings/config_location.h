#pragma once

#include <QString>

namespace table {

// The folder that holds Table.ini and Table.cfg: the program's own folder when files can be
// created there and it is no system folder (a build tree), otherwise the user's configuration
// folder for the program (created when missing). The choice is made once per run, so that settings
// are written where they were read.
QString ConfigDirectory();

// Whether a folder belongs to the installed system (/usr, /opt), which the package manager owns
// and removes: the program never writes there, whoever runs it (root may, and its files would
// outlive the package).
bool IsSystemFolder(const QString& folder);

// The choice ConfigDirectory makes for a given program folder, without remembering it.
QString ChooseConfigDirectory(const QString& programFolder);

QString TableIniPath();
QString TableCfgPath();

// Makes ConfigDirectory return `folder`; an empty string goes back to the normal choice.
void SetConfigDirectoryForTests(const QString& folder);

}  // namespace table
