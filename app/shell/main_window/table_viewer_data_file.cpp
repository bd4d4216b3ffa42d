#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>

#include "app/program_info.h"
#include "app/shell/main_window/frm_table_viewer.h"
#include "app/shell/services/error_text.h"
#include "app/shell/settings/config_location.h"
#include "data/data_error.h"

namespace table {
namespace {

QString Shown(const QString& path) {
  return QDir::toNativeSeparators(QDir::cleanPath(path));
}

QString CannotOpen(const QString& path, int code) {
  return QString("Не удалось открыть файл данных элементов \"%1\": %2.")
      .arg(Shown(path), RussianCause(code));
}

}  // namespace

QString frmTableViewer::DataFileProblem(const vexel::Error& error) const {
  return CannotOpen(m_halden->ElementsDataFile(), error.number);
}

QStringList frmTableViewer::dataFallbackFolders() const {
  const QString program = m_setup.programDataFolder.isEmpty()
                              ? QCoreApplication::applicationDirPath() + "/Data/"
                              : m_setup.programDataFolder;
  if (!m_setup.userDataFolder.isEmpty()) return {program, m_setup.userDataFolder};
  // An installed program's folder is the package's, even for root.
  QStringList folders;
  if (!IsSystemFolder(program)) folders << program;
  // Without a home folder there is no user's data folder, and the file is not made anywhere
  // else (an empty location would name the root folder).
  const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (!user.isEmpty()) folders << user + "/";
  return folders;
}

void frmTableViewer::openDataFile() {
  const QString own = m_halden->ElementsDataFile();
  bool ownMissing = false;
  try {
    m_dataFile.Open(own.toStdString());
    noteDamagedDataFile();
    return;
  } catch (const periodic::DataError& e) {
    // The program's own open names the cause the user can act on ("файл не найден"), which
    // the control's failed creation of the file does not.
    m_dataProblem = CannotOpen(own, e.code());
    ownMissing = e.code() == ENOENT;
  }
  // The control's own file cannot be read: the program makes one of its own from the built-in
  // records, in Data beside the program where it may write there, otherwise in the user's data
  // folder, and the control draws from it as well.
  QStringList failures;
  for (const QString& folder : dataFallbackFolders()) {
    const QString file = folder + periodic::kElementsFileName;
    if (!QDir().mkpath(folder)) {
      failures << QString("папку \"%1\" создать нельзя").arg(Shown(folder));
      continue;
    }
    const QFileInfo before(file);
    const bool madeEarlier = before.isFile() && before.size() > 0;
    QString path = folder;
    const vexel::Error made = m_halden->CreateElementsDataFile(path);
    try {
      m_dataFile.Open(file.toStdString());
    } catch (const periodic::DataError& e) {
      failures << QString("файл \"%1\" создать нельзя: %2")
                      .arg(Shown(file), RussianCause(made.failed() ? made.number : e.code()));
      continue;
    }
    // A program folder without the file, as a read-only installation may be, is said once:
    // when the replacement is made; later starts use it without a word.
    if (ownMissing && madeEarlier) {
      m_dataProblem.clear();
    } else {
      m_dataProblem += QString(" Таблица строится по встроенным данным, записанным в файл \"%1\".")
                           .arg(Shown(file));
    }
    noteDamagedDataFile();
    return;
  }
  // The window opens without a data file.
  m_dataProblem += " Запасной файл данных не создан: " + failures.join("; ") + ".";
}

void frmTableViewer::noteDamagedDataFile() {
  const int record = m_dataFile.FirstMisplacedRecord();
  if (record == 0) return;
  if (!m_dataProblem.isEmpty()) m_dataProblem += " ";
  m_dataProblem +=
      QString(
          "Файл данных элементов \"%1\" повреждён: запись %2 не содержит данных элемента %2. "
          "Таблица и карточки строятся по встроенным данным; файл не изменён.")
          .arg(Shown(QString::fromStdString(m_dataFile.Path())))
          .arg(record);
}

void frmTableViewer::tableDrawn(const vexel::Error& error) {
  QString text = m_dataProblem;
  if (error.failed()) {
    const QString file = m_dataFile.IsOpen() ? QString::fromStdString(m_dataFile.Path())
                                             : m_halden->ElementsDataFile();
    if (!text.isEmpty()) text += " ";
    text += QString("Таблицу не удалось нарисовать по файлу данных элементов \"%1\": %2.")
                .arg(Shown(file), RussianCause(error.number));
  }
  if (text.isEmpty() || m_dataProblemReported) return;
  m_dataProblemReported = true;
  m_prompts->warning(this, ProgramTitle(), text);
}

}  // namespace table
