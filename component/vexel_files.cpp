#include "component/library_path.h"
#include "component/library_state.h"
#include "component/settings_file.h"
#include "component/vexel.h"

namespace vexel {

Error Vexel::CreateElementsDataFile(QString& filepath) {
  try {
    periodic::WriteBuiltinRecords(filepath.toStdString());
  } catch (const periodic::DataError& e) {
    return FromDataError(e);
  }
  // A control whose own data file could not be opened draws from the file just made.
  if (!m_state.dataFile.IsOpen()) {
    try {
      m_state.dataFile.Open(filepath.toStdString() + "/" + periodic::kElementsFileName);
    } catch (const periodic::DataError& e) {
      return FromDataError(e);
    }
  }
  return {};
}

Error Vexel::CloseElementsDataFile() {
  m_state.dataFile.Close();
  return {};
}

Error Vexel::LoadSettings(QString& filename) {
  try {
    periodic::ReadOptionsFile(filename.toStdString(), m_state.options);
  } catch (const periodic::DataError& e) {
    return FromDataError(e);
  }
  const periodic::DisplayOptions read = m_state.options;
  const bool autoRefresh = m_autoRefresh;
  setAutoRefresh(false);
  setLongPeriods(read.LongPeriods);
  setShowAtomicMass(read.ShowAtomicMass);
  setShowElementsName(read.ShowElementsName);
  setDifferSPDF(read.DifferSPDF);
  setDifferMetalsNonmetals(read.DifferMetalsNonmetals);
  setInvertColors(read.InvertColors);
  // The table always comes back at 100 %, whatever zoom the file holds.
  setZoomVal(100);
  setShowHighestOxidesTable(read.ShowHighestOxidesTable);
  setMoveOutInertGases(read.MoveOutInertGases);
  setLatInsteadOfRus(read.LatInsteadOfRus);
  setOpenViewerOnDblClick(read.OpenViewerOnDblClick);
  setAutoRefresh(autoRefresh);
  return Refresh();
}

Error Vexel::SaveSettings(QString& filename) {
  try {
    periodic::WriteOptionsFile(filename.toStdString(), m_state.options);
  } catch (const periodic::DataError& e) {
    return FromDataError(e);
  }
  return {};
}

Error Vexel::UnloadMe() {
  m_state.unloading = true;
  return {};
}

}  // namespace vexel
