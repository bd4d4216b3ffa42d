#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <memory>

#include "app/shell/display_check.h"
#include "app/shell/start_program.h"

int main(int argc, char** argv) {
  if (!table::DisplayNamed()) {
    std::fprintf(stderr, "%s\n", table::kNoDisplayMessage);
    return 1;
  }
  std::unique_ptr<QApplication> app;
  {
    const table::NoDisplayGuard guard;
    app = std::make_unique<QApplication>(argc, argv);
  }
  QApplication::setApplicationName("Table");
  QApplication::setWindowIcon(QIcon(":/icons/app.svg"));
  table::InstallRussianTranslations(*app);
  return table::RunProgram(*app);
}
