#include "app/shell/control_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace table {

namespace {
constexpr const char* kLibraryFileName = "libVexel.so";
}

ControlLoader::ControlLoader(const QString& folder) {
  const QString dir = folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
  m_file = QFileInfo(QDir(dir).filePath(kLibraryFileName)).absoluteFilePath();
}

std::unique_ptr<vexel::VexelControl> ControlLoader::create(QWidget* parent) {
  const QString file = QDir::toNativeSeparators(m_file);
  if (!QFileInfo::exists(m_file)) {
    m_errorText = QString("Не найдена библиотека таблицы \"%1\".").arg(file);
    return nullptr;
  }
  m_loader.setFileName(m_file);
  QObject* instance = m_loader.instance();
  auto* library = qobject_cast<vexel::VexelLibrary*>(instance);
  if (!library) {
    const QString reason = instance
                               ? QStringLiteral("the library does not provide the table control")
                               : m_loader.errorString();
    m_errorText = QString("Не удалось загрузить библиотеку таблицы \"%1\": %2").arg(file, reason);
    return nullptr;
  }
  auto control =
      library->CreateControl(QString::fromLatin1(vexel::kProgId), parent, &m_creationError);
  if (!control) {
    m_errorText = QString("Не удалось создать таблицу из библиотеки \"%1\": %2")
                      .arg(file, m_creationError.description);
  }
  return control;
}

}  // namespace table
