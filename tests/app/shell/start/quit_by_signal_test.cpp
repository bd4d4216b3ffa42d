#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>

#include "app/main_window_host.h"
#include "app/shell/start/program_shutdown.h"
#include "app/shell/start/quit_signals.h"
#include "app/viewer/frm_element_viewer.h"

namespace {

// Lets the event loop run until `done` holds, a bounded number of rounds.
bool ProcessEventsUntil(const std::function<bool()>& done) {
  for (int round = 0; round < 1000 && !done(); ++round) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return done();
}

// A signal closes the window as its close box does: the settings are written whole, the cards
// and dialogs are closed. Each signal in turn, on a window with a card and a dialog open.
TEST(QuitBySignal, ClosesTheWindowCardsAndDialogsAndSavesTheSettings) {
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
    SCOPED_TRACE(signal);
    MainWindowHost host;
    host.show();
    host.window->viewerWindows().RunElementViewer();
    // The shutdown may delete the card, which a raw pointer would not notice.
    const QPointer<QWidget> card = host.window->viewerWindows().window(1);
    ASSERT_TRUE(card && card->isVisible());
    QDialog dialog(host.window.get());
    dialog.show();
    table::ProgramShutdown shutdown(*host.window);
    int received = 0;
    const table::QuitSignals quitSignals([&](int s) {
      received = s;
      shutdown.request();
    });
    ASSERT_TRUE(quitSignals.installed());
    ASSERT_EQ(::raise(signal), 0);
    ASSERT_TRUE(ProcessEventsUntil([&] { return host.window->shutDown(); }));
    EXPECT_EQ(received, signal);
    EXPECT_FALSE(host.window->isVisible());
    EXPECT_TRUE(card.isNull() || !card->isVisible());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(QFileInfo(host.configFolder() + "/Table.ini").size(), 166);
    EXPECT_EQ(QFileInfo(host.configFolder() + "/Table.cfg").size(), 34);
  }
}

// The built program in a folder of its own (so that its settings land there), on the offscreen
// platform.
class ProgramCopy {
 public:
  ProgramCopy() {
    for (const char* name : {"Table", "libVexel.so", "Elements.dat"}) {
      EXPECT_TRUE(QFile::copy(QStringLiteral(TABLE_PROGRAM_DIR) + "/" + name, m_dir.filePath(name)))
          << name;
    }
    QFile::setPermissions(m_dir.filePath("Table"),
                          QFile::permissions(m_dir.filePath("Table")) | QFileDevice::ExeOwner);
  }
  QString file(const char* name) const { return m_dir.filePath(name); }

  // Starts the program and waits until its event loop runs.
  void start(QProcess& program) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TABLE_STARTUP_TRACE", "1");
    env.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
    env.insert("XDG_DATA_HOME", m_dir.filePath("data"));
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(m_dir.path());
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(m_dir.filePath("Table"), {});
    ASSERT_TRUE(program.waitForStarted(20000));
    QByteArray err;
    while (!err.contains("event loop running")) {
      ASSERT_TRUE(program.waitForReadyRead(60000)) << err.toStdString();
      err += program.readAll();
    }
  }

 private:
  QTemporaryDir m_dir;
};

// Ended by a signal, the program saves its settings and ends with status 0; a first start
// makes no settings file until it writes one.
TEST(QuitBySignal, TheProgramEndsNormallyAndLeavesFullSettingsFiles) {
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
    SCOPED_TRACE(signal);
    ProgramCopy copy;
    QProcess program;
    copy.start(program);
    EXPECT_FALSE(QFile::exists(copy.file("Table.ini")));
    EXPECT_FALSE(QFile::exists(copy.file("Table.cfg")));
    ASSERT_EQ(::kill(static_cast<pid_t>(program.processId()), signal), 0);
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAll().toStdString();
    EXPECT_EQ(QFileInfo(copy.file("Table.ini")).size(), 166);
    EXPECT_EQ(QFileInfo(copy.file("Table.cfg")).size(), 34);
  }
}

}  // namespace
