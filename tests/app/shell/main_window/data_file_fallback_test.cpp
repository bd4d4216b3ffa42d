#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>

#include "app/main_window_host.h"
#include "data/builtin_records.h"
#include "file_size_limit.h"

namespace {

QByteArray BuiltinBytes() {
  const auto& bytes = periodic::BuiltinRecordBytes();
  return {reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString StatusText(const MainWindowHost& host) {
  return host.window->findChild<QLabel*>("sbrProgramStatus_Text")->text();
}

// A program folder of its own: the control library, and Elements.dat as the case makes it.
// Where the program may make its own data file is given: a folder that cannot be made (it
// would lie under a regular file, which stops root as well as anyone) or one that can.
class ProgramFolder {
 public:
  ProgramFolder() {
    EXPECT_TRUE(QFile::copy(QStringLiteral(VEXEL_LIBRARY_DIR) + "/libVexel.so",
                            m_library.filePath("libVexel.so")));
    WriteFile(m_other.filePath("a-file"), "not a folder");
  }
  QString library() const { return m_library.path(); }
  QString ownDataFile() const { return m_library.filePath("Elements.dat"); }
  QString unmakeableFolder() const { return m_other.filePath("a-file/Data/"); }
  QString userFolder() const { return m_other.filePath("home/.local/share/Table/"); }

  // The main window over this folder, with the program's Data and the user's folder given.
  std::unique_ptr<MainWindowHost> start(const QString& programData, const QString& userData) {
    auto host = std::make_unique<MainWindowHost>(m_other.filePath("config"), library(),
                                                 [&](table::MainWindowSetup& setup) {
                                                   setup.programDataFolder = programData;
                                                   setup.userDataFolder = userData;
                                                 });
    host->show();
    return host;
  }

 private:
  QTemporaryDir m_library;
  QTemporaryDir m_other;
};

// Removes the paths from a message: what is left must be Russian only.
QString WithoutPaths(QString text, QStringList paths) {
  // The longest first, so that a folder's path does not break the path of a file inside it.
  std::sort(paths.begin(), paths.end(),
            [](const QString& a, const QString& b) { return a.size() > b.size(); });
  for (const QString& path : paths) text.remove(QDir::cleanPath(path));
  return text;
}

// A data file of the right size that holds no records in their places is named once, with its
// first misplaced record; the table, the cards and the find field draw from the built-in
// records, and the file is not touched.
TEST(DataFile, DamagedFileIsReportedOnceAndTheBuiltinRecordsAreDrawn) {
  QByteArray middle = BuiltinBytes();
  middle[56 * 180 + 2] = 0;
  QByteArray garbage(19800, '\0');
  quint32 state = 7;
  for (char& c : garbage) {
    state = state * 1664525u + 1013904223u;
    c = static_cast<char>(state >> 24);
  }
  const struct {
    const char* name;
    QByteArray bytes;
    int record;
  } cases[] = {
      {"zeros", QByteArray(19800, '\0'), 1},
      {"0xFF", QByteArray(19800, '\xFF'), 1},
      {"garbage", garbage, 1},
      {"one bad record in the middle", middle, 57},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramFolder folder;
    WriteFile(folder.ownDataFile(), c.bytes);
    auto host = folder.start(folder.unmakeableFolder(), folder.userFolder());
    ASSERT_TRUE(host->window->hasControl());
    ASSERT_EQ(host->prompts.messages.size(), 1);
    const QString message = host->prompts.messages.first();
    EXPECT_TRUE(message.contains("\"" + folder.ownDataFile() + "\" повреждён"))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QString("запись %1 ").arg(c.record))) << message.toStdString();
    EXPECT_FALSE(
        WithoutPaths(message, {folder.ownDataFile()}).contains(QRegularExpression("[A-Za-z]")))
        << message.toStdString();
    EXPECT_EQ(StatusText(*host), "Готово");
    EXPECT_FALSE(host->window->Halden()->Refresh().failed());
    EXPECT_EQ(periodic::TrimRight(host->window->dataFile().ReadElementRecord(26).Symbol), "Fe");
    EXPECT_EQ(host->window->dataFile().ReadElementRecord(57), periodic::BuiltinRecords()[56]);
    host->window->resize(500, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(host->prompts.messages.size(), 1);
    host->window->close();
    EXPECT_EQ(ReadFile(folder.ownDataFile()), c.bytes);
    EXPECT_FALSE(QFile::exists(folder.userFolder()));
  }
}

// A program folder whose Elements.dat cannot be read: the program makes the file from its
// built-in records in the user's data folder, when its own Data folder cannot be made, and says
// where it is.
TEST(DataFile, UnreadableFileFallsBackToTheUserDataFolder) {
  ProgramFolder folder;
  ASSERT_TRUE(QDir().mkdir(folder.ownDataFile()));
  const QString userFile = folder.userFolder() + "Elements.dat";
  for (int start = 1; start <= 2; ++start) {
    SCOPED_TRACE(start);
    auto host = folder.start(folder.unmakeableFolder(), folder.userFolder());
    ASSERT_EQ(host->prompts.messages.size(), 1);
    const QString message = host->prompts.messages.first();
    EXPECT_TRUE(
        message.contains("\"" + folder.ownDataFile() + "\": на этом месте папка, а не файл"))
        << message.toStdString();
    EXPECT_TRUE(message.contains("\"" + QDir::cleanPath(userFile) + "\"")) << message.toStdString();
    EXPECT_FALSE(WithoutPaths(message, {folder.ownDataFile(), userFile})
                     .contains(QRegularExpression("[A-Za-z]")))
        << message.toStdString();
    EXPECT_EQ(StatusText(*host), "Готово");
    EXPECT_EQ(QString::fromStdString(host->window->dataFile().Path()), userFile);
    EXPECT_FALSE(host->window->Halden()->Refresh().failed());
    EXPECT_EQ(ReadFile(userFile), BuiltinBytes());
  }
}

// Where the program folder takes no file (an installation owned by root, to a user), a missing
// Elements.dat is made in the user's data folder once, and said once: at later starts the file
// made there is used without a word. Nothing may be written here, as the size limit makes it,
// which stops root too.
TEST(DataFile, FileMadeEarlierInTheUserDataFolderIsUsedSilently) {
  ProgramFolder folder;
  ASSERT_TRUE(QDir().mkpath(folder.userFolder()));
  const QString userFile = folder.userFolder() + "Elements.dat";
  WriteFile(userFile, BuiltinBytes());
  std::unique_ptr<MainWindowHost> host;
  {
    const FileSizeLimit nothingWritten(100);
    host = folder.start(folder.unmakeableFolder(), folder.userFolder());
  }
  EXPECT_FALSE(QFile::exists(folder.ownDataFile()));
  EXPECT_TRUE(host->prompts.messages.isEmpty()) << host->prompts.messages.join('\n').toStdString();
  EXPECT_EQ(QString::fromStdString(host->window->dataFile().Path()), userFile);
  EXPECT_EQ(StatusText(*host), "Готово");
  EXPECT_FALSE(host->window->Halden()->Refresh().failed());
}

// Where no data file can be made at all, the message names the missing file and each reason in
// Russian, with no raw error number, and the status bar shows the failure.
TEST(DataFile, NoFileAnywhereIsSaidInRussian) {
  ProgramFolder folder;
  const QString alsoUnmakeable = folder.unmakeableFolder() + "user/";
  std::unique_ptr<MainWindowHost> host;
  {
    const FileSizeLimit nothingWritten(100);
    host = folder.start(folder.unmakeableFolder(), alsoUnmakeable);
  }
  ASSERT_EQ(host->prompts.messages.size(), 1);
  const QString message = host->prompts.messages.first();
  EXPECT_TRUE(message.contains("\"" + folder.ownDataFile() + "\": файл не найден"))
      << message.toStdString();
  EXPECT_TRUE(message.contains("файл данных не открыт")) << message.toStdString();
  EXPECT_FALSE(message.contains("ошибка")) << message.toStdString();
  EXPECT_FALSE(
      WithoutPaths(message, {folder.ownDataFile(), folder.unmakeableFolder(), alsoUnmakeable})
          .contains(QRegularExpression("[A-Za-z0-9]")))
      << message.toStdString();
  EXPECT_EQ(StatusText(*host), "Ошибка");
}

}  // namespace
