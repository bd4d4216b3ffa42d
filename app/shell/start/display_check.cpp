#include "app/shell/start/display_check.h"

#include <QList>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace table {
namespace {

QtMessageHandler g_previousHandler = nullptr;
const char* g_noDisplayMessage = nullptr;

// Qt's warnings from the same start, held back: without a display they would only bury the one
// line that says what to do; with one they are passed on when the guard lifts.
struct HeldMessage {
  QtMsgType type;
  QString text;
};
QList<HeldMessage> g_held;

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

void FatalAsNoDisplay(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", g_noDisplayMessage);
    std::fflush(stderr);
    std::_Exit(1);
  }
  g_held.append({type, text});
}

}  // namespace

const char* const kNoDisplayMessage =
    "Table: нужен графический дисплей (переменная DISPLAY или WAYLAND_DISPLAY); "
    "без него программу можно запустить так: xvfb-run Table";

bool DisplayNamed() {
  return Set("QT_QPA_PLATFORM") || Set("DISPLAY") || Set("WAYLAND_DISPLAY");
}

NoDisplayGuard::NoDisplayGuard(const char* message) {
  g_noDisplayMessage = message;
  g_previousHandler = qInstallMessageHandler(FatalAsNoDisplay);
}

NoDisplayGuard::~NoDisplayGuard() {
  qInstallMessageHandler(g_previousHandler);
  g_previousHandler = nullptr;
  for (const HeldMessage& message : std::exchange(g_held, {})) {
    const QMessageLogContext context;
    qt_message_output(message.type, context, message.text);
  }
}

}  // namespace table
