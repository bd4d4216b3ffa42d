#pragma once

#include <QObject>

class QKeyEvent;

namespace periodic {

// Whether `target` is a field the user types text into (or selects text in): a line edit, a
// text editor or browser, a spin box, an editable combo box.
bool IsTextField(const QObject* target);

// Whether the key is one of the editing keys a text field serves itself: Ctrl with C, V, X, A,
// Z or Y, Ctrl+Shift+Z, and Ctrl or Shift with Insert and Delete. The key is taken as the key
// itself (VirtualKey), so that the Russian layout counts too.
bool IsEditingKey(const QKeyEvent& key);

// Gives the text fields of the program their editing keys under any keyboard layout. With the
// Russian layout active Ctrl+V arrives as Ctrl with the Cyrillic letter on that key, which a
// field does not take for pasting; installed on the application, this filter hands such a key
// to the field again as the Latin key it is on. Latin keys pass untouched.
class EditingKeysForAnyLayout : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace periodic
