#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "app/shell/services/help_calls.h"

namespace table {

// The program's help, loaded from the help library beside the program on the first call that
// shows something, so that the start does not load the help's libraries. When the library
// cannot be loaded, report says why, once for each call, and nothing is shown.
class LazyHelp : public HelpCalls {
 public:
  // folder: where the help library lies; empty means the program's folder.
  LazyHelp(std::function<void(const QString&)> report, const QString& folder = QString());
  ~LazyHelp() override;

  void ShowHelpCommand(const QString& command) override;
  void ShowHelpTopic(const QString& page) override;
  void ShowHelpContext(int context) override;
  void CloseAllHelp() override;

 private:
  HelpCalls* help();

  std::function<void(const QString&)> m_report;
  QString m_file;
  void* m_library = nullptr;
  std::unique_ptr<HelpCalls> m_help;
};

}  // namespace table
