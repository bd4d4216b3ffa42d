#include "component/table_colors_dispatch.h"

#include <gtest/gtest.h>

namespace periodic {
namespace {

TEST(TableColors, DispatchTableSlotOrder) {
  ASSERT_EQ(kTableColorsDispatch.size(), 31u);
  EXPECT_EQ(kTableColorsDispatch.front().name, "TransitionalColor");
  EXPECT_EQ(kTableColorsDispatch[18].name, "MetallColor");
  EXPECT_EQ(kTableColorsDispatch[18].kind, TableColorsMemberKind::kPropertyGet);
  EXPECT_EQ(kTableColorsDispatch.back().name, "GetColor");
  static_assert(TableColorsDispid("AmfoternColor") == 0x68030000);
  static_assert(TableColorsDispid("LoadData2") == 0x6003000E);
  static_assert(TableColorsDispid("GetColor") == 0x60030012);
  static_assert(TableColorsDispid("Colors") == -1);
  // Each property occupies two adjacent slots with one identifier, one read and one write.
  for (std::size_t i = 0; i < 26; i += 2) {
    EXPECT_EQ(kTableColorsDispatch[i].name, kTableColorsDispatch[i + 1].name);
    EXPECT_EQ(kTableColorsDispatch[i].dispid, kTableColorsDispatch[i + 1].dispid);
    EXPECT_NE(kTableColorsDispatch[i].kind, kTableColorsDispatch[i + 1].kind);
  }
}

}  // namespace
}  // namespace periodic
