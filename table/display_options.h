#pragma once

#include <array>
#include <cstdint>

namespace periodic {

// The control's display options, shared by every table on a thread. The field order is that of
// the settings record (see component/settings_file.h), which writes them without the gap
// that alignment puts before ZoomVal.
struct DisplayOptions {
  bool LongPeriods = false;
  bool ShowAtomicMass = true;
  bool ShowElementsName = true;
  bool LatInsteadOfRus = false;
  bool DifferSPDF = true;
  bool DifferMetalsNonmetals = true;
  bool InvertColors = false;
  bool ShowHighestOxidesTable = true;
  bool MoveOutInertGases = false;
  std::int32_t ZoomVal = 100;
  std::array<std::uint8_t, 10> Reserved{};
  bool OpenViewerOnDblClick = true;

  bool operator==(const DisplayOptions&) const = default;
};

}  // namespace periodic
