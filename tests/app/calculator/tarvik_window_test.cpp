#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/calculator/frm_tarvik.h"
#include "data/builtin_records.h"

namespace tarvik {
namespace {

ProgramData BuiltinData() {
  return {chem::ElementMasses(periodic::BuiltinRecords()), ""};
}

void Enter(frmTarvik& window, const QString& formula) {
  auto* field = window.findChild<QLineEdit*>("txtFormula");
  field->setText(formula);
  QTest::keyClick(field, Qt::Key_Return);
}

QStringList History(const frmTarvik& window) {
  QStringList items;
  const auto* list = window.findChild<QListWidget*>("lstHistory");
  for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  return items;
}

TEST(TarvikWindow, ComputesKeepsHistoryAndShowsFaults) {
  frmTarvik window(BuiltinData());
  window.show();
  Enter(window, "CuSO4·5H2O");
  EXPECT_TRUE(window.resultText().contains("Молярная масса: 249,686 г/моль"));
  Enter(window, "H2O");
  Enter(window, "Ca3(PO4");
  EXPECT_TRUE(window.resultText().startsWith(
      "Ошибка в формуле (позиция 4). Скобка «(» не закрыта.\nCa3(PO4\n   ^"));
  EXPECT_EQ(window.findChild<QLineEdit*>("txtFormula")->cursorPosition(), 3);
  Enter(window, "CuSO4·5H2O");
  EXPECT_EQ(History(window), QStringList({"CuSO4·5H2O", "H2O"}));

  auto* list = window.findChild<QListWidget*>("lstHistory");
  const QRect second = list->visualItemRect(list->item(1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
  EXPECT_TRUE(window.resultText().contains("Молярная масса: 18,0153 г/моль"));
}

// Ctrl+C with the Russian layout active: the key carries "С" (X11 keycode 54).
TEST(TarvikWindow, ControlCCopiesTheResultWhateverTheLayout) {
  frmTarvik window(BuiltinData());
  window.show();
  Enter(window, "H2SO4");
  QApplication::clipboard()->clear();
  auto* field = window.findChild<QLineEdit*>("txtFormula");
  field->deselect();
  QKeyEvent press(QEvent::KeyPress, 0x0421, Qt::ControlModifier, 54, 0, 0);
  QApplication::sendEvent(field, &press);
  EXPECT_EQ(QApplication::clipboard()->text(), window.resultText());
  EXPECT_TRUE(QApplication::clipboard()->text().contains("Молярная масса: 98,079 г/моль"));
}

TEST(TarvikWindow, WithoutDataFileSaysSoAndTakesNoFormula) {
  frmTarvik window(ProgramData{std::nullopt, "Не найден файл данных элементов."});
  window.show();
  EXPECT_EQ(window.resultText(), "Не найден файл данных элементов.");
  EXPECT_FALSE(window.findChild<QLineEdit*>("txtFormula")->isEnabled());
  EXPECT_FALSE(window.findChild<QPushButton*>("cmdCalculate")->isEnabled());
}

}  // namespace
}  // namespace tarvik
