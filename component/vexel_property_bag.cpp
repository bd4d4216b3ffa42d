#include "component/library_state.h"
#include "component/vexel.h"

namespace vexel {
namespace {

// The stored keys in the order they are written and read, with their defaults.
struct BoolKey {
  const char* name;
  bool defaultValue;
};

}  // namespace

void Vexel::ReadProperties(PropertyBag& bag) {
  // Values go straight into place: no setter runs, so nothing redraws, zooms, checks a range
  // or notifies the host.
  periodic::DisplayOptions& o = m_state.options;
  auto readBool = [&bag](const char* key, bool defaultValue) {
    return bag.ReadProperty(key, defaultValue).toBool();
  };
  o.LongPeriods = readBool("LongPeriods", false);
  o.DifferSPDF = readBool("DifferSPDF", true);
  o.DifferMetalsNonmetals = readBool("DifferMetalsNonmetals", true);
  o.ShowAtomicMass = readBool("ShowAtomicMass", true);
  o.ShowElementsName = readBool("ShowElementsName", true);
  o.InvertColors = readBool("InvertColors", false);
  o.ZoomVal = bag.ReadProperty("ZoomVal", 100).toInt();
  o.ShowHighestOxidesTable = readBool("ShowHighestOxidesTable", true);
  o.MoveOutInertGases = readBool("MoveOutInertGases", false);
  o.LatInsteadOfRus = readBool("LatInsteadOfRus", false);
  o.OpenViewerOnDblClick = readBool("OpenViewerOnDblClick", true);
  m_autoRefresh = readBool("AutoRefresh", true);
  m_autoRefreshOnResize = readBool("AutoRefreshOnResize", true);
  m_backColor = bag.ReadProperty("BackColor", periodic::kSystemWindowBackground).toInt();
}

void Vexel::WriteProperties(PropertyBag& bag) const {
  const periodic::DisplayOptions& o = m_state.options;
  const BoolKey flags[] = {
      {"LongPeriods", false},   {"DifferSPDF", true},       {"DifferMetalsNonmetals", true},
      {"ShowAtomicMass", true}, {"ShowElementsName", true}, {"InvertColors", false},
  };
  const bool flagValues[] = {o.LongPeriods,    o.DifferSPDF,       o.DifferMetalsNonmetals,
                             o.ShowAtomicMass, o.ShowElementsName, o.InvertColors};
  for (std::size_t i = 0; i < std::size(flags); ++i)
    bag.WriteProperty(flags[i].name, flagValues[i], flags[i].defaultValue);
  bag.WriteProperty("ZoomVal", o.ZoomVal, 100);
  bag.WriteProperty("ShowHighestOxidesTable", o.ShowHighestOxidesTable, true);
  bag.WriteProperty("MoveOutInertGases", o.MoveOutInertGases, false);
  bag.WriteProperty("LatInsteadOfRus", o.LatInsteadOfRus, false);
  bag.WriteProperty("OpenViewerOnDblClick", o.OpenViewerOnDblClick, true);
  bag.WriteProperty("AutoRefresh", m_autoRefresh, true);
  bag.WriteProperty("AutoRefreshOnResize", m_autoRefreshOnResize, true);
  bag.WriteProperty("BackColor", m_backColor, periodic::kSystemWindowBackground);
}

}  // namespace vexel
