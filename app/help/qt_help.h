#pragma once

#include <memory>

#include "app/shell/services/help_calls.h"

namespace table {

class frmHelp;

// The program's help: one help window over the compiled help beside the program, opened on the
// first call and reused after that.
class QtHelp : public HelpCalls {
 public:
  // Empty arguments: Table.qch in the program's folder, and the user's cache folder.
  explicit QtHelp(const QString& helpFile = QString(), const QString& cacheFolder = QString());
  ~QtHelp() override;

  void ShowHelpCommand(const QString& command) override;
  void ShowHelpTopic(const QString& page) override;
  void ShowHelpContext(int context) override;
  void CloseAllHelp() override;

  // The help window, null until the first call and after CloseAllHelp.
  frmHelp* window() const { return m_window.get(); }

 private:
  frmHelp& openWindow();

  QString m_helpFile;
  QString m_cacheFolder;
  std::unique_ptr<frmHelp> m_window;
};

}  // namespace table
