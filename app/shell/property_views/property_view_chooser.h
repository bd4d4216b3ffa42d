#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "component/vexel_interface.h"
#include "table/property_view.h"

class QAction;
class QComboBox;
class QLabel;
class QMainWindow;
class QMenu;
class QSlider;
class QSpinBox;
class QToolBar;

namespace table {

// The property views in the main window: the submenu "Окраска по свойству" of the View menu,
// the list at the end of the toolbar, and a bar of its own with the slider and the field of the
// temperature or the year. What is chosen goes to the control and to PropertyView.ini.
class PropertyViewChooser : public QObject {
  Q_OBJECT

 public:
  // Reads the settings file and shows the stored view.
  PropertyViewChooser(QMainWindow& window, QMenu& viewMenu, QToolBar& toolbar,
                      vexel::VexelControl& control, QString settingsPath);

  const periodic::PropertyView& view() const { return m_view; }
  void choose(periodic::PropertyViewKind kind);
  // The temperature or the year, whichever the view has; clamped to its range.
  void setSliderValue(int value);

  // A colour mode of the colour scheme was asked for while a view is shown: the view goes,
  // the scheme's colours come back as they were, and true says the request is served.
  bool leaveForColourMode(const QString& property);

 private:
  void buildMenu(QMenu& viewMenu);
  void buildToolbar(QToolBar& toolbar);
  void buildSliderBar(QMainWindow& window);
  // Menus, list and slider follow the view; the control draws it.
  void show();
  void save();

  vexel::VexelControl& m_control;
  QString m_settingsPath;
  periodic::PropertyView m_view;
  std::vector<QAction*> m_menuItems;
  QComboBox* cmbPropertyView = nullptr;
  QToolBar* tlbPropertyValue = nullptr;
  QLabel* lblPropertyValue = nullptr;
  QSlider* sldPropertyValue = nullptr;
  QSpinBox* spnPropertyValue = nullptr;
};

}  // namespace table
