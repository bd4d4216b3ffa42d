#pragma once

#include <QWidget>

class QToolButton;

namespace table {

// An up-down control: two arrow buttons that step a whole number by one within a range
// (without wrapping at either end). The value may be set to anything, also outside the range.
class UpDownControl : public QWidget {
  Q_OBJECT

 public:
  explicit UpDownControl(QWidget* parent = nullptr);

  void setRange(int minimum, int maximum);
  int minimum() const { return m_minimum; }
  int maximum() const { return m_maximum; }
  int value() const { return m_value; }
  // Emits valueChanged when the value changes.
  void setValue(int value);

  QToolButton* upButton() const { return m_up; }
  QToolButton* downButton() const { return m_down; }

 signals:
  void valueChanged(int value);

 private:
  void step(int by);

  QToolButton* m_up;
  QToolButton* m_down;
  int m_minimum = 0;
  int m_maximum = 100;
  int m_value = 0;
};

}  // namespace table
