#include "app/shell/services/save_file_dialog.h"

#include <QFileDialog>

#include <QRegularExpression>
#include "app/shell/services/file_list_guard.h"

namespace table {

std::optional<SaveFileChoice> QtSaveFileDialog::chooseSaveFile(QWidget* parent,
                                                               const SaveFileRequest& request) {
  QFileDialog dialog(parent, request.title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // Qt's own dialog, whose file list is told not to read the files it lists.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  KeepFileListsFromReadingFiles(&dialog);
  dialog.setNameFilters(request.filters);
  dialog.setDefaultSuffix(request.defaultExtension);
  // With several filters the default extension follows the one chosen.
  if (!request.defaultExtension.isEmpty() && request.filters.size() > 1) {
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &request](const QString& filter) {
          const QString extension = FilterExtension(filter);
          dialog.setDefaultSuffix(extension.isEmpty() ? request.defaultExtension : extension);
        });
  }
  if (!request.initialName.isEmpty()) dialog.selectFile(request.initialName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  SaveFileChoice choice;
  choice.fileName = dialog.selectedFiles().constFirst();
  choice.filter =
      std::max(0, static_cast<int>(request.filters.indexOf(dialog.selectedNameFilter())));
  return choice;
}

QString FilterExtension(const QString& nameFilter) {
  static const QRegularExpression firstPattern(QStringLiteral("\\(\\*\\.(\\w+)[ )]"));
  const QRegularExpressionMatch match = firstPattern.match(nameFilter);
  return match.hasMatch() ? match.captured(1) : QString();
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
