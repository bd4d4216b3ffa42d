#include "app/shell/settings/config_location.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace table {
namespace {

class ConfigLocationTest : public ::testing::Test {
 protected:
  void SetUp() override { QStandardPaths::setTestModeEnabled(true); }
  void TearDown() override {
    SetConfigDirectoryForTests(QString());
    QStandardPaths::setTestModeEnabled(false);
  }
};

TEST_F(ConfigLocationTest, WritableProgramFolderHoldsTheFiles) {
  const QString program = QCoreApplication::applicationDirPath();
  const QStringList before = QDir(program).entryList(QDir::AllEntries | QDir::Hidden);
  EXPECT_EQ(ConfigDirectory(), program);
  EXPECT_EQ(TableIniPath(), program + "/Table.ini");
  EXPECT_EQ(TableCfgPath(), program + "/Table.cfg");
  // The check for writability leaves nothing behind.
  EXPECT_EQ(QDir(program).entryList(QDir::AllEntries | QDir::Hidden), before);
}

TEST_F(ConfigLocationTest, UnusableProgramFolderFallsBackToTheUserConfiguration) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  // A folder under a plain file can never be created, not even by root.
  QFile blocker(dir.filePath("file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const QString expected = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  // An installed program's folder is the package's, also where root could write into it.
  for (const QString& program :
       {dir.filePath("file/sub"), dir.filePath("missing"), QString(), QString("/usr/lib"),
        QString("/opt/../usr/lib/"), QString("/opt")}) {
    SCOPED_TRACE(program.toStdString());
    const QString chosen = ChooseConfigDirectory(program);
    EXPECT_EQ(chosen, expected);
    EXPECT_TRUE(QDir(chosen).exists());
  }
  EXPECT_EQ(ChooseConfigDirectory(dir.path()), dir.path());
}

TEST_F(ConfigLocationTest, OverrideMovesBothFilesAndCanBeUndone) {
  SetConfigDirectoryForTests("/tmp/elsewhere");
  EXPECT_EQ(ConfigDirectory(), "/tmp/elsewhere");
  EXPECT_EQ(TableIniPath(), "/tmp/elsewhere/Table.ini");
  EXPECT_EQ(TableCfgPath(), "/tmp/elsewhere/Table.cfg");
  SetConfigDirectoryForTests(QString());
  EXPECT_EQ(ConfigDirectory(), QCoreApplication::applicationDirPath());
}

}  // namespace
}  // namespace table
