#pragma once

#include "card/element_card.h"
#include "data/element_record.h"
#include "table/table_colors.h"

class QWidget;

namespace table {

class HelpCalls;
class PrinterSetup;
class UserPrompts;

// What an element card window needs from the program around it: the open data file, the
// table's colour scheme and the card defaults, the help and the dialogs, and the main
// window's list of open cards.
class ViewerHost {
 public:
  virtual ~ViewerHost() = default;

  // Record n of the program's open element data file. Throws periodic::DataError when it
  // cannot be read (no open file, a file cut short since it was opened).
  virtual periodic::ElementRecord ReadElementRecord(int n) = 0;
  // The table's colour scheme as it stands now.
  virtual periodic::clsTableColors ColorScheme() = 0;
  // The options' card defaults, ViewerInvertColors and ViewerBlackAndWhite.
  virtual periodic::CardView ViewerDefaults() = 0;

  virtual HelpCalls& Help() = 0;
  virtual PrinterSetup& Printers() = 0;
  virtual UserPrompts& Prompts() = 0;
  // Shows the About window, modally over parent.
  virtual void ShowAbout(QWidget* parent) = 0;

  // Rebuilds the main window's list of open cards from their captions.
  virtual void RebuildWindowList() = 0;
  // True while the main window closes: closing cards then leave the list alone.
  virtual bool AppClosing() const = 0;
};

}  // namespace table
