#pragma once

class QApplication;

namespace table {

// The program's start: the splash window with its progress, the main window with its load
// sequence, then the main window shown. Returns the application's exit code.
int RunProgram(QApplication& app);

// Qt's own texts (standard buttons and dialogs) in Russian.
void InstallRussianTranslations(QApplication& app);

}  // namespace table
