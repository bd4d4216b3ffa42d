#include <QAction>
#include <QVariant>
#include <QWidget>

#include "app/shell/main_window/frm_table_viewer.h"
#include "app/shell/property_views/property_view_chooser.h"

namespace table {
namespace {

// The menu item and the check button that mirror a plain on/off property.
struct CheckMirror {
  const char* property;
  const char* menuItem;
  const char* button;  // nullptr: no button
};

constexpr CheckMirror kCheckMirrors[] = {
    {"MoveOutInertGases", "mnuView_MoveOutInertGases", "MoveOutInertGases"},
    {"ShowHighestOxidesTable", "mnuView_ShowHighestOxidesTable", "OxidesTable"},
    {"LatInsteadOfRus", "mnuView_ShowLatInsteadOfRus", "LatRus"},
    {"ShowElementsName", "mnuView_ShowRussianLatinName", nullptr},
    {"ShowAtomicMass", "mnuView_ShowAtomicMass", nullptr},
    {"DifferSPDF", "mnuView_DifferSPDF", "DifferSPDF"},
    {"DifferMetalsNonmetals", "mnuDifferMtlsNonmtls", "DifferMtlsNonmtls"},
    {"InvertColors", "mnuView_InvertColorCoding", "InvertColors"},
};

}  // namespace

void frmTableViewer::toggleView(const char* property) {
  if (!m_halden) return;
  if (m_propertyViews && m_propertyViews->leaveForColourMode(QString::fromLatin1(property))) {
    // The property stays; the item's and the button's check marks go back to it.
    mirrorProperty(QString::fromLatin1(property));
    return;
  }
  QObject* control = m_halden->widget();
  control->setProperty(property, !control->property(property).toBool());
  mirrorProperty(QString::fromLatin1(property));
}

void frmTableViewer::mirrorProperty(const QString& property) {
  if (!m_halden) return;
  const bool value = m_halden->widget()->property(property.toLatin1().constData()).toBool();
  if (property == "LongPeriods") {
    m_menuItems["mnuView_ShortLongPeriods"]->setText(value ? "&Короткие периоды"
                                                           : "&Длинные периоды");
    setButtonImage("ShortLongPeriods", value ? "ShrtPrds" : "LngPrds");
    m_buttons["ShortLongPeriods"]->setToolTip(value ? "Короткие периоды" : "Длинные периоды");
    m_menuItems["mnuView_MoveOutInertGases"]->setEnabled(!value);
    m_menuItems["mnuView_ShowHighestOxidesTable"]->setEnabled(!value);
    setButtonVisible("OxidesTable", !value);
    setButtonVisible("MoveOutInertGases", !value);
    return;
  }
  for (const CheckMirror& mirror : kCheckMirrors) {
    if (property != QLatin1String(mirror.property)) continue;
    m_menuItems[mirror.menuItem]->setChecked(value);
    if (mirror.button) setButtonPressed(mirror.button, value);
  }
  if (property == "ShowElementsName") {
    m_menuItems["mnuView_ShowLatInsteadOfRus"]->setEnabled(value);
    setButtonVisible("LatRus", value);
  } else if (property == "InvertColors") {
    // Under inversion the fill shows the blocks and the symbols the metallic character, so the
    // two buttons trade images.
    setButtonImage("DifferSPDF", value ? "DifferMetlsNonmetls" : "DifferSPDF");
    setButtonImage("DifferMtlsNonmtls", value ? "DifferSPDF" : "DifferMetlsNonmetls");
  }
}

void frmTableViewer::mirrorAll() {
  mirrorProperty("LongPeriods");
  mirrorProperty("InvertColors");
  for (const CheckMirror& mirror : kCheckMirrors)
    mirrorProperty(QString::fromLatin1(mirror.property));
}

}  // namespace table
