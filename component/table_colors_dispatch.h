#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace periodic {

enum class TableColorsMemberKind { kPropertyPut, kPropertyGet, kMethod };

struct TableColorsDispatchEntry {
  std::string_view name;
  std::int32_t dispid;
  TableColorsMemberKind kind;
};

// Members of the _clsTableColors interface with their dispatch identifiers, in the order of their
// slots after the seven standard dispatch slots. The first nine properties come write before
// read, the last four read before write.
inline constexpr std::array<TableColorsDispatchEntry, 31> kTableColorsDispatch = {{
    {"TransitionalColor", 0x6803000C, TableColorsMemberKind::kPropertyPut},
    {"TransitionalColor", 0x6803000C, TableColorsMemberKind::kPropertyGet},
    {"HalogenColor", 0x6803000B, TableColorsMemberKind::kPropertyPut},
    {"HalogenColor", 0x6803000B, TableColorsMemberKind::kPropertyGet},
    {"AlkalineplainColor", 0x6803000A, TableColorsMemberKind::kPropertyPut},
    {"AlkalineplainColor", 0x6803000A, TableColorsMemberKind::kPropertyGet},
    {"AlkalineColor", 0x68030009, TableColorsMemberKind::kPropertyPut},
    {"AlkalineColor", 0x68030009, TableColorsMemberKind::kPropertyGet},
    {"DifferByElementType", 0x68030008, TableColorsMemberKind::kPropertyPut},
    {"DifferByElementType", 0x68030008, TableColorsMemberKind::kPropertyGet},
    {"FColor", 0x68030007, TableColorsMemberKind::kPropertyPut},
    {"FColor", 0x68030007, TableColorsMemberKind::kPropertyGet},
    {"DColor", 0x68030006, TableColorsMemberKind::kPropertyPut},
    {"DColor", 0x68030006, TableColorsMemberKind::kPropertyGet},
    {"PColor", 0x68030005, TableColorsMemberKind::kPropertyPut},
    {"PColor", 0x68030005, TableColorsMemberKind::kPropertyGet},
    {"SColor", 0x68030004, TableColorsMemberKind::kPropertyPut},
    {"SColor", 0x68030004, TableColorsMemberKind::kPropertyGet},
    {"MetallColor", 0x68030003, TableColorsMemberKind::kPropertyGet},
    {"MetallColor", 0x68030003, TableColorsMemberKind::kPropertyPut},
    {"NonMetallColor", 0x68030002, TableColorsMemberKind::kPropertyGet},
    {"NonMetallColor", 0x68030002, TableColorsMemberKind::kPropertyPut},
    {"InertGassColor", 0x68030001, TableColorsMemberKind::kPropertyGet},
    {"InertGassColor", 0x68030001, TableColorsMemberKind::kPropertyPut},
    {"AmfoternColor", 0x68030000, TableColorsMemberKind::kPropertyGet},
    {"AmfoternColor", 0x68030000, TableColorsMemberKind::kPropertyPut},
    {"LoadData2", 0x6003000E, TableColorsMemberKind::kMethod},
    {"LoadData", 0x6003000F, TableColorsMemberKind::kMethod},
    {"SaveData", 0x60030010, TableColorsMemberKind::kMethod},
    {"RestoreDefaults", 0x60030011, TableColorsMemberKind::kMethod},
    {"GetColor", 0x60030012, TableColorsMemberKind::kMethod},
}};

// Dispatch identifier of a member, or -1 (the "unknown" identifier) when the interface has no
// member of that name.
constexpr std::int32_t TableColorsDispid(std::string_view name) {
  for (const TableColorsDispatchEntry& entry : kTableColorsDispatch) {
    if (entry.name == name) return entry.dispid;
  }
  return -1;
}

}  // namespace periodic
