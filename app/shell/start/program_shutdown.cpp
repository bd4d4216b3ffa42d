#include "app/shell/start/program_shutdown.h"

#include <QApplication>
#include <QDialog>
#include <QThread>
#include <QTimer>
#include <cstdlib>

#include "app/shell/main_window/frm_table_viewer.h"

namespace table {
namespace {

// How often, 10 ms apart, the shutdown waits for a nested event loop (a dialog's, a menu's) to
// end before it closes the window from inside it.
constexpr int kMaxAttempts = 100;

ProgramShutdown* g_current = nullptr;
QtMessageHandler g_previousHandler = nullptr;

// The toolkit ends the program with status 1 right after this warning when the display goes
// away (the end of an X session without a session manager). The settings of the session are
// saved while everything still stands, and the program ends as it would have, only with the
// status of a normal end: there is no window left to close.
void WatchForLostDisplay(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (g_previousHandler) g_previousHandler(type, context, text);
  if (g_current && type == QtWarningMsg && text.startsWith("The X11 connection broke") &&
      QThread::currentThread() == qApp->thread()) {
    g_current->saveBeforeLostDisplay();
    std::exit(0);
  }
}

}  // namespace

ProgramShutdown::ProgramShutdown(frmTableViewer& window, QObject* parent)
    : QObject(parent), m_window(window) {
  // The desktop session asks its programs to save before it ends them.
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this] {
    m_window.setQuietFailures(true);
    m_window.SaveConfiguration();
  });
  // Whoever ends the loop, the main window's shutdown runs.
  connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
    if (!m_window.shutDown()) {
      m_window.setQuietFailures(true);
      m_window.close();
    }
  });
  g_current = this;
  g_previousHandler = qInstallMessageHandler(WatchForLostDisplay);
}

ProgramShutdown::~ProgramShutdown() {
  qInstallMessageHandler(g_previousHandler);
  g_previousHandler = nullptr;
  g_current = nullptr;
}

void ProgramShutdown::request() {
  if (m_requested) return;
  m_requested = true;
  closeWhenUnwound();
}

void ProgramShutdown::saveBeforeLostDisplay() {
  if (m_window.shutDown()) return;
  m_window.setQuietFailures(true);
  m_window.SaveConfiguration();
}

void ProgramShutdown::closeWhenUnwound() {
  // A menu and the submenus open from it, innermost first.
  for (int depth = 0; depth < 16; ++depth) {
    QWidget* popup = QApplication::activePopupWidget();
    if (!popup) break;
    popup->close();
  }
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* dialog = qobject_cast<QDialog*>(widget);
    if (dialog && dialog->isVisible()) dialog->reject();
  }
  // A dialog's loop ends when control returns to it; the window closes from the main loop,
  // not from under the code that opened the dialog.
  if (QThread::currentThread()->loopLevel() > 1 && ++m_attempts < kMaxAttempts) {
    QTimer::singleShot(10, this, &ProgramShutdown::closeWhenUnwound);
    return;
  }
  m_window.setQuietFailures(true);
  m_window.close();
  QCoreApplication::quit();
}

}  // namespace table
