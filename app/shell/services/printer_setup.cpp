#include "app/shell/services/printer_setup.h"

#include <QPrintDialog>
#include <QPrinter>

#include "app/shell/services/file_list_guard.h"

namespace table {

bool DialogPrinterSetup::choosePrinter(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  KeepFileListsFromReadingFiles(&dialog);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace table
