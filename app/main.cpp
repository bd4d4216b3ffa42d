#include <QApplication>
#include <QIcon>

#include "app/shell/start_program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Table");
  QApplication::setWindowIcon(QIcon(":/icons/app.svg"));
  table::InstallRussianTranslations(app);
  return table::RunProgram(app);
}
