#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace table {

// What the save dialog starts with.
struct SaveFileRequest {
  QString title;
  // The name the name field shows at first (a pattern such as "*.bmp" is allowed).
  QString initialName;
  // Appended with a dot to a name typed without an extension; empty: none.
  QString defaultExtension;
  // Qt name filters in the order shown, e.g. "Точечные рисунки Bitmap (*.bmp)"; the first one
  // is selected at first.
  QStringList filters;
};

// What the user chose: the file name, and the index in SaveFileRequest::filters of the filter
// that was selected when the dialog closed.
struct SaveFileChoice {
  QString fileName;
  int filter = 0;
};

// The save-file dialog. The program shows the real dialog; tests answer it.
class SaveFileDialog {
 public:
  virtual ~SaveFileDialog() = default;
  // The chosen file, or nothing when the user cancelled.
  virtual std::optional<SaveFileChoice> chooseSaveFile(QWidget* parent,
                                                       const SaveFileRequest& request) = 0;
};

// The real dialog.
class QtSaveFileDialog : public SaveFileDialog {
 public:
  std::optional<SaveFileChoice> chooseSaveFile(QWidget* parent,
                                               const SaveFileRequest& request) override;
};

// The Qt name filters for a filter in the common-dialog form "description|pattern|..."
// ("Точечные рисунки Bitmap (*.bmp)|*.bmp" gives "Точечные рисунки Bitmap (*.bmp)"). A
// description that does not already show its pattern in brackets gets it appended; patterns
// separated by ";" are shown separated by blanks, as Qt expects.
QStringList NameFiltersFrom(const QString& commonDialogFilter);

// The extension of a Qt name filter's first pattern ("Рисунки PNG (*.png)" gives "png"); empty
// when its first pattern names no single extension.
QString FilterExtension(const QString& nameFilter);

}  // namespace table
