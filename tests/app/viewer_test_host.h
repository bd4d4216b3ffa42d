#pragma once

#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>
#include <cerrno>

#include "app/shell/services/help_calls.h"
#include "app/shell/services/printer_setup.h"
#include "app/viewer/viewer_host.h"
#include "data/data_error.h"
#include "data/element_data_file.h"
#include "main_window_host.h"

// Everything a card window asks of the program, over a data file of the built-in records.
class FakeViewerHost : public table::ViewerHost {
 public:
  FakeViewerHost() : printers(m_dir.filePath("card.pdf")) {
    periodic::WriteBuiltinRecords(m_dir.path().toStdString());
    dataFile.Open(m_dir.filePath("Elements.dat").toStdString());
  }

  periodic::ElementRecord ReadElementRecord(int n) override {
    if (n == unreadable)
      throw periodic::DataError("cannot read record " + std::to_string(n), unreadableCode);
    return dataFile.ReadElementRecord(n);
  }
  periodic::clsTableColors ColorScheme() override { return {}; }
  periodic::CardView ViewerDefaults() override { return defaults; }
  table::HelpCalls& Help() override { return help; }
  table::PrinterSetup& Printers() override { return printers; }
  table::UserPrompts& Prompts() override { return prompts; }
  void ShowAbout(QWidget*) override { ++abouts; }
  void RebuildWindowList() override { ++rebuilds; }
  bool AppClosing() const override { return closing; }

  QString folder() const { return m_dir.path(); }

 private:
  QTemporaryDir m_dir;

 public:
  periodic::ElementDataFile dataFile;
  int unreadable = 0;
  int unreadableCode = EIO;
  periodic::CardView defaults;
  RecordingHelp help;
  PdfPrinterSetup printers;
  ScriptedPrompts prompts;
  int abouts = 0;
  int rebuilds = 0;
  bool closing = false;
};
