#include "desktop_session.h"

#include <signal.h>
#include <sys/prctl.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <filesystem>

namespace desktop {

namespace {

constexpr int kStartWaitMs = 10000;

const QRegularExpression& CardTitle() {
  static const QRegularExpression pattern(QStringLiteral("^[A-Z][a-z]? - \\S"));
  return pattern;
}

// The program's folder as the build left it: the program, the control library and the data.
bool CopyProgramFolder(const QString& to) {
  const QDir from(QStringLiteral(TABLE_PROGRAM_DIR));
  for (const char* name : {"Table", "libVexel.so", "Elements.dat"}) {
    const QString source = from.filePath(QLatin1String(name));
    const QString target = QDir(to).filePath(QLatin1String(name));
    std::error_code error;
    // A hard link is quick and keeps the copy's path as the program's own.
    std::filesystem::create_hard_link(source.toStdString(), target.toStdString(), error);
    if (error && !QFile::copy(source, target)) return false;
  }
  // The data file is the program's to write; it is never shared with the build.
  QFile::remove(QDir(to).filePath(QStringLiteral("Elements.dat")));
  return QFile::copy(from.filePath(QStringLiteral("Elements.dat")),
                     QDir(to).filePath(QStringLiteral("Elements.dat")));
}

// Where each thread of a process waits in the kernel, for a program that hangs.
QString ThreadWaits(qint64 process) {
  QString waits;
  const QDir tasks(QStringLiteral("/proc/%1/task").arg(process));
  for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile name(tasks.filePath(task + QStringLiteral("/comm")));
    QFile wait(tasks.filePath(task + QStringLiteral("/wchan")));
    if (name.open(QIODevice::ReadOnly) && wait.open(QIODevice::ReadOnly))
      waits += QStringLiteral(" %1:%2").arg(QString::fromLatin1(name.readAll().trimmed()),
                                            QString::fromLatin1(wait.readAll()));
  }
  return waits;
}

}  // namespace

DesktopSession::DesktopSession(QSize screen,
                               const std::function<void(const QString& folder)>& prepare) {
  if (!m_home.isValid()) {
    m_error = QStringLiteral("no temporary folder");
  } else if (!startServer(screen)) {
    m_error = QStringLiteral("Xvfb did not start");
  } else if (!startWindowManager()) {
    m_error = QStringLiteral("openbox did not start");
  } else if (!startProgram(prepare)) {
    m_error = QStringLiteral("the program's main window did not appear; windows:");
    for (WindowId window : m_x->clientList())
      m_error += QStringLiteral(" \"%1\"").arg(m_x->title(window));
    const QProcess& program = *m_processes.back();
    if (program.state() == QProcess::NotRunning)
      m_error += QStringLiteral("; the program ended with status %1").arg(program.exitCode());
    else
      m_error += QStringLiteral("; its threads wait in:") + ThreadWaits(program.processId());
  }
}

DesktopSession::~DesktopSession() {
  stopAll();
}

QProcess& DesktopSession::process(const QString& program, const QStringList& arguments) {
  auto started = std::make_unique<QProcess>();
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("HOME"), m_home.path());
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral(".config")));
  environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_home.filePath(QStringLiteral(".cache")));
  environment.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral(".local")));
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  if (!m_display.isEmpty()) environment.insert(QStringLiteral("DISPLAY"), m_display);
  started->setProcessEnvironment(environment);
  started->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  // Whatever happens to the test, nothing it started outlives it.
  started->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
  started->start(program, arguments);
  m_processes.push_back(std::move(started));
  return *m_processes.back();
}

bool DesktopSession::startServer(QSize screen) {
  // The server picks a free display number itself and writes it on its standard output.
  QProcess& server = process(
      QStringLiteral("Xvfb"),
      {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
       QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
       QStringLiteral("-nolisten"), QStringLiteral("tcp")});
  if (!server.waitForStarted(kStartWaitMs)) return false;
  QByteArray number;
  while (!number.contains('\n') && server.waitForReadyRead(kStartWaitMs))
    number += server.readAllStandardOutput();
  if (!number.contains('\n')) return false;
  m_display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
  m_x = std::make_unique<XDisplay>(m_display);
  return m_x->connected();
}

bool DesktopSession::startWindowManager() {
  QProcess& manager = process(QStringLiteral("openbox"), {});
  if (!manager.waitForStarted(kStartWaitMs)) return false;
  return WaitUntil([this] { return m_x->windowManagerRuns(); });
}

QString DesktopSession::programFolder() const {
  return m_home.filePath(QStringLiteral("program"));
}

bool DesktopSession::startProgram(const std::function<void(const QString& folder)>& prepare) {
  const QString folder = programFolder();
  if (!QDir().mkpath(folder) || !CopyProgramFolder(folder)) return false;
  if (prepare) prepare(folder);
  QProcess& program = process(QDir(folder).filePath(QStringLiteral("Table")), {});
  m_program = &program;
  if (!program.waitForStarted(kStartWaitMs)) return false;
  const QString title = QStringLiteral("Периодическая система химических элементов");
  // A loaded machine (a parallel build) slows the start down many times.
  return WaitUntil(
      [&] {
        m_main = windowTitled(title);
        return m_main != 0 && !m_x->frame(m_main).isEmpty();
      },
      30);
}

void DesktopSession::stopAll() {
  // The program first, the server last.
  for (auto it = m_processes.rbegin(); it != m_processes.rend(); ++it) {
    QProcess& started = **it;
    if (started.state() == QProcess::NotRunning) continue;
    started.terminate();
    if (!started.waitForFinished(3000)) {
      started.kill();
      started.waitForFinished(3000);
    }
  }
  m_x.reset();
  m_program = nullptr;
  m_processes.clear();
}

std::vector<WindowId> DesktopSession::cards() const {
  std::vector<WindowId> found;
  for (WindowId window : m_x->clientList()) {
    if (window != m_main && CardTitle().match(m_x->title(window)).hasMatch())
      found.push_back(window);
  }
  return found;
}

WindowId DesktopSession::windowTitled(const QString& title) const {
  for (WindowId window : m_x->clientList()) {
    if (m_x->title(window) == title) return window;
  }
  return 0;
}

void DesktopSession::xdotool(const QStringList& arguments) {
  QProcess& tool = process(QStringLiteral("xdotool"), arguments);
  tool.waitForFinished(kStartWaitMs);
}

void DesktopSession::click(QPoint point, int count) {
  xdotool({QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()),
           QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(count),
           QStringLiteral("--delay"), QStringLiteral("60"), QStringLiteral("1")});
}

void DesktopSession::key(const QString& keys) {
  xdotool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40"), keys});
}

void DesktopSession::type(const QString& text) {
  xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("60"), text});
}

QString DesktopSession::artefact(const QString& name) {
  return QDir(QStringLiteral(DESKTOP_ARTEFACTS_DIR)).filePath(name + QStringLiteral(".png"));
}

bool DesktopSession::writeScreen(const QString& path) {
  QProcess& grab =
      process(QStringLiteral("import"), {QStringLiteral("-display"), m_display,
                                         QStringLiteral("-window"), QStringLiteral("root"), path});
  return grab.waitForFinished(kStartWaitMs) && grab.exitCode() == 0;
}

QImage DesktopSession::grab() {
  const QString path = m_home.filePath(QStringLiteral("screen.png"));
  return writeScreen(path) ? QImage(path) : QImage();
}

QString DesktopSession::screenshot(const QString& name) {
  QDir().mkpath(QStringLiteral(DESKTOP_ARTEFACTS_DIR));
  const QString path = artefact(name);
  writeScreen(path);
  return path;
}

}  // namespace desktop
