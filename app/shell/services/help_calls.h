#pragma once

#include <QString>

namespace table {

// The help calls shared by the main window and the element cards. The help collection lies
// beside the program; topics are page paths inside it.
class HelpCalls {
 public:
  virtual ~HelpCalls() = default;

  // "TOC" (or "TABLE OF CONTENTS"), "INDEX" or "SEARCH", compared without regard to case;
  // any other text does nothing.
  virtual void ShowHelpCommand(const QString& command) = 0;

  // Shows a page by its path inside the collection ("html\Fe.htm", "html/HelpOnViewer.htm":
  // either separator). Failures are not reported.
  virtual void ShowHelpTopic(const QString& page) = 0;

  // Shows the page that a help context number stands for (an element card's is its element's
  // number + 1000).
  virtual void ShowHelpContext(int context) = 0;

  // Closes every help window, at the program's end.
  virtual void CloseAllHelp() = 0;
};

// Help that shows nothing, until the help collection is installed.
class NoHelp : public HelpCalls {
 public:
  void ShowHelpCommand(const QString&) override {}
  void ShowHelpTopic(const QString&) override {}
  void ShowHelpContext(int) override {}
  void CloseAllHelp() override {}
};

}  // namespace table
