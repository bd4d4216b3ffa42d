#include "app/shell/services/printer_setup.h"

#include <QPrintDialog>
#include <QPrinter>

namespace table {

bool DialogPrinterSetup::choosePrinter(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace table
