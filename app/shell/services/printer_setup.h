#pragma once

class QPrinter;
class QWidget;

namespace table {

// The printer-setup dialog, in which the user picks the printer and its page settings. The
// program shows the real dialog; tests answer it.
class PrinterSetup {
 public:
  virtual ~PrinterSetup() = default;
  // Shows the dialog over `printer`: its settings (orientation included) are where the dialog
  // starts, and the user's choices land in it. False when the user cancelled.
  virtual bool choosePrinter(QPrinter& printer, QWidget* parent) = 0;
};

// The real dialog.
class DialogPrinterSetup : public PrinterSetup {
 public:
  bool choosePrinter(QPrinter& printer, QWidget* parent) override;
};

}  // namespace table
