#include "app/shell/save_file_dialog.h"

#include <QFileDialog>

namespace table {

std::optional<SaveFileChoice> QtSaveFileDialog::chooseSaveFile(QWidget* parent,
                                                               const SaveFileRequest& request) {
  QFileDialog dialog(parent, request.title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(request.filters);
  dialog.setDefaultSuffix(request.defaultExtension);
  if (!request.initialName.isEmpty()) dialog.selectFile(request.initialName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  SaveFileChoice choice;
  choice.fileName = dialog.selectedFiles().constFirst();
  choice.filter =
      std::max(0, static_cast<int>(request.filters.indexOf(dialog.selectedNameFilter())));
  return choice;
}

QStringList NameFiltersFrom(const QString& commonDialogFilter) {
  const QStringList parts = commonDialogFilter.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts.at(i);
    QString patterns = parts.at(i + 1);
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    const QString shown = "(" + patterns + ")";
    filters << (description.contains(shown) ? description : description + " " + shown);
  }
  return filters;
}

}  // namespace table
