#include "app/shell/services/file_list_guard.h"

#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QMimeDatabase>
#include <QWidget>

namespace table {

QIcon ContentBlindIconProvider::icon(const QFileInfo& info) const {
  return QFileIconProvider::icon(info.isDir() ? Folder : File);
}

QString ContentBlindIconProvider::type(const QFileInfo& info) const {
  if (info.isDir()) return QStringLiteral("Папка");
  if (info.exists() && !info.isFile()) return QStringLiteral("Особый файл");
  const QMimeType byName =
      QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
  if (byName.isDefault()) return QStringLiteral("Файл");
  return byName.comment().isEmpty() ? byName.name() : byName.comment();
}

ContentBlindIconProvider& SharedContentBlindIcons() {
  // Never destroyed: a file list's worker thread may still ask it while the program ends.
  static auto* provider = new ContentBlindIconProvider;
  return *provider;
}

void KeepFileListsFromReadingFiles(QWidget* window) {
  if (auto* dialog = qobject_cast<QFileDialog*>(window))
    dialog->setIconProvider(&SharedContentBlindIcons());
  for (QFileSystemModel* model : window->findChildren<QFileSystemModel*>()) {
    if (model->iconProvider() != &SharedContentBlindIcons())
      model->setIconProvider(&SharedContentBlindIcons());
  }
}

bool FileListGuard::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->isWindow()) KeepFileListsFromReadingFiles(widget);
  }
  return false;
}

}  // namespace table
