#include "platform/editing_keys.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <functional>
#include <memory>

#include "russian_key_events.h"

namespace periodic {
namespace {

TEST(EditingKeys, AreCtrlWithTheEditingLettersOnTheKeyWhateverTheLayout) {
  struct Case {
    int key;
    Qt::KeyboardModifiers modifiers;
    bool editing;
  };
  const Case cases[] = {
      {Qt::Key_V, Qt::ControlModifier, true},
      {u'М', Qt::ControlModifier, true},
      {u'С', Qt::ControlModifier, true},
      {u'Ч', Qt::ControlModifier, true},
      {u'Ф', Qt::ControlModifier, true},
      {u'Я', Qt::ControlModifier, true},
      {Qt::Key_Y, Qt::ControlModifier, true},
      {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, true},
      {Qt::Key_Insert, Qt::ShiftModifier, true},
      {Qt::Key_Insert, Qt::ControlModifier, true},
      {Qt::Key_Delete, Qt::ShiftModifier, true},
      {Qt::Key_V, Qt::NoModifier, false},
      {Qt::Key_V, Qt::AltModifier, false},
      {Qt::Key_V, Qt::ControlModifier | Qt::AltModifier, false},
      {Qt::Key_P, Qt::ControlModifier, false},
      {u'З', Qt::ControlModifier, false},
      {Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier, false},
      {Qt::Key_F, Qt::ControlModifier, false},
      {Qt::Key_Delete, Qt::NoModifier, false},
  };
  for (const Case& c : cases) {
    const QKeyEvent key(QEvent::KeyPress, c.key, c.modifiers);
    EXPECT_EQ(IsEditingKey(key), c.editing) << std::hex << c.key << " " << c.modifiers.toInt();
  }
}

// With the Russian layout Ctrl+V arrives with the Cyrillic letter on the key; each kind of text
// field pastes all the same, and a button is no text field.
TEST(EditingKeys, EveryKindOfTextFieldPastesUnderTheRussianLayout) {
  EditingKeysForAnyLayout filter;
  qApp->installEventFilter(&filter);
  struct Field {
    const char* kind;
    std::function<QWidget*()> make;
    std::function<QString(QWidget*)> text;
  };
  const Field fields[] = {
      {"line edit", [] { return new QLineEdit; },
       [](QWidget* w) { return static_cast<QLineEdit*>(w)->text(); }},
      {"text editor", [] { return new QPlainTextEdit; },
       [](QWidget* w) { return static_cast<QPlainTextEdit*>(w)->toPlainText(); }},
      {"spin box",
       [] {
         auto* box = new QSpinBox;
         box->setRange(0, 999);
         box->clear();
         return box;
       },
       [](QWidget* w) { return static_cast<QSpinBox*>(w)->text(); }},
      {"editable combo box",
       [] {
         auto* box = new QComboBox;
         box->setEditable(true);
         return box;
       },
       [](QWidget* w) { return static_cast<QComboBox*>(w)->currentText(); }},
  };
  for (const Field& f : fields) {
    SCOPED_TRACE(f.kind);
    QApplication::clipboard()->setText("26");
    const std::unique_ptr<QWidget> field(f.make());
    EXPECT_TRUE(IsTextField(field.get()));
    field->show();
    field->setFocus();
    SendRussianKey(field.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.text(field.get()), "26");
  }
  QPushButton button;
  EXPECT_FALSE(IsTextField(&button));
  qApp->removeEventFilter(&filter);
}

}  // namespace
}  // namespace periodic
