#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <vector>

#include "x_display.h"

namespace desktop {

// A desktop of its own for one test: an X server (Xvfb) on a display number it finds free, the
// openbox window manager, and the program started from a copy of its folder (its settings
// files start afresh and stay out of the build), with a home folder of its own. Everything it
// starts is stopped when it goes, and also when the test program dies.
class DesktopSession {
 public:
  // `prepare` may change the copy of the program's folder before the program starts.
  explicit DesktopSession(QSize screen = QSize(1280, 1024),
                          const std::function<void(const QString& folder)>& prepare = {});
  ~DesktopSession();
  DesktopSession(const DesktopSession&) = delete;
  DesktopSession& operator=(const DesktopSession&) = delete;

  // Empty when the desktop and the program's main window are up; otherwise what failed.
  const QString& error() const { return m_error; }
  XDisplay& x() { return *m_x; }
  WindowId mainWindow() const { return m_main; }
  QProcess& program() { return *m_program; }
  QString programFolder() const;
  // The program's card windows on the screen (every managed window but the main one whose
  // title names an element: "Fe - Железо").
  std::vector<WindowId> cards() const;
  // The first managed window whose title is `title`, or 0.
  WindowId windowTitled(const QString& title) const;

  // Input as a user gives it, through the X test extension (xdotool).
  void xdotool(const QStringList& arguments);
  void click(QPoint point, int count = 1);
  void key(const QString& keys);
  void type(const QString& text);

  // The whole screen as it is now.
  QImage grab();
  // Writes a picture of the whole screen into the build's desktop-artefacts folder, where it
  // outlives the test, and returns its path.
  QString screenshot(const QString& name);
  static QString artefact(const QString& name);

 private:
  bool startServer(QSize screen);
  bool startWindowManager();
  bool startProgram(const std::function<void(const QString& folder)>& prepare);
  QProcess& process(const QString& program, const QStringList& arguments);
  bool writeScreen(const QString& path);
  void stopAll();

  QTemporaryDir m_home;
  QString m_display;
  std::vector<std::unique_ptr<QProcess>> m_processes;
  QProcess* m_program = nullptr;
  std::unique_ptr<XDisplay> m_x;
  WindowId m_main = 0;
  QString m_error;
};

}  // namespace desktop
