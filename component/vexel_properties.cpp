#include <QScrollBar>

#include "component/library_state.h"
#include "component/output_picture.h"
#include "component/vexel.h"

namespace vexel {

using periodic::DisplayOptions;

Error Vexel::redrawIfShown() {
  if (!m_firstShow && m_autoRefresh) return Refresh();
  return {};
}

Error Vexel::setDisplayFlag(bool DisplayOptions::*flag, bool value, const char* name) {
  m_state.options.*flag = value;
  emit PropertyChanged(QString::fromLatin1(name));
  return redrawIfShown();
}

bool Vexel::LongPeriods() const {
  return m_state.options.LongPeriods;
}
Error Vexel::setLongPeriods(bool v) {
  return setDisplayFlag(&DisplayOptions::LongPeriods, v, "LongPeriods");
}
bool Vexel::ShowAtomicMass() const {
  return m_state.options.ShowAtomicMass;
}
Error Vexel::setShowAtomicMass(bool v) {
  return setDisplayFlag(&DisplayOptions::ShowAtomicMass, v, "ShowAtomicMass");
}
bool Vexel::ShowElementsName() const {
  return m_state.options.ShowElementsName;
}
Error Vexel::setShowElementsName(bool v) {
  return setDisplayFlag(&DisplayOptions::ShowElementsName, v, "ShowElementsName");
}
bool Vexel::DifferSPDF() const {
  return m_state.options.DifferSPDF;
}
Error Vexel::setDifferSPDF(bool v) {
  return setDisplayFlag(&DisplayOptions::DifferSPDF, v, "DifferSPDF");
}
bool Vexel::DifferMetalsNonmetals() const {
  return m_state.options.DifferMetalsNonmetals;
}
Error Vexel::setDifferMetalsNonmetals(bool v) {
  return setDisplayFlag(&DisplayOptions::DifferMetalsNonmetals, v, "DifferMetalsNonmetals");
}
bool Vexel::InvertColors() const {
  return m_state.options.InvertColors;
}
Error Vexel::setInvertColors(bool v) {
  return setDisplayFlag(&DisplayOptions::InvertColors, v, "InvertColors");
}
bool Vexel::ShowHighestOxidesTable() const {
  return m_state.options.ShowHighestOxidesTable;
}
Error Vexel::setShowHighestOxidesTable(bool v) {
  return setDisplayFlag(&DisplayOptions::ShowHighestOxidesTable, v, "ShowHighestOxidesTable");
}
bool Vexel::MoveOutInertGases() const {
  return m_state.options.MoveOutInertGases;
}
Error Vexel::setMoveOutInertGases(bool v) {
  return setDisplayFlag(&DisplayOptions::MoveOutInertGases, v, "MoveOutInertGases");
}
bool Vexel::LatInsteadOfRus() const {
  return m_state.options.LatInsteadOfRus;
}
Error Vexel::setLatInsteadOfRus(bool v) {
  return setDisplayFlag(&DisplayOptions::LatInsteadOfRus, v, "LatInsteadOfRus");
}

bool Vexel::OpenViewerOnDblClick() const {
  return m_state.options.OpenViewerOnDblClick;
}
Error Vexel::setOpenViewerOnDblClick(bool v) {
  m_state.options.OpenViewerOnDblClick = v;
  emit PropertyChanged("OpenViewerOnDblClick");
  return {};
}

std::int32_t Vexel::ZoomVal() const {
  return m_state.options.ZoomVal;
}
Error Vexel::setZoomVal(std::int32_t v) {
  if (v < kMinZoomVal || v > kMaxZoomVal) return {};
  Error error = ZoomTable(v);
  if (error.failed()) return error;
  emit PropertyChanged("ZoomVal");
  return {};
}

Error Vexel::setAutoRefresh(bool v) {
  m_autoRefresh = v;
  emit PropertyChanged("AutoRefresh");
  return {};
}

Error Vexel::setAutoRefreshOnResize(bool v) {
  m_autoRefreshOnResize = v;
  emit PropertyChanged("AutoRefreshOnResize");
  return {};
}

Error Vexel::setBackColor(std::int32_t v) {
  m_backColor = v;
  emit PropertyChanged("BackColor");
  return redrawIfShown();
}

std::int16_t Vexel::VScrollBarValue() const {
  return vscrPicUpDown->value();
}
Error Vexel::setVScrollBarValue(std::int16_t v) {
  vscrPicUpDown->setValue(v);
  emit PropertyChanged("VScrollBarValue");
  return {};
}
std::int16_t Vexel::VScrollBarMin() const {
  return vscrPicUpDown->minimum();
}
Error Vexel::setVScrollBarMin(std::int16_t v) {
  vscrPicUpDown->setMinimum(v);
  emit PropertyChanged("VScrollBarMin");
  return {};
}
std::int16_t Vexel::VScrollBarMax() const {
  return vscrPicUpDown->maximum();
}
Error Vexel::setVScrollBarMax(std::int16_t v) {
  vscrPicUpDown->setMaximum(v);
  emit PropertyChanged("VScrollBarMax");
  return {};
}
bool Vexel::VScrollBarVisible() const {
  return !vscrPicUpDown->isHidden();
}
Error Vexel::setVScrollBarVisible(bool v) {
  vscrPicUpDown->setVisible(v);
  emit PropertyChanged("VScrollBarVisible");
  return {};
}
std::int16_t Vexel::HScrollBarValue() const {
  return hscrPicRightLeft->value();
}
Error Vexel::setHScrollBarValue(std::int16_t v) {
  hscrPicRightLeft->setValue(v);
  emit PropertyChanged("HScrollBarValue");
  return {};
}
std::int16_t Vexel::HScrollBarMin() const {
  return hscrPicRightLeft->minimum();
}
Error Vexel::setHScrollBarMin(std::int16_t v) {
  hscrPicRightLeft->setMinimum(v);
  emit PropertyChanged("HScrollBarMin");
  return {};
}
std::int16_t Vexel::HScrollBarMax() const {
  return hscrPicRightLeft->maximum();
}
Error Vexel::setHScrollBarMax(std::int16_t v) {
  hscrPicRightLeft->setMaximum(v);
  emit PropertyChanged("HScrollBarMax");
  return {};
}
bool Vexel::HScrollBarVisible() const {
  return !hscrPicRightLeft->isHidden();
}
Error Vexel::setHScrollBarVisible(bool v) {
  hscrPicRightLeft->setVisible(v);
  emit PropertyChanged("HScrollBarVisible");
  return {};
}

}  // namespace vexel
