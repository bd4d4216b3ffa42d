#include "data/element_record.h"

#include <gtest/gtest.h>

namespace periodic {
namespace {

ElementRecord Iron() {
  ElementRecord r;
  r.SideSubgroup = true;
  r.Number = 26;
  r.Symbol = "Fe";
  r.AtomicMass = "55,847";
  r.NameRus = "Железо";
  r.NameLat = "Ferrum";
  r.ElectronFormula = "3d^\"6\"4s^\"2\"";
  r.ElectronLevels = "2 14 8 2";
  r.Electronegativity = "1,8";
  r.Category = 33;
  r.Block = "d";
  return r;
}

std::string Field(const ElementRecordBytes& bytes, std::size_t offset, std::size_t width) {
  return std::string(reinterpret_cast<const char*>(bytes.data()) + offset, width);
}

TEST(ElementRecord, EncodesEveryFieldAtItsOffset) {
  const ElementRecordBytes b = EncodeElementRecord(Iron());
  EXPECT_EQ(b[0], 0xFF);
  EXPECT_EQ(b[1], 0xFF);
  EXPECT_EQ(b[2], 26);
  EXPECT_EQ(Field(b, 3, 4), "Fe  ");
  EXPECT_EQ(Field(b, 7, 10), "55,847    ");
  EXPECT_EQ(Field(b, 17, 20), "\xC6\xE5\xEB\xE5\xE7\xEE              ");
  EXPECT_EQ(Field(b, 37, 20), "Ferrum              ");
  EXPECT_EQ(Field(b, 57, 25), "3d^\"6\"4s^\"2\"" + std::string(13, ' '));
  EXPECT_EQ(Field(b, 82, 20), "2 14 8 2            ");
  EXPECT_EQ(Field(b, 102, 50), std::string(50, '\0'));
  EXPECT_EQ(Field(b, 152, 20), "1,8                 ");
  EXPECT_EQ(Field(b, 172, 4), std::string("\x21\0\0\0", 4));
  EXPECT_EQ(Field(b, 176, 4), "d   ");
}

TEST(ElementRecord, DecodingKeepsTheFieldWidthAndRoundTrips) {
  const ElementRecord decoded = DecodeElementRecord(EncodeElementRecord(Iron()));
  EXPECT_TRUE(decoded.SideSubgroup);
  EXPECT_EQ(decoded.Symbol, "Fe  ");
  EXPECT_EQ(decoded.NameRus, "Железо              ");
  EXPECT_EQ(decoded.Category, 33);
  EXPECT_EQ(EncodeElementRecord(decoded), EncodeElementRecord(Iron()));
}

TEST(ElementRecord, NegativeCategoryAndTooLongTextStayInsideTheRecord) {
  ElementRecord r = Iron();
  r.Category = -2;
  r.Symbol = "Abcdefgh";
  r.SideSubgroup = false;
  const ElementRecordBytes b = EncodeElementRecord(r);
  EXPECT_EQ(Field(b, 0, 2), std::string("\0\0", 2));
  EXPECT_EQ(Field(b, 3, 4), "Abcd");
  EXPECT_EQ(Field(b, 7, 10), "55,847    ");
  EXPECT_EQ(DecodeElementRecord(b).Category, -2);
}

TEST(ElementRecord, AnyNonZeroSubgroupFlagMeansSideSubgroup) {
  ElementRecordBytes b{};
  b[0] = 0x01;
  EXPECT_TRUE(DecodeElementRecord(b).SideSubgroup);
  EXPECT_EQ(TrimRight("H   "), "H");
  EXPECT_EQ(TrimRight("    "), "");
  EXPECT_EQ(TrimRight(" —"), " —");
}

}  // namespace
}  // namespace periodic
