#include "app/shell/start/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <iterator>

namespace table {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The pipe's writing end for the handler; -1 while no instance listens.
std::atomic<int> g_writeEnd{-1};

extern "C" void WriteSignalToPipe(int signal) {
  const int saved = errno;
  const int fd = g_writeEnd.load();
  if (fd >= 0) {
    const auto byte = static_cast<unsigned char>(signal);
    // A full pipe already holds a request to quit; the byte may be dropped.
    (void)!::write(fd, &byte, 1);
  }
  errno = saved;
}

}  // namespace

QuitSignals::QuitSignals(std::function<void(int)> onSignal, QObject* parent)
    : QObject(parent), m_onSignal(std::move(onSignal)) {
  if (::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  g_writeEnd.store(m_pipe[1]);
  m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, &QuitSignals::readSignals);
  struct sigaction action {};
  action.sa_handler = WriteSignalToPipe;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  m_installed = true;
  for (std::size_t i = 0; i < std::size(kSignals); ++i) {
    struct sigaction& old = m_previous[i];
    if (::sigaction(kSignals[i], nullptr, &old) != 0) {
      m_installed = false;
      continue;
    }
    // A signal ignored by whoever started the program (nohup) stays ignored.
    if (old.sa_handler == SIG_IGN) continue;
    if (::sigaction(kSignals[i], &action, nullptr) != 0) m_installed = false;
  }
}

QuitSignals::~QuitSignals() {
  for (std::size_t i = 0; m_notifier && i < std::size(kSignals); ++i)
    ::sigaction(kSignals[i], &m_previous[i], nullptr);
  g_writeEnd.store(-1);
  delete m_notifier;
  for (int fd : m_pipe) {
    if (fd >= 0) ::close(fd);
  }
}

void QuitSignals::readSignals() {
  unsigned char bytes[16];
  for (;;) {
    const ssize_t got = ::read(m_pipe[0], bytes, sizeof bytes);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return;
    for (ssize_t i = 0; i < got; ++i) {
      if (m_onSignal) m_onSignal(bytes[i]);
    }
  }
}

}  // namespace table
