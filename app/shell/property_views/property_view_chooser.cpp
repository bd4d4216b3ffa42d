#include "app/shell/property_views/property_view_chooser.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QToolBar>
#include <algorithm>

#include "app/shell/property_views/property_view_settings.h"

namespace table {
namespace {

using periodic::PropertyViewKind;

QString NameOf(int kind) {
  return QString::fromStdString(periodic::PropertyViewName(static_cast<PropertyViewKind>(kind)));
}

bool HasSlider(PropertyViewKind kind) {
  return kind == PropertyViewKind::StatesOfMatter || kind == PropertyViewKind::DiscoveryTimeline;
}

}  // namespace

PropertyViewChooser::PropertyViewChooser(QMainWindow& window, QMenu& viewMenu, QToolBar& toolbar,
                                         vexel::VexelControl& control, QString settingsPath)
    : QObject(&window),
      m_control(control),
      m_settingsPath(std::move(settingsPath)),
      m_view(ReadPropertyView(m_settingsPath)) {
  setObjectName("PropertyViewChooser");
  buildMenu(viewMenu);
  buildToolbar(toolbar);
  buildSliderBar(window);
  m_control.setViewTemperature(m_view.temperature);
  m_control.setViewYear(m_view.year);
  m_control.setPropertyView(static_cast<std::int32_t>(m_view.kind));
  show();
}

void PropertyViewChooser::buildMenu(QMenu& viewMenu) {
  viewMenu.addSeparator()->setObjectName("mnuView_Bar3");
  QMenu* views = viewMenu.addMenu("Окраска по свойству");
  views->setObjectName("mnuView_PropertyViews");
  auto* group = new QActionGroup(this);
  QMenu* byProperty = nullptr;
  for (int kind = 0; kind < periodic::kPropertyViewKindCount; ++kind) {
    QMenu* menu = views;
    if (periodic::ColouredProperty(static_cast<PropertyViewKind>(kind))) {
      if (!byProperty) {
        byProperty = views->addMenu("По свойству");
        byProperty->setObjectName("mnuPropertyView_ByProperty");
      }
      menu = byProperty;
    }
    QAction* item = menu->addAction(NameOf(kind));
    item->setObjectName(QString("mnuPropertyView_%1").arg(kind));
    item->setCheckable(true);
    group->addAction(item);
    connect(item, &QAction::triggered, this,
            [this, kind] { choose(static_cast<PropertyViewKind>(kind)); });
    m_menuItems.push_back(item);
  }
}

void PropertyViewChooser::buildToolbar(QToolBar& toolbar) {
  toolbar.addSeparator();
  cmbPropertyView = new QComboBox;
  cmbPropertyView->setObjectName("cmbPropertyView");
  cmbPropertyView->setToolTip("Окраска по свойству");
  for (int kind = 0; kind < periodic::kPropertyViewKindCount; ++kind)
    cmbPropertyView->addItem(NameOf(kind));
  cmbPropertyView->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  // The keys stay with the table, as with the zoom list.
  cmbPropertyView->setFocusPolicy(Qt::NoFocus);
  toolbar.addWidget(cmbPropertyView);
  connect(cmbPropertyView, &QComboBox::activated, this,
          [this](int index) { choose(static_cast<PropertyViewKind>(index)); });
}

void PropertyViewChooser::buildSliderBar(QMainWindow& window) {
  // A row of its own, so that the slider never hides behind the toolbar's overflow.
  window.addToolBarBreak();
  tlbPropertyValue = window.addToolBar("Значение для окраски");
  tlbPropertyValue->setObjectName("tlbPropertyValue");
  tlbPropertyValue->setMovable(false);
  lblPropertyValue = new QLabel;
  lblPropertyValue->setObjectName("lblPropertyValue");
  sldPropertyValue = new QSlider(Qt::Horizontal);
  sldPropertyValue->setObjectName("sldPropertyValue");
  sldPropertyValue->setMinimumWidth(240);
  spnPropertyValue = new QSpinBox;
  spnPropertyValue->setObjectName("spnPropertyValue");
  spnPropertyValue->setAccelerated(true);
  lblPropertyValue->setBuddy(spnPropertyValue);
  tlbPropertyValue->addWidget(lblPropertyValue);
  tlbPropertyValue->addWidget(sldPropertyValue);
  tlbPropertyValue->addWidget(spnPropertyValue);
  connect(sldPropertyValue, &QSlider::valueChanged, this, &PropertyViewChooser::setSliderValue);
  connect(spnPropertyValue, &QSpinBox::valueChanged, this, &PropertyViewChooser::setSliderValue);
  // A drag is saved once, when the slider is let go.
  connect(sldPropertyValue, &QSlider::sliderReleased, this, &PropertyViewChooser::save);
}

void PropertyViewChooser::choose(PropertyViewKind kind) {
  m_view.kind = kind;
  m_control.setPropertyView(static_cast<std::int32_t>(kind));
  show();
  save();
}

void PropertyViewChooser::setSliderValue(int value) {
  if (m_view.kind == PropertyViewKind::StatesOfMatter) {
    m_view.temperature =
        std::clamp(value, periodic::kLowestTemperature, periodic::kHighestTemperature);
    m_control.setViewTemperature(m_view.temperature);
  } else if (m_view.kind == PropertyViewKind::DiscoveryTimeline) {
    m_view.year = std::clamp(value, periodic::kEarliestYear, periodic::CurrentYear());
    m_control.setViewYear(m_view.year);
  } else {
    return;
  }
  show();
  if (!sldPropertyValue->isSliderDown()) save();
}

bool PropertyViewChooser::leaveForColourMode(const QString& property) {
  if (m_view.kind == PropertyViewKind::None) return false;
  if (property != "DifferSPDF" && property != "DifferMetalsNonmetals" && property != "InvertColors")
    return false;
  choose(PropertyViewKind::None);
  return true;
}

void PropertyViewChooser::show() {
  const int kind = static_cast<int>(m_view.kind);
  m_menuItems[static_cast<std::size_t>(kind)]->setChecked(true);
  cmbPropertyView->setCurrentIndex(kind);
  const bool states = m_view.kind == PropertyViewKind::StatesOfMatter;
  tlbPropertyValue->setVisible(HasSlider(m_view.kind));
  if (!HasSlider(m_view.kind)) return;
  const QSignalBlocker blockSlider(sldPropertyValue);
  const QSignalBlocker blockField(spnPropertyValue);
  const int lowest = states ? periodic::kLowestTemperature : periodic::kEarliestYear;
  const int highest = states ? periodic::kHighestTemperature : periodic::CurrentYear();
  lblPropertyValue->setText(states ? "&Температура: " : "&Год: ");
  sldPropertyValue->setRange(lowest, highest);
  sldPropertyValue->setPageStep(states ? 100 : 10);
  spnPropertyValue->setRange(lowest, highest);
  spnPropertyValue->setSuffix(states ? " K" : " г.");
  const int value = states ? m_view.temperature : m_view.year;
  sldPropertyValue->setValue(value);
  spnPropertyValue->setValue(value);
}

void PropertyViewChooser::save() {
  WritePropertyView(m_settingsPath, m_view);
}

}  // namespace table
