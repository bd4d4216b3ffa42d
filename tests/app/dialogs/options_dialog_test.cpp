#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "app/dialogs/frm_options.h"
#include "app/main_window_host.h"

namespace {

using table::frmOptions;

// A dialog over the real main window's control and options that counts the bar layouts.
struct OptionsFixture {
  OptionsFixture() {
    dialog = std::make_unique<frmOptions>(*host.window->Halden(), host.window->options(), [this] {
      ++layouts;
      host.window->ApplyBarsLayout();
    });
  }
  MainWindowHost host;
  int layouts = 0;
  std::unique_ptr<frmOptions> dialog;
};

TEST(OptionsDialog, ControlsStandAtTheirTwips) {
  OptionsFixture f;
  frmOptions& d = *f.dialog;
  EXPECT_EQ(d.windowTitle(), "Опции");
  EXPECT_EQ(d.size(), QSize(410, 328));
  ASSERT_EQ(d.tbsOptions->count(), 1);
  EXPECT_EQ(d.tbsOptions->tabText(0), "Настройка");
  EXPECT_EQ(d.tbsOptions->tabToolTip(0), "Настройка работы программы");
  EXPECT_EQ(d.tbsOptions->tabBar()->tabData(0).toString(), "Configure");

  struct Control {
    const char* name;
    QString caption;
    QRect twips;
  };
  const Control controls[] = {
      {"tbsOptions", {}, {105, 120, 5895, 4245}},
      {"picOptions_0", {}, {210, 480, 5685, 3780}},
      {"fraOpenElViewer", "Открыть окно просмотра элемента (доп. инфо.)", {120, 240, 4815, 945}},
      {"optOneClick", "по одному щелчку мышью на выбранном элементе", {120, 360, 4455, 195}},
      {"optDblClick", "по двойному щелчку мышью на выбранном элементе", {120, 600, 4455, 255}},
      {"chbShowToolbar", "Показывать панель инструментов", {120, 1560, 5055, 255}},
      {"chbShowStatusbar", "Показывать строку состояния", {120, 1800, 5055, 255}},
      {"cmdOK", "OK", {2490, 4455, 1095, 375}},
      {"cmdCancel", "Отмена", {3720, 4455, 1095, 375}},
      {"cmdApply", "Применить", {4920, 4455, 1095, 375}},
  };
  for (const Control& c : controls) {
    SCOPED_TRACE(c.name);
    const auto* widget = d.findChild<QWidget*>(c.name);
    ASSERT_NE(widget, nullptr);
    const QRect& t = c.twips;
    EXPECT_EQ(widget->geometry(), QRect(t.x() / 15, t.y() / 15, t.width() / 15, t.height() / 15));
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
      EXPECT_EQ(button->text(), c.caption);
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
      EXPECT_EQ(frame->title(), c.caption);
    }
  }

  // Ctrl+Tab with the one tab keeps its page in place.
  d.show();
  QTest::keyClick(d.chbShowToolbar, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(d.tbsOptions->currentIndex(), 0);
  EXPECT_EQ(d.picOptions[0]->x(), 14);
  EXPECT_TRUE(d.picOptions[0]->isEnabled());
}

TEST(OptionsDialog, LoadsTheSettingsAndOkUntouchedLaysNothingOut) {
  OptionsFixture f;
  vexel::VexelControl& halden = *f.host.window->Halden();
  table::TableOptions& options = f.host.window->options();
  halden.setOpenViewerOnDblClick(true);
  options.SetShowToolbar(true);
  // Any non-zero switch counts as ticked.
  options.ShowStatusbar = 1;
  frmOptions d(halden, options, [&f] { ++f.layouts; });
  EXPECT_TRUE(d.optDblClick->isChecked());
  EXPECT_FALSE(d.optOneClick->isChecked());
  EXPECT_TRUE(d.chbShowToolbar->isChecked());
  EXPECT_TRUE(d.chbShowStatusbar->isChecked());
  EXPECT_FALSE(d.cmdApply->isEnabled());

  d.show();
  d.cmdOK->click();
  EXPECT_EQ(f.layouts, 0);
  EXPECT_EQ(options.ShowStatusbar, 1);
  EXPECT_TRUE(halden.OpenViewerOnDblClick());
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(d.result(), QDialog::Accepted);
}

TEST(OptionsDialog, ClickOnTheSelectedOptionEnablesApplyWhichLaysOutAgain) {
  OptionsFixture f;
  frmOptions& d = *f.dialog;
  d.show();
  QAbstractButton* selected =
      d.optDblClick->isChecked() ? static_cast<QAbstractButton*>(d.optDblClick) : d.optOneClick;
  QTest::mouseClick(selected, Qt::LeftButton, {}, QPoint(5, selected->height() / 2));
  EXPECT_TRUE(d.cmdApply->isEnabled());
  d.cmdApply->click();
  EXPECT_EQ(f.layouts, 1);
  EXPECT_FALSE(d.cmdApply->isEnabled());
  EXPECT_TRUE(d.isVisible());
  // A second Apply with nothing changed does nothing.
  d.SaveOptions();
  EXPECT_EQ(f.layouts, 1);
}

TEST(OptionsDialog, AppliedValuesStayAfterCancelOrEsc) {
  OptionsFixture f;
  vexel::VexelControl& halden = *f.host.window->Halden();
  halden.setOpenViewerOnDblClick(true);
  frmOptions d(halden, f.host.window->options(), [] {});
  d.show();
  d.optOneClick->click();
  d.cmdApply->click();
  EXPECT_FALSE(halden.OpenViewerOnDblClick());
  d.optDblClick->click();
  d.chbShowStatusbar->click();
  QTest::keyClick(d.optDblClick, Qt::Key_Escape);
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(d.result(), QDialog::Rejected);
  EXPECT_FALSE(halden.OpenViewerOnDblClick());
  EXPECT_TRUE(f.host.window->options().StatusbarOn());
}

// Enter presses the button that has the focus, and OK from anywhere else; Tab enters the group
// of options on its selected option and leaves it with the next Tab, both ways.
TEST(OptionsDialog, EnterAndTabReachTheButtonsAndOptionsAsOnEveryDesktop) {
  OptionsFixture f;
  frmOptions& d = *f.dialog;
  d.show();
  d.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
  EXPECT_TRUE(d.cmdOK->isDefault());
  d.chbShowStatusbar->click();
  d.cmdApply->setFocus();
  QTest::keyClick(d.cmdApply, Qt::Key_Return);
  EXPECT_EQ(f.layouts, 1);
  EXPECT_TRUE(d.isVisible());

  for (QRadioButton* selected : {d.optDblClick, d.optOneClick}) {
    SCOPED_TRACE(selected->objectName().toStdString());
    selected->setChecked(true);
    // Apply, disabled again, takes no focus: Cancel is the stop before the options.
    d.cmdCancel->setFocus();
    QTest::keyClick(d.cmdCancel, Qt::Key_Tab);
    EXPECT_EQ(d.focusWidget(), selected);
    QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(d.focusWidget(), d.chbShowToolbar);
    QTest::keyClick(d.focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(d.focusWidget(), selected);
    QTest::keyClick(d.focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(d.focusWidget(), d.cmdCancel);
  }

  d.chbShowToolbar->setFocus();
  QTest::keyClick(d.chbShowToolbar, Qt::Key_Enter);
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(d.result(), QDialog::Accepted);
}

TEST(OptionsDialog, HidingTheToolbarMovesTheTableUpAtOnce) {
  OptionsFixture f;
  f.host.show();
  QWidget* table = f.host.window->Halden()->widget();
  auto* toolbar = f.host.window->findChild<QToolBar*>("tlbToolbar");
  ASSERT_TRUE(toolbar->isVisible());
  const int topBefore = table->y();
  const int heightBefore = table->height();
  f.dialog->show();
  f.dialog->chbShowToolbar->click();
  f.dialog->cmdApply->click();
  EXPECT_FALSE(toolbar->isVisible());
  EXPECT_EQ(f.host.window->options().ShowToolbar, 0);
  EXPECT_LT(table->y(), topBefore);
  EXPECT_GT(table->height(), heightBefore);
}

TEST(OptionsDialog, TheMenuOpensItModally) {
  MainWindowHost host;
  host.show();
  QString seen;
  bool modal = false;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog) return;
    seen = dialog->objectName();
    modal = dialog->isModal();
    static_cast<QDialog*>(dialog)->reject();
  });
  host.menuItem("mnuConfig_ShowOptionsDialog")->trigger();
  EXPECT_EQ(seen, "frmOptions");
  EXPECT_TRUE(modal);
}

}  // namespace
