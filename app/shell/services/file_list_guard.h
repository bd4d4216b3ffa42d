#pragma once

#include <QFileIconProvider>
#include <QObject>

class QWidget;

namespace table {

// Icons and type names for a file list that never read a file: a folder is a folder, a file's
// type follows its name's extension alone. Qt's own provider looks up a file's icon by its MIME
// type, which it guesses from the file's first bytes where the name does not tell; the file list
// asks for it on the interface thread for every path it is given (the folder browsed into, the
// name typed), and reading /proc/kmsg waits for ever for the next kernel message.
class ContentBlindIconProvider : public QFileIconProvider {
 public:
  using QFileIconProvider::icon;
  QIcon icon(const QFileInfo& info) const override;
  QString type(const QFileInfo& info) const override;
};

// The one provider the program's file lists share; it lives until the program ends.
ContentBlindIconProvider& SharedContentBlindIcons();

// Gives every file list inside `window` (a file dialog's, the print dialog's file-name
// completer's) the provider above.
void KeepFileListsFromReadingFiles(QWidget* window);

// Does that for every window the program shows: installed on the application, it sees the file
// dialogs that Qt opens itself, such as the print dialog's "..." button.
class FileListGuard : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace table
