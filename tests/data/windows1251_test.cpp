#include "data/windows1251.h"

#include <gtest/gtest.h>

namespace periodic {
namespace {

TEST(Windows1251, DecodesRussianAndPunctuation) {
  EXPECT_EQ(DecodeWindows1251("\xC2\xEE\xE4\xEE\xF0\xEE\xE4"), "Водород");
  EXPECT_EQ(DecodeWindows1251("\xA8\xB8"), "Ёё");
  EXPECT_EQ(DecodeWindows1251(" \x97"), " —");
  EXPECT_EQ(DecodeWindows1251("\xB9"), "№");
  EXPECT_EQ(DecodeWindows1251("\x98"), "\xEF\xBF\xBD");
  EXPECT_EQ(DecodeWindows1251(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Windows1251, EveryAssignedByteSurvivesARoundTrip) {
  for (int b = 0; b < 256; ++b) {
    if (b == 0x98) continue;
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(EncodeWindows1251(DecodeWindows1251(byte)), byte) << b;
  }
}

TEST(Windows1251, UnknownOrMalformedTextBecomesQuestionMarks) {
  EXPECT_EQ(EncodeWindows1251("日本"), "??");
  EXPECT_EQ(EncodeWindows1251("\xD0"), "?");  // truncated sequence
  EXPECT_EQ(EncodeWindows1251("\xFF"
                              "A"),
            "?A");                                    // invalid lead byte
  EXPECT_EQ(EncodeWindows1251("\xEF\xBF\xBD"), "?");  // U+FFFD has no byte
  EXPECT_EQ(EncodeWindows1251("Железо"), "\xC6\xE5\xEB\xE5\xE7\xEE");
}

}  // namespace
}  // namespace periodic
