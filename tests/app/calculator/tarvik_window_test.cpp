#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include "app/calculator/frm_tarvik.h"
#include "data/builtin_records.h"
#include "russian_key_events.h"

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
  // The clicked formula moved to the top, and it is the one highlighted there.
  EXPECT_EQ(History(window), QStringList({"H2O", "CuSO4·5H2O"}));
  ASSERT_NE(list->currentItem(), nullptr);
  EXPECT_EQ(list->currentItem()->text(), "H2O");
  ASSERT_EQ(list->selectedItems().size(), 1);
  EXPECT_EQ(list->selectedItems().front()->text(), "H2O");

  // A formula that cannot be read belongs to no entry.
  Enter(window, "Xx");
  EXPECT_TRUE(list->selectedItems().isEmpty());
}

// The lines of one block of the result area, as laid out at the window's size.
QList<QTextLine> LinesOf(const QTextBlock& block) {
  QList<QTextLine> lines;
  for (int i = 0; i < block.layout()->lineCount(); ++i) lines << block.layout()->lineAt(i);
  return lines;
}

TEST(TarvikWindow, LongLinesWrapAndColumnsStayWhole) {
  frmTarvik window(BuiltinData());
  window.show();
  auto* result = window.findChild<QTextEdit*>("txtResult");
  ASSERT_NE(result, nullptr);
  const qreal width = result->viewport()->width();

  const QString formula = "CH3-CH3·" + QString(120, 'H');
  Enter(window, formula);
  QApplication::processEvents();
  const QTextBlock message = result->document()->begin();
  EXPECT_TRUE(message.text().contains("Знак связи «-» между группами не поддерживается"));
  EXPECT_GT(message.layout()->lineCount(), 1);
  for (const QTextLine& line : LinesOf(message)) EXPECT_LE(line.naturalTextWidth(), width);
  // The formula and the marker under its fault keep their columns: one line each.
  EXPECT_EQ(message.next().text(), formula);
  EXPECT_EQ(message.next().layout()->lineCount(), 1);
  EXPECT_EQ(message.next().next().text(), "   ^");
  EXPECT_EQ(message.next().next().layout()->lineCount(), 1);

  // The ion note wraps; the composition table's rows do not.
  window.resize(420, window.height());
  Enter(window, "[Fe(CN)6]4-");
  QApplication::processEvents();
  ASSERT_LT(result->viewport()->width(), 400);
  bool noteSeen = false;
  for (QTextBlock block = result->document()->begin(); block.isValid(); block = block.next()) {
    if (block.text().startsWith("Прочитано как ион [Fe(CN)6] с зарядом 4-")) {
      noteSeen = true;
      EXPECT_GT(block.layout()->lineCount(), 1);
    }
    if (block.text().startsWith("Fe  ")) {
      EXPECT_EQ(block.layout()->lineCount(), 1);
    }
  }
  EXPECT_TRUE(noteSeen) << window.resultText().toStdString();
}

// 60,002 characters ending in an unknown symbol: the field cannot hold them, so the formula is
// refused as soon as it is pasted, and again on Enter, never computed from what was kept.
TEST(TarvikWindow, PasteLongerThanTheFieldIsRefused) {
  frmTarvik window(BuiltinData());
  window.show();
  auto* field = window.findChild<QLineEdit*>("txtFormula");
  QApplication::clipboard()->setText(QString(60000, 'H') + "Xx");
  field->setFocus();
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
  const QString refused =
      "Ошибка в формуле (позиция 32768). Слишком длинная формула: допускается не больше 32767 "
      "знаков.\n";
  EXPECT_EQ(window.resultText(), refused);
  QTest::keyClick(field, Qt::Key_Return);
  EXPECT_EQ(window.resultText(), refused);
  EXPECT_TRUE(History(window).isEmpty());
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

// The formula field's own editing keys, typed with the Russian layout active.
TEST(TarvikWindow, FormulaFieldPastesAndCutsWhateverTheLayout) {
  frmTarvik window(BuiltinData());
  window.show();
  auto* field = window.findChild<QLineEdit*>("txtFormula");
  field->setFocus();
  QApplication::clipboard()->setText("NaCl");
  SendRussianKey(field, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(field->text(), "NaCl");
  SendRussianKey(field, Qt::Key_A, Qt::ControlModifier);
  QApplication::clipboard()->clear();
  SendRussianKey(field, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(field->text(), "");
  EXPECT_EQ(QApplication::clipboard()->text(), "NaCl");
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
