#pragma once

#include <QList>
#include <QPrinter>
#include <functional>
#include <optional>
#include <vector>

#include "app/dialogs/color_chooser.h"
#include "app/shell/printer_setup.h"
#include "app/shell/save_file_dialog.h"

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

// Cancels the printer dialog, or accepts it with the printer pointed at a PDF file; records the
// orientation the dialog started with.
class PdfPrinterSetup : public table::PrinterSetup {
 public:
  bool choosePrinter(QPrinter& printer, QWidget*) override {
    orientations << printer.pageLayout().orientation();
    if (!accept) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfFile);
    return true;
  }

  bool accept = false;
  QString pdfFile;
  QList<QPageLayout::Orientation> orientations;
};
