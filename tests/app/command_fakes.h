#pragma once

#include <QList>
#include <QPrinter>
#include <functional>
#include <optional>
#include <vector>

#include "app/dialogs/color_chooser.h"
#include "app/shell/services/printer_setup.h"
#include "app/shell/services/save_file_dialog.h"

// Answers the save dialog with one prepared choice (nothing: Cancel) and records each request.
class ScriptedSaveFile : public table::SaveFileDialog {
 public:
  std::optional<table::SaveFileChoice> chooseSaveFile(
      QWidget*, const table::SaveFileRequest& request) override {
    requests.push_back(request);
    if (whileOpen) whileOpen();
    return answer;
  }

  std::optional<table::SaveFileChoice> answer;
  std::vector<table::SaveFileRequest> requests;
  // Runs while the dialog would be on the screen.
  std::function<void()> whileOpen;
};

// Answers the colour chooser from a queue; an empty queue stands for Cancel, which returns the
// initial colour.
class ScriptedColors : public table::ColorChooser {
 public:
  std::int32_t chooseColor(QWidget*, std::int32_t initial) override {
    initials << initial;
    return answers.isEmpty() ? initial : answers.takeFirst();
  }

  QList<std::int32_t> answers;
  QList<std::int32_t> initials;
};

// The printer-setup dialog answered at once: OK sends the document to a PDF file, Cancel
// leaves the printer as it is. Records the orientation the dialog started with.
class PdfPrinterSetup : public table::PrinterSetup {
 public:
  explicit PdfPrinterSetup(QString file = QString()) : pdfFile(std::move(file)) {}
  bool choosePrinter(QPrinter& printer, QWidget*) override {
    ++shown;
    orientations << printer.pageLayout().orientation();
    if (!accept) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfFile);
    return true;
  }

  QString pdfFile;
  bool accept = true;
  int shown = 0;
  QList<QPageLayout::Orientation> orientations;
};
