#include "app/viewer/up_down_control.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace table {

UpDownControl::UpDownControl(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  m_up = new QToolButton(this);
  m_up->setObjectName("updUp");
  m_down = new QToolButton(this);
  m_down->setObjectName("updDown");
  for (QToolButton* button : {m_up, m_down}) {
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    layout->addWidget(button);
  }
  m_up->setArrowType(Qt::UpArrow);
  m_down->setArrowType(Qt::DownArrow);
  connect(m_up, &QToolButton::clicked, this, [this] { step(1); });
  connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDownControl::setRange(int minimum, int maximum) {
  m_minimum = minimum;
  m_maximum = maximum;
}

void UpDownControl::setValue(int value) {
  if (value == m_value) return;
  m_value = value;
  emit valueChanged(value);
}

void UpDownControl::step(int by) {
  // A value outside the range steps to the nearer end first.
  setValue(std::clamp(m_value + by, m_minimum, m_maximum));
}

}  // namespace table
