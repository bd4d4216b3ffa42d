#pragma once

#include <QObject>

namespace table {

class frmTableViewer;

// Ends the program as closing its main window does, when the request comes from outside the
// window: a signal, the end of the desktop session, the loss of the display. The settings are
// saved whole, the cards and dialogs closed, and the program's status is 0. Failures to save are
// written to the error output then, as no one may be there to answer a message box.
class ProgramShutdown : public QObject {
  Q_OBJECT

 public:
  explicit ProgramShutdown(frmTableViewer& window, QObject* parent = nullptr);
  ~ProgramShutdown() override;

  // Closes open menus and dialogs, and, once their own event loops have ended, the main window
  // and the application. Further requests while it runs change nothing.
  void request();
  // Saves the settings while the program still stands, when the display is lost.
  void saveBeforeLostDisplay();

 private:
  void closeWhenUnwound();

  frmTableViewer& m_window;
  bool m_requested = false;
  int m_attempts = 0;
};

}  // namespace table
