#include "app/shell/services/control_loader.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "app/shell/services/error_text.h"
#include "app/shell/services/library_file_text.h"
#include "platform/shared_library_check.h"

namespace table {

ControlLoader::ControlLoader(const QString& folder) {
  const QString dir = folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
  m_file = QFileInfo(QDir(dir).filePath(kControlLibraryFileName)).absoluteFilePath();
}

std::unique_ptr<vexel::VexelControl> ControlLoader::create(QWidget* parent) {
  const QString file = QDir::toNativeSeparators(m_file);
  struct stat info {};
  if (::stat(QFile::encodeName(m_file).constData(), &info) != 0) {
    const int code = errno;
    m_errorText = code == ENOENT
                      ? QString("Не найдена библиотека таблицы \"%1\".").arg(file)
                      : FileProblem("Не удалось загрузить библиотеку таблицы", file, code);
    return nullptr;
  }
  const QString notALibrary =
      QStringLiteral("файл повреждён или не является библиотекой таблицы для этой программы");
  // A truncated library would end the program with SIGBUS inside the loader.
  const periodic::LibraryFileCheck check =
      periodic::CheckSharedLibraryFile(QFile::encodeName(m_file).toStdString());
  if (!check.ok()) {
    m_errorText = QString("Не удалось загрузить библиотеку таблицы \"%1\": %2.")
                      .arg(file, LibraryFileCause(check, notALibrary));
    return nullptr;
  }
  m_loader.setFileName(m_file);
  QObject* instance = m_loader.instance();
  auto* library = qobject_cast<vexel::VexelLibrary*>(instance);
  if (!library) {
    // Qt's own reasons are in English and name its internals; the user gets what they mean.
    const QString reason =
        instance ? QStringLiteral("в ней нет элемента управления таблицы") : notALibrary;
    m_errorText = QString("Не удалось загрузить библиотеку таблицы \"%1\": %2.").arg(file, reason);
    return nullptr;
  }
  auto control =
      library->CreateControl(QString::fromLatin1(vexel::kProgId), parent, &m_creationError);
  if (!control) {
    m_errorText =
        QString(
            "Не удалось создать таблицу из библиотеки \"%1\": в ней нет элемента управления "
            "таблицы.")
            .arg(file);
  }
  return control;
}

}  // namespace table
