#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>

#include "app/shell/main_window/frm_table_viewer.h"
#include "app/shell/services/registry.h"
#include "app/shell/services/user_prompts.h"
#include "app/shell/settings/config_location.h"
#include "command_fakes.h"

// Answers every dialog from a queue and records every message.
class ScriptedPrompts : public table::UserPrompts {
 public:
  void information(QWidget*, const QString&, const QString& text) override { messages << text; }
  void warning(QWidget*, const QString&, const QString& text) override { messages << text; }
  std::optional<QString> askText(QWidget*, const QString&, const QString& prompt) override {
    prompts << prompt;
    if (answers.isEmpty()) return std::nullopt;
    const QString answer = answers.takeFirst();
    if (answer.isNull()) return std::nullopt;
    return answer;
  }

  // The answers in turn; a null text stands for Cancel, an empty one for an empty answer.
  QStringList answers;
  QStringList prompts;
  QStringList messages;
};

class NoRegistry : public table::RegistryReader {
 public:
  std::optional<QString> readValue(const QString&, const QString&) override { return std::nullopt; }
};

class RecordingStarter : public table::ProgramStarter {
 public:
  bool startDetached(const QString& program, const QStringList& args) override {
    started << program;
    arguments << args;
    return succeeds;
  }
  QStringList started;
  QList<QStringList> arguments;
  bool succeeds = false;
};

// Help that records what it was asked to show: each kind of call, and all of them in order.
class RecordingHelp : public table::HelpCalls {
 public:
  void ShowHelpCommand(const QString& command) override {
    commands << command;
    calls << "command " + command;
  }
  void ShowHelpTopic(const QString& page) override {
    topics << page;
    calls << "topic " + page;
  }
  void ShowHelpContext(int context) override {
    contexts << context;
    calls << QString("context %1").arg(context);
  }
  void CloseAllHelp() override { calls << "close all"; }

  QStringList commands;
  QStringList topics;
  QList<int> contexts;
  QStringList calls;
};

// The real main window over the built control library, with its configuration files in a
// folder of its own. Every dialog is scripted: by default the printer and save dialogs are
// cancelled and the colour chooser returns the colour it starts from.
class MainWindowHost {
 public:
  // `adjust` may put further fakes into the window's setup.
  explicit MainWindowHost(const QString& configFolder = QString(),
                          const QString& libraryFolder = QStringLiteral(VEXEL_LIBRARY_DIR),
                          const std::function<void(table::MainWindowSetup&)>& adjust = {}) {
    table::SetConfigDirectoryForTests(configFolder.isEmpty() ? m_dir.path() : configFolder);
    table::MainWindowSetup setup;
    setup.libraryFolder = libraryFolder;
    setup.prompts = &prompts;
    setup.registry = &registry;
    setup.starter = &starter;
    setup.help = &help;
    printer.accept = false;
    setup.printerSetup = &printer;
    setup.saveFile = &saveFile;
    setup.colorChooser = &colors;
    if (adjust) adjust(setup);
    window = std::make_unique<table::frmTableViewer>(setup);
  }

  QString configFolder() const { return m_dir.path(); }
  QAction* menuItem(const char* name) { return window->findChild<QAction*>(name); }
  QAction* button(const char* key) {
    return window->findChild<QAction*>(QString("tlbToolbar_") + key);
  }
  // Shows the window: its first resize draws the table.
  void show() {
    window->show();
    QCoreApplication::processEvents();
  }

  ScriptedPrompts prompts;
  NoRegistry registry;
  RecordingStarter starter;
  PdfPrinterSetup printer;
  ScriptedSaveFile saveFile;
  ScriptedColors colors;
  RecordingHelp help;
  std::unique_ptr<table::frmTableViewer> window;

 private:
  QTemporaryDir m_dir;
};
