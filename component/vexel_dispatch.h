#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vexel {

enum class VexelMemberKind { Method, Property };

struct VexelDispatchEntry {
  std::string_view name;
  std::int32_t dispid;
  VexelMemberKind kind;
};

// The members of _Vexel in slot order with their dispatch identifiers: the methods, then the
// properties (each with a read and a write accessor, the read one first).
inline constexpr std::array<VexelDispatchEntry, 38> kVexelDispatch = {{
    {"Refresh", 0x6003001D, VexelMemberKind::Method},
    {"RefreshScrollbars", 0x6003001E, VexelMemberKind::Method},
    {"CloseElementsDataFile", 0x6003001F, VexelMemberKind::Method},
    {"LoadSettings", 0x60030020, VexelMemberKind::Method},
    {"SaveSettings", 0x60030021, VexelMemberKind::Method},
    {"PrintTable", 0x60030022, VexelMemberKind::Method},
    {"SaveAsBitmap", 0x60030023, VexelMemberKind::Method},
    {"ElementsDataFile", 0x60030024, VexelMemberKind::Method},
    {"CreateElementsDataFile", 0x60030025, VexelMemberKind::Method},
    {"UpdateHScrollbar", 0x60030026, VexelMemberKind::Method},
    {"UnloadMe", 0x60030027, VexelMemberKind::Method},
    {"OCXPath", 0x60030028, VexelMemberKind::Method},
    {"OCXName", 0x60030029, VexelMemberKind::Method},
    {"ShowTable", 0x60030030, VexelMemberKind::Method},
    {"ZoomTable", 0x60030031, VexelMemberKind::Method},
    {"LongPeriods", 0x68030016, VexelMemberKind::Property},
    {"ShowAtomicMass", 0x68030015, VexelMemberKind::Property},
    {"ShowElementsName", 0x68030014, VexelMemberKind::Property},
    {"DifferSPDF", 0x68030013, VexelMemberKind::Property},
    {"DifferMetalsNonmetals", 0x68030012, VexelMemberKind::Property},
    {"InvertColors", 0x68030011, VexelMemberKind::Property},
    {"ZoomVal", 0x68030010, VexelMemberKind::Property},
    {"ShowHighestOxidesTable", 0x6803000F, VexelMemberKind::Property},
    {"MoveOutInertGases", 0x6803000E, VexelMemberKind::Property},
    {"LatInsteadOfRus", 0x6803000D, VexelMemberKind::Property},
    {"OpenViewerOnDblClick", 0x6803000C, VexelMemberKind::Property},
    {"AutoRefresh", 0x6803000B, VexelMemberKind::Property},
    {"AutoRefreshOnResize", 0x6803000A, VexelMemberKind::Property},
    {"Colors", 0x68030009, VexelMemberKind::Property},
    {"BackColor", 0x68030008, VexelMemberKind::Property},
    {"VScrollBarValue", 0x68030007, VexelMemberKind::Property},
    {"VScrollBarMin", 0x68030006, VexelMemberKind::Property},
    {"VScrollBarMax", 0x68030005, VexelMemberKind::Property},
    {"VScrollBarVisible", 0x68030004, VexelMemberKind::Property},
    {"HScrollBarValue", 0x68030003, VexelMemberKind::Property},
    {"HScrollBarMin", 0x68030002, VexelMemberKind::Property},
    {"HScrollBarMax", 0x68030001, VexelMemberKind::Property},
    {"HScrollBarVisible", 0x68030000, VexelMemberKind::Property},
}};

// The events of __Vexel.
inline constexpr std::int32_t kAdditionalInfoAskedDispid = 1;
inline constexpr std::int32_t kChangeStatusbarTextDispid = 2;

}  // namespace vexel
