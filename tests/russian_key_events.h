#pragma once

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

// Key events as an X11 session with the Russian layout active delivers them: key() is the
// Cyrillic capital on the key, text() the typed letter, the native scan code the X11 keycode.
struct RussianKey {
  Qt::Key latin;
  char16_t capital;
  char16_t typed;
  quint32 x11Keycode;
};

inline constexpr RussianKey kRussianKeys[] = {
    {Qt::Key_Q, u'Й', u'й', 24}, {Qt::Key_P, u'З', u'з', 33}, {Qt::Key_N, u'Т', u'т', 57},
    {Qt::Key_V, u'М', u'м', 55}, {Qt::Key_Z, u'Я', u'я', 52}, {Qt::Key_F, u'А', u'а', 41},
    {Qt::Key_C, u'С', u'с', 54}, {Qt::Key_X, u'Ч', u'ч', 53}, {Qt::Key_A, u'Ф', u'ф', 38},
};

inline const RussianKey& RussianKeyFor(Qt::Key latin) {
  for (const RussianKey& key : kRussianKeys) {
    if (key.latin == latin) return key;
  }
  return kRussianKeys[0];
}

// Sends a press and a release of the key that carries `latin`, as the Russian layout types it.
inline void SendRussianKey(QWidget* target, Qt::Key latin,
                           Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  const RussianKey& key = RussianKeyFor(latin);
  const QString text =
      (modifiers & (Qt::ControlModifier | Qt::AltModifier))
          ? QString()
          : QString(QChar(modifiers & Qt::ShiftModifier ? key.capital : key.typed));
  for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent event(type, key.capital, modifiers, key.x11Keycode, 0, 0, text);
    QCoreApplication::sendEvent(target, &event);
  }
}
