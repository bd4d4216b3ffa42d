#include <QCoreApplication>
#include <QDir>

#include "app/program_info.h"
#include "app/shell/main_window/frm_table_viewer.h"
#include "app/shell/services/error_text.h"
#include "data/data_error.h"

namespace table {

QString frmTableViewer::DataFileProblem(const vexel::Error& error) const {
  return FileProblem("Не удалось открыть файл данных элементов", m_halden->ElementsDataFile(),
                     error.number);
}

void frmTableViewer::openDataFile() {
  const QString own = m_halden->ElementsDataFile();
  try {
    m_dataFile.Open(own.toStdString());
    return;
  } catch (const periodic::DataError& e) {
    if (m_dataProblem.isEmpty())
      m_dataProblem = FileProblem("Не удалось открыть файл данных элементов", own, e.code());
  }
  // The control's own file cannot be read: the program keeps one of its own in Data, and the
  // control draws from it as well.
  const QString dataDir = QCoreApplication::applicationDirPath() + "/Data/";
  QDir().mkpath(dataDir);
  QString path = dataDir;
  const vexel::Error made = m_halden->CreateElementsDataFile(path);
  const QString fallback = dataDir + "Elements.dat";
  try {
    m_dataFile.Open(fallback.toStdString());
    m_dataProblem +=
        QString(" Таблица строится по встроенным данным из файла \"%1\".").arg(fallback);
  } catch (const periodic::DataError& e) {
    // The window opens without a data file.
    m_dataProblem += " " + FileProblem("Не удалось создать запасной файл данных", fallback,
                                       made.failed() ? made.number : e.code());
  }
}

void frmTableViewer::tableDrawn(const vexel::Error& error) {
  QString text = m_dataProblem;
  if (error.failed()) {
    const QString file = m_dataFile.IsOpen() ? QString::fromStdString(m_dataFile.Path())
                                             : m_halden->ElementsDataFile();
    if (!text.isEmpty()) text += " ";
    text +=
        FileProblem("Таблицу не удалось нарисовать по файлу данных элементов", file, error.number);
  }
  if (text.isEmpty() || m_dataProblemReported) return;
  m_dataProblemReported = true;
  m_prompts->warning(this, ProgramTitle(), text);
}

}  // namespace table
