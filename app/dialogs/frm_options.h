#pragma once

#include <QDialog>
#include <functional>
#include <vector>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace vexel {
class VexelControl;
}

namespace table {

struct TableOptions;

// The options dialog "Опции": how a click opens an element card, and whether the main window
// shows its toolbar and status bar. It writes the click mode into the table control and the
// bar switches into the program's options, then lays out the bars through applyBarsLayout.
// The enabled state of "Применить" marks changes not yet saved.
class frmOptions : public QDialog {
  Q_OBJECT

 public:
  frmOptions(vexel::VexelControl& halden, TableOptions& options,
             std::function<void()> applyBarsLayout, QWidget* parent = nullptr);
  ~frmOptions() override;

  // The save step of OK and "Применить": does nothing while "Применить" is disabled.
  void SaveOptions();

  QTabWidget* tbsOptions = nullptr;
  // One page container per tab.
  std::vector<QWidget*> picOptions;
  QGroupBox* fraOpenElViewer = nullptr;
  QRadioButton* optOneClick = nullptr;
  QRadioButton* optDblClick = nullptr;
  QCheckBox* chbShowToolbar = nullptr;
  QCheckBox* chbShowStatusbar = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancel = nullptr;
  QPushButton* cmdApply = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void createControls();
  void setTabOrder();
  void load();
  void showSelectedPage();

  vexel::VexelControl& m_halden;
  TableOptions& m_options;
  std::function<void()> m_applyBarsLayout;
  bool m_centred = false;
};

}  // namespace table
