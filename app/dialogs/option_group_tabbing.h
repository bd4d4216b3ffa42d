#pragma once

#include <QObject>

class QRadioButton;
class QWidget;

namespace table {

// Tab and Shift+Tab treat a group of option buttons as one stop, as dialogs of every desktop do:
// they enter the group on its selected option and the next Tab leaves the group; the arrow keys
// move inside it. Installed on each option button of the dialog.
class OptionGroupTabbing : public QObject {
  Q_OBJECT

 public:
  explicit OptionGroupTabbing(QObject* parent) : QObject(parent) {}

  void watch(QRadioButton* option);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Moves the focus past every option of the group of `from`; false when nothing takes it.
  static bool leaveGroup(QRadioButton* from, bool forward);
};

}  // namespace table
