#include <QApplication>
#include <cstdio>
#include <iostream>
#include <memory>

#include "app/command_line_options.h"
#include "app/help/search_help_command.h"
#include "app/shell/icons/resource_icon_style.h"
#include "app/shell/icons/svg_icon.h"
#include "app/shell/start/display_check.h"
#include "app/shell/start/session_bus.h"
#include "app/shell/start/start_program.h"
#include "app/shell/start/startup_heap.h"
#include "app/shell/start/startup_trace.h"
#include "app/shell/start/startup_warmup.h"

int main(int argc, char** argv) {
  table::StartupCheckpoint("main");
  // --search-help, --help and --version are answered before the display is asked for, and need
  // none.
  if (const auto status = table::RunSearchHelpCommand(argc, argv)) return *status;
  if (const auto status = table::AnswerCommandLine(argc, argv, std::cout, std::cerr)) {
    return *status;
  }
  if (!table::DisplayNamed()) {
    std::fprintf(stderr, "%s\n", table::kNoDisplayMessage);
    return 1;
  }
  table::NameAbsentSessionBus();
  table::PrepareStartupHeap();
  const table::StartupWarmup warmup;
  // The menus stay in the window, as the program has always shown them; asking the desktop for
  // a global menu bar would start a session bus at every start.
  QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  std::unique_ptr<QApplication> app;
  {
    const table::NoDisplayGuard guard;
    app = std::make_unique<QApplication>(argc, argv);
  }
  table::StartupCheckpoint("application object");
  QApplication::setApplicationName("Table");
  // Desktops find the program's menu entry, and with it its icon, by this name.
  QApplication::setDesktopFileName("org.example.table");
  QApplication::setStyle(new table::ResourceIconStyle(QApplication::style()->name()));
  QApplication::setWindowIcon(table::SvgIcon(":/icons/app.svg"));
  table::InstallRussianTranslations(*app);
  return table::RunProgram(*app);
}
