// The start's second thread: whatever lies where the control library should be, it ends.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/shell/start/startup_warmup.h"

namespace table {
namespace {

TEST(StartupWarmup, EndsWhateverLiesInPlaceOfTheControlLibrary) {
  const struct {
    const char* what;
    void (*make)(const QString& file);
  } cases[] = {
      {"nothing", [](const QString&) {}},
      // Opening a pipe would wait for a writer that never comes.
      {"a pipe", [](const QString& file) { ::mkfifo(QFile::encodeName(file).constData(), 0644); }},
      {"a folder", [](const QString& file) { QDir().mkdir(file); }},
      {"a link loop", [](const QString& file) { QFile::link(file, file); }},
      {"garbage",
       [](const QString& file) {
         QFile out(file);
         ASSERT_TRUE(out.open(QIODevice::WriteOnly));
         out.write("not a library");
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    c.make(folder.filePath("libVexel.so"));
    { const StartupWarmup warmup(folder.path().toStdString()); }
  }
}

}  // namespace
}  // namespace table
