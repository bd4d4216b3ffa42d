#include "app/shell/start/start_program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <memory>
#include <string>

#include "app/program_info.h"
#include "app/shell/main_window/frm_table_viewer.h"
#include "app/shell/start/frm_splash.h"
#include "app/shell/start/program_shutdown.h"
#include "app/shell/start/quit_signals.h"
#include "app/shell/start/startup_trace.h"

namespace table {

void InstallRussianTranslations(QApplication& app) {
  QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::Russian), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(translator);
  }
}

namespace {

// The splash's last steps: the element card windows are made, hidden, one slot after another,
// each moving the progress bar from 70 on to its end.
void AdvanceThroughViewerPool(frmSplash& splash, ViewerWindows& viewers) {
  constexpr int kMaximum = 100;
  int value = 70;
  splash.setProgress(value);
  const int step = (kMaximum - value) / ViewerWindows::kSlots;
  viewers.createAll([&] {
    value = kMaximum > value + step ? value + step : kMaximum;
    splash.setProgress(value);
  });
}

}  // namespace

int RunProgram(QApplication& app) {
  StartupCheckpoint("application");
  // On the heap, so that it is gone, with its share of the display's memory, once the main
  // window is shown.
  auto splash = std::make_unique<frmSplash>();
  splash->show();
  splash->setProgress(0);
  // The toolkit paints a splash window while showing it when the display answers at once; a
  // second painting would show nothing new.
  if (!splash->painted()) splash->repaint();
  QApplication::processEvents();
  StartupCheckpoint("splash shown");

  DialogPrompts prompts;
  MainWindowSetup setup;
  setup.prompts = &prompts;
  setup.progress = [shown = QPointer<frmSplash>(splash.get())](int value) {
    StartupCheckpoint(("progress " + std::to_string(value)).c_str());
    if (shown) shown->setProgress(value);
  };
  frmTableViewer window(setup);
  if (!window.hasControl()) {
    splash.reset();
    prompts.warning(nullptr, ProgramTitle(), window.loadError());
    return 1;
  }
  AdvanceThroughViewerPool(*splash, window.viewerWindows());
  StartupCheckpoint("card windows made");
  splash->close();
  // The window starts centred on the screen.
  if (const QScreen* screen = window.screen()) {
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
  }
  window.show();
  StartupCheckpoint("main window shown");
  // Closed, the splash shows nothing more; taking its window down waits until the main window
  // is on its way to the screen.
  splash.reset();
  // From here on a signal or the end of the session closes the window as the user would.
  ProgramShutdown shutdown(window);
  const QuitSignals quitSignals([&shutdown](int) { shutdown.request(); });
  QTimer::singleShot(0, [] { StartupCheckpoint("event loop running"); });
  return app.exec();
}

}  // namespace table
