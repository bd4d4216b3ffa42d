#include "app/dialogs/option_group_tabbing.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QRadioButton>

namespace table {
namespace {

// The options that exclude each other with `option`: its siblings under the same parent.
bool SameGroup(const QWidget* widget, const QRadioButton* option) {
  const auto* other = qobject_cast<const QRadioButton*>(widget);
  return other != nullptr && other->parentWidget() == option->parentWidget() &&
         other->autoExclusive() && option->autoExclusive();
}

QRadioButton* SelectedOfGroup(QRadioButton* option) {
  if (option->isChecked() || option->parentWidget() == nullptr) return option;
  for (QRadioButton* other :
       option->parentWidget()->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (SameGroup(other, option) && other->isChecked() && other->isEnabled()) return other;
  }
  return option;
}

bool TakesTabFocus(const QWidget* widget) {
  return (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() &&
         widget->isVisibleTo(widget->window()) && widget->focusProxy() == nullptr;
}

}  // namespace

void OptionGroupTabbing::watch(QRadioButton* option) {
  option->installEventFilter(this);
}

bool OptionGroupTabbing::leaveGroup(QRadioButton* from, bool forward) {
  QWidget* next = forward ? from->nextInFocusChain() : from->previousInFocusChain();
  while (next != nullptr && next != from) {
    if (!SameGroup(next, from) && TakesTabFocus(next)) {
      next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
    next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
  }
  return false;
}

bool OptionGroupTabbing::eventFilter(QObject* watched, QEvent* event) {
  auto* option = qobject_cast<QRadioButton*>(watched);
  if (option == nullptr) return false;
  if (event->type() == QEvent::FocusIn) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    QRadioButton* selected = SelectedOfGroup(option);
    if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && selected != option)
      selected->setFocus(reason);
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const Qt::KeyboardModifiers held =
      key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (key->key() == Qt::Key_Tab && held == Qt::NoModifier) return leaveGroup(option, true);
  if (key->key() == Qt::Key_Backtab || (key->key() == Qt::Key_Tab && held == Qt::ShiftModifier))
    return leaveGroup(option, false);
  return false;
}

}  // namespace table
