#include "platform/editing_keys.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "platform/virtual_key.h"

namespace periodic {
namespace {

Qt::KeyboardModifiers Held(const QKeyEvent& key) {
  return key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
}

}  // namespace

bool IsTextField(const QObject* target) {
  if (qobject_cast<const QLineEdit*>(target) || qobject_cast<const QTextEdit*>(target) ||
      qobject_cast<const QPlainTextEdit*>(target) || qobject_cast<const QAbstractSpinBox*>(target))
    return true;
  const auto* combo = qobject_cast<const QComboBox*>(target);
  return combo != nullptr && combo->isEditable();
}

bool IsEditingKey(const QKeyEvent& key) {
  const Qt::KeyboardModifiers held = Held(key);
  const int latin = VirtualKey(key);
  if (latin == Qt::Key_Insert || latin == Qt::Key_Delete)
    return held == Qt::ControlModifier || held == Qt::ShiftModifier;
  if (held == (Qt::ControlModifier | Qt::ShiftModifier)) return latin == Qt::Key_Z;
  if (held != Qt::ControlModifier) return false;
  switch (latin) {
    case Qt::Key_C:
    case Qt::Key_V:
    case Qt::Key_X:
    case Qt::Key_A:
    case Qt::Key_Z:
    case Qt::Key_Y:
      return true;
    default:
      return false;
  }
}

bool EditingKeysForAnyLayout::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
  if (!IsTextField(watched)) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const int latin = VirtualKey(*key);
  if (latin == key->key() || !IsEditingKey(*key)) return false;
  if (type == QEvent::ShortcutOverride) {
    // The field takes the key, so that no shortcut of the window does.
    event->accept();
    return true;
  }
  QKeyEvent asLatin(QEvent::KeyPress, latin, key->modifiers(), key->nativeScanCode(),
                    key->nativeVirtualKey(), key->nativeModifiers(), QString(), key->isAutoRepeat(),
                    static_cast<quint16>(key->count()));
  QCoreApplication::sendEvent(watched, &asLatin);
  return true;
}

}  // namespace periodic
