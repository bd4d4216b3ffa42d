#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "app/command_fakes.h"
#include "app/dialogs/color_swatch.h"
#include "app/dialogs/frm_modify_colors.h"
#include "app/main_window_host.h"

namespace {

using table::frmModifyColors;

constexpr std::int32_t kWhite = 0xFFFFFF;

std::int32_t Rgb(int r, int g, int b) {
  return r + 256 * g + 65536 * b;
}

// The real main window, shown, and a colour dialog over its control that counts the table's
// repaints: each full drawing announces itself with "Рисую таблицу...".
struct ColorsFixture {
  ColorsFixture() : spy(host.window->Halden()->widget(), SIGNAL(ChangeStatusbarText(QString))) {
    host.show();
    halden().Colors()->RestoreDefaults();
    halden().setBackColor(kWhite);
    spy.clear();
  }
  vexel::VexelControl& halden() { return *host.window->Halden(); }
  std::unique_ptr<frmModifyColors> open() {
    auto dialog = std::make_unique<frmModifyColors>(halden(), chooser);
    dialog->show();
    return dialog;
  }
  int repaints() const {
    int count = 0;
    for (const QList<QVariant>& call : spy)
      if (call.at(0).toString() == "Рисую таблицу...") ++count;
    return count;
  }

  MainWindowHost host;
  ScriptedColors chooser;
  QSignalSpy spy;
};

TEST(ColorsDialog, RowsStandAtTheirTwips) {
  ColorsFixture f;
  auto d = f.open();
  EXPECT_EQ(d->windowTitle(), "Цвета");
  EXPECT_EQ(d->size(), QSize(320, 385));

  struct Row {
    int index;
    const char* label;
    const char* frame;
    int top, swatchLeft, labelLeft, buttonLeft;
  };
  const Row rows[] = {
      {0, "S", "fraSPDFColors", 360, 120, 720, 1080},
      {3, "F", "fraSPDFColors", 1800, 120, 720, 1080},
      {4, "Металл", "fraMetalicProperties", 360, 120, 600, 1680},
      {5, "Не металл", "fraMetalicProperties", 840, 120, 600, 1680},
      {6, "Амфотерный элемент", "fraMetalicProperties", 1320, 120, 600, 1680},
      {7, "Инертный газ", "fraMetalicProperties", 1800, 120, 600, 1680},
      {8, "Фон таблицы", "picContainer", 4800, 2880, 3420, 4200},
      {9, "Щелочной металл", "fraElementTypeColors", 240, 120, 600, 2280},
      {10, " Щелочноземельный металл", "fraElementTypeColors", 720, 120, 600, 2280},
      {11, "Галоген", "fraElementTypeColors", 1200, 120, 600, 2280},
      {12, "Переходный элемент", "fraElementTypeColors", 1680, 120, 600, 2280},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.index);
    EXPECT_EQ(d->lblColorType[r.index]->text(), QString::fromUtf8(r.label));
    EXPECT_EQ(d->picViewColor[r.index]->parentWidget()->objectName(), r.frame);
    EXPECT_EQ(d->picViewColor[r.index]->geometry(),
              QRect(r.swatchLeft / 15, r.top / 15, 495 / 15, 375 / 15));
    EXPECT_EQ(d->cbChangeColor[r.index]->geometry(),
              QRect(r.buttonLeft / 15, r.top / 15, 375 / 15, 375 / 15));
    EXPECT_EQ(d->cbChangeColor[r.index]->text(), ">>");
    EXPECT_EQ(d->lblColorType[r.index]->x(), r.labelLeft / 15);
  }
  struct Box {
    QWidget* widget;
    QString caption;
    QRect twips;
  };
  const Box boxes[] = {
      {d->picContainer, {}, {120, 0, 4575, 5295}},
      {d->fraSPDFColors, "s, p, d и f цвета:", {0, 0, 1695, 2415}},
      {d->fraMetalicProperties, "Металлические св-ва:", {1800, 0, 2295, 2415}},
      {d->fraElementTypeColors, {}, {0, 2520, 2775, 2175}},
      {d->cbRestoreDefaults, "Восстановить исходные значения", {0, 4800, 2775, 375}},
      {d->cmdOK, "OK", {1200, 5295, 1095, 375}},
      {d->cmdCancel, "Отмена", {2400, 5295, 1095, 375}},
      {d->cmdApply, "Применить", {3600, 5295, 1095, 375}},
  };
  for (const Box& b : boxes) {
    SCOPED_TRACE(b.widget->objectName().toStdString());
    const QRect& t = b.twips;
    EXPECT_EQ(b.widget->geometry(), QRect(t.x() / 15, t.y() / 15, t.width() / 15, t.height() / 15));
    if (const auto* button = qobject_cast<const QPushButton*>(b.widget)) {
      EXPECT_EQ(button->text(), b.caption);
    }
  }
  EXPECT_EQ(d->chbDifferByElementType->text(), "Типы элементов:");
  EXPECT_EQ(d->chbDifferByElementType->pos(), QPoint(240 / 15, 0));
  EXPECT_EQ(d->fraSPDFColors->title(), "s, p, d и f цвета:");
  const QStringList samples = {frmModifyColors::SampleText(0), frmModifyColors::SampleText(1),
                               frmModifyColors::SampleText(2), frmModifyColors::SampleText(3)};
  EXPECT_EQ(samples, QStringList({"He", "O", "Fe", "U"}));
}

TEST(ColorsDialog, OkUntouchedAndTheSameColourAgainRepaintNothing) {
  ColorsFixture f;
  vexel::TableColorsControl& colors = *f.halden().Colors();
  colors.setHalogenColor(Rgb(1, 2, 3));
  auto d = f.open();
  EXPECT_EQ(d->picViewColor[11]->backColor(), Rgb(1, 2, 3));
  EXPECT_EQ(d->picViewColor[0]->foreColor(), 255);

  // The chooser opens on the swatch's colour; Cancel returns it, so nothing is marked.
  d->cbChangeColor[4]->click();
  f.chooser.answers << colors.SColor();
  d->cbChangeColor[0]->click();
  EXPECT_EQ(f.chooser.initials, QList<std::int32_t>({Rgb(255, 187, 187), 255}));
  EXPECT_FALSE(d->cmdApply->isEnabled());
  EXPECT_FALSE(d->ColorsModified());

  d->cmdOK->click();
  EXPECT_EQ(f.repaints(), 0);
  EXPECT_EQ(colors.HalogenColor(), Rgb(1, 2, 3));
  EXPECT_EQ(colors.SColor(), 255);
  EXPECT_FALSE(d->isVisible());
}

TEST(ColorsDialog, TheTypeSwitchEnablesTheLowerRowsAndIsSavedWithOneRepaint) {
  ColorsFixture f;
  auto d = f.open();
  EXPECT_FALSE(d->chbDifferByElementType->isChecked());
  for (int row = 0; row < frmModifyColors::kRows; ++row)
    EXPECT_EQ(d->cbChangeColor[row]->isEnabled(), row < 9) << row;

  d->chbDifferByElementType->click();
  for (int row = 9; row < frmModifyColors::kRows; ++row)
    EXPECT_TRUE(d->cbChangeColor[row]->isEnabled()) << row;
  EXPECT_TRUE(d->cmdApply->isEnabled());
  d->cmdApply->click();
  EXPECT_TRUE(f.halden().Colors()->DifferByElementType());
  EXPECT_EQ(f.repaints(), 1);
  EXPECT_FALSE(d->cmdApply->isEnabled());
  EXPECT_TRUE(f.halden().AutoRefresh());
}

// The check box titling the third frame ends above the first swatch of that frame.
TEST(ColorsDialog, TheTypeSwitchLeavesTheFirstSwatchUncovered) {
  ColorsFixture f;
  auto d = f.open();
  const QRect box = d->chbDifferByElementType->geometry();
  const QRect swatch = d->picViewColor[9]->geometry();
  EXPECT_EQ(d->chbDifferByElementType->parentWidget(), d->picViewColor[9]->parentWidget());
  EXPECT_LT(box.bottom(), swatch.top());
  EXPECT_GE(box.height(), 13);
}

// Enter presses the focused button, and OK from anywhere else; Esc cancels.
TEST(ColorsDialog, EnterPressesTheFocusedButtonOrOkAndEscCancels) {
  ColorsFixture f;
  {
    auto d = f.open();
    d->activateWindow();
    EXPECT_TRUE(d->cmdOK->isDefault());
    d->chbDifferByElementType->click();
    d->cmdApply->setFocus();
    QTest::keyClick(d->cmdApply, Qt::Key_Return);
    EXPECT_TRUE(f.halden().Colors()->DifferByElementType());
    EXPECT_TRUE(d->isVisible());
    d->chbDifferByElementType->click();
    QTest::keyClick(d->chbDifferByElementType, Qt::Key_Escape);
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(f.halden().Colors()->DifferByElementType());
  }
  auto d = f.open();
  d->activateWindow();
  d->chbDifferByElementType->click();
  d->chbDifferByElementType->setFocus();
  QTest::keyClick(d->chbDifferByElementType, Qt::Key_Return);
  EXPECT_FALSE(d->isVisible());
  EXPECT_EQ(d->result(), QDialog::Accepted);
  EXPECT_FALSE(f.halden().Colors()->DifferByElementType());
}

TEST(ColorsDialog, OnlyANewBackgroundRepaintsTheTableOnce) {
  ColorsFixture f;
  const QString before = f.halden().Colors()->SaveData();
  auto d = f.open();
  f.chooser.answers << Rgb(10, 20, 30);
  d->cbChangeColor[8]->click();
  EXPECT_TRUE(d->cmdApply->isEnabled());
  EXPECT_EQ(f.repaints(), 0);
  d->cmdApply->click();
  EXPECT_EQ(f.repaints(), 1);
  EXPECT_EQ(f.halden().BackColor(), Rgb(10, 20, 30));
  EXPECT_EQ(f.halden().Colors()->SaveData(), before);
}

TEST(ColorsDialog, RestoredDefaultsStayAfterCancelButUnsavedChangesGo) {
  ColorsFixture f;
  vexel::TableColorsControl& colors = *f.halden().Colors();
  colors.setSColor(Rgb(9, 9, 9));
  colors.setDifferByElementType(true);
  f.halden().setBackColor(Rgb(0, 0, 0));
  auto d = f.open();
  f.spy.clear();
  d->cbRestoreDefaults->click();
  EXPECT_EQ(f.repaints(), 1);
  EXPECT_EQ(d->picViewColor[0]->foreColor(), 255);
  EXPECT_EQ(d->picViewColor[8]->backColor(), kWhite);
  EXPECT_FALSE(d->chbDifferByElementType->isChecked());
  EXPECT_FALSE(d->cmdApply->isEnabled());

  f.chooser.answers << Rgb(1, 1, 1);
  d->cbChangeColor[5]->click();
  d->cmdCancel->click();
  EXPECT_EQ(colors.SColor(), 255);
  EXPECT_FALSE(colors.DifferByElementType());
  EXPECT_EQ(colors.NonMetallColor(), Rgb(239, 241, 163));
  EXPECT_EQ(f.halden().BackColor(), kWhite);
}

TEST(ColorsDialog, ANewSColourRedrawsTheCentredSample) {
  ColorsFixture f;
  auto d = f.open();
  const std::int32_t green = Rgb(0, 160, 0);
  f.chooser.answers << green;
  d->cbChangeColor[0]->click();
  EXPECT_TRUE(d->cmdApply->isEnabled());

  // Every pixel is the white background, the new green or a blend of the two (the text's
  // smoothed edges): nothing of the old red sample is left.
  const QImage& picture = d->picViewColor[0]->picture();
  ASSERT_EQ(picture.size(), QSize(33, 25));
  int left = picture.width(), right = -1, top = picture.height(), foreign = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QColor pixel = picture.pixelColor(x, y);
      if (pixel == Qt::white) continue;
      if (pixel.red() != pixel.blue() || pixel.green() < pixel.red()) ++foreign;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
    }
  }
  ASSERT_GE(right, 0) << "no sample drawn";
  EXPECT_EQ(foreign, 0);
  EXPECT_TRUE(picture.pixelColor(picture.width() / 2, 0) == Qt::white);
  bool pureGreen = false;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) pureGreen |= picture.pixel(x, y) == qRgb(0, 160, 0);
  EXPECT_TRUE(pureGreen);
  EXPECT_NEAR((left + right + 1) / 2.0, picture.width() / 2.0, 1.5);
  EXPECT_LE(top, 6);
  EXPECT_EQ(d->picViewColor[0]->backColor(), kWhite);
}

TEST(ColorsDialog, OpensOnceWithoutBlockingAtTheMainWindowsRightEdge) {
  ColorsFixture f;
  table::frmTableViewer& window = *f.host.window;
  const QRect screen = window.screen()->availableGeometry();
  window.move(screen.right() - window.frameGeometry().width() + 1, screen.top() + 40);
  QCoreApplication::processEvents();

  window.findChild<QAction*>("mnuView_Colors")->trigger();
  f.host.button("ChangeColors")->trigger();
  ASSERT_EQ(window.findChildren<frmModifyColors*>().size(), 1);
  frmModifyColors* dialog = window.colorsDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(dialog->isModal());
  EXPECT_EQ(dialog->frameGeometry().right(), window.frameGeometry().right());
  EXPECT_EQ(dialog->frameGeometry().top(), window.frameGeometry().top() + 500 / 15);

  // Closed, it is gone; the next opening loads a new one.
  dialog->cmdCancel->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window.colorsDialog(), nullptr);
}

}  // namespace
