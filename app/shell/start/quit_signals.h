#pragma once

#include <signal.h>

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace table {

// Turns SIGTERM, SIGHUP and SIGINT (a logout, `kill`, a service manager, Ctrl+C) into a call on
// the event loop, so that the program ends as closing its main window ends it. The handler only
// writes the signal's number into a pipe; the call runs when the loop reads it. One instance at
// a time; the signals get their earlier handling back when it goes.
class QuitSignals : public QObject {
  Q_OBJECT

 public:
  explicit QuitSignals(std::function<void(int signal)> onSignal, QObject* parent = nullptr);
  ~QuitSignals() override;
  QuitSignals(const QuitSignals&) = delete;
  QuitSignals& operator=(const QuitSignals&) = delete;

  // False when the pipe or the handlers could not be set up; the signals then end the program
  // as before.
  bool installed() const { return m_installed; }

 private:
  void readSignals();

  std::function<void(int)> m_onSignal;
  int m_pipe[2] = {-1, -1};
  struct sigaction m_previous[3] = {};  // SIGTERM, SIGHUP, SIGINT as they were handled before
  QSocketNotifier* m_notifier = nullptr;
  bool m_installed = false;
};

}  // namespace table
