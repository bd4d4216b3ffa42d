#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/shell/main_window/frm_table_viewer.h"
#include "app/shell/settings/config_location.h"
#include "app/viewer/card_picture.h"
#include "app/viewer/frm_element_viewer.h"
#include "table/display_options.h"
#include "table/table_layout.h"

namespace {

constexpr int kIron = 26;
constexpr double kTwipsPerPixel = 15;

// The program's main window over the built control, shown, with its pool made as the start
// makes it and a single click opening a card.
class Program {
 public:
  Program() {
    table::SetConfigDirectoryForTests(m_config.path());
    table::MainWindowSetup setup;
    setup.libraryFolder = QStringLiteral(VEXEL_LIBRARY_DIR);
    m_window = std::make_unique<table::frmTableViewer>(setup);
    if (!m_window->hasControl()) {
      std::fprintf(stderr, "%s\n", qPrintable(m_window->loadError()));
      std::abort();
    }
    m_window->Halden()->setOpenViewerOnDblClick(false);
    m_window->viewerWindows().createAll();
    m_window->show();
    QCoreApplication::processEvents();
    m_picture = m_window->findChild<QWidget*>("picOutput");
    if (!m_picture) std::abort();
  }

  table::frmTableViewer& window() { return *m_window; }
  table::ViewerWindows& pool() { return m_window->viewerWindows(); }
  QWidget& picture() { return *m_picture; }

  // A point of the visible picture inside the cell of element n, as the control's hit test
  // finds it with the default display options.
  QPoint cellOf(int n) const {
    const periodic::DisplayOptions options;
    for (int y = 0; y < m_picture->height(); y += 4) {
      for (int x = 0; x < m_picture->width(); x += 4) {
        if (periodic::ElementAtPoint(static_cast<float>(x * kTwipsPerPixel),
                                     static_cast<float>(y * kTwipsPerPixel), options) == n)
          return {x + 8, y + 8};
      }
    }
    std::abort();
  }

 private:
  QTemporaryDir m_config;
  std::unique_ptr<table::frmTableViewer> m_window;
  QWidget* m_picture = nullptr;
};

Program& TheProgram() {
  static Program program;
  return program;
}

// Processes events until the card of slot 1 is shown and painted; aborts after a second.
void WaitForPaintedCard(table::ViewerWindows& pool, int paintsBefore) {
  QElapsedTimer timer;
  timer.start();
  for (;;) {
    table::frmTElementViewer* card = pool.window(1);
    if (card->isVisible() && card->picElement->paintCount() > paintsBefore) return;
    if (timer.elapsed() > 1000) {
      std::fprintf(stderr, "the card was not painted\n");
      std::abort();
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
}

// From the click on a cell until the card's window is shown with its card painted. Between
// runs the card is closed as a user closes it (the window goes and its slot makes a new one
// on the next click) or by close-all (the hidden window is shown again).
void BM_ClickToPaintedCard(benchmark::State& state) {
  Program& program = TheProgram();
  const bool closedByUser = state.range(0) == 1;
  const QPoint iron = program.cellOf(kIron);
  for (auto _ : state) {
    state.PauseTiming();
    if (closedByUser)
      program.pool().window(1)->close();
    else
      program.pool().CloseAllWindows();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // After a close by the user the slot is empty: the click makes its window anew.
    const int paintsBefore = closedByUser ? -1 : program.pool().window(1)->picElement->paintCount();
    state.ResumeTiming();

    QTest::mouseClick(&program.picture(), Qt::LeftButton, Qt::NoModifier, iron);
    WaitForPaintedCard(program.pool(), paintsBefore);
  }
  if (program.pool().window(1)->windowTitle() != "Fe - Железо") {
    state.SkipWithError("the click did not open iron's card");
  }
}
BENCHMARK(BM_ClickToPaintedCard)
    ->ArgName("closed_by_user")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);

// What the start spends on the pool: fifteen hidden card windows, made and thrown away.
void BM_MakePoolOfFifteen(benchmark::State& state) {
  Program& program = TheProgram();
  for (auto _ : state) {
    table::ViewerWindows pool(program.window());
    pool.createAll();
  }
}
BENCHMARK(BM_MakePoolOfFifteen)->Unit(benchmark::kMillisecond);

}  // namespace
