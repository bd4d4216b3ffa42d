#include <gtest/gtest.h>

#include <QProcess>

namespace {

struct NoDisplayCase {
  const char* name;
  const char* display;  // nullptr: not set at all
};

// Started where there is no display to show windows on, the program says so in one line and ends
// with status 1, whether no display is named or the named one does not answer.
TEST(Start, WithoutADisplaySaysSoInOneLine) {
  const NoDisplayCase cases[] = {{"unset", nullptr}, {"unreachable", ":93"}};
  for (const NoDisplayCase& c : cases) {
    SCOPED_TRACE(c.name);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(name);
    if (c.display) env.insert("DISPLAY", c.display);
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(TABLE_PROGRAM), {});
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    const QString error = QString::fromUtf8(program.readAllStandardError()).trimmed();
    EXPECT_EQ(error.count('\n'), 0) << error.toStdString();
    EXPECT_TRUE(error.contains("xvfb-run")) << error.toStdString();
  }
}

}  // namespace
