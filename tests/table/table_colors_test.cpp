#include "table/table_colors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace periodic {
namespace {

constexpr char kDefaultText[] =
    " 255 16711680 10066176 9868950 12303359 10744303 11269045 13434879 13132850 6604850 "
    "16744703 3302600 ";

// The colours in the order of the colour text.
std::vector<std::int32_t> TextOrder(const clsTableColors& c) {
  return {c.SColor(),         c.PColor(),
          c.DColor(),         c.FColor(),
          c.MetallColor(),    c.NonMetallColor(),
          c.InertGassColor(), c.AmfoternColor(),
          c.AlkalineColor(),  c.AlkalineplainColor(),
          c.HalogenColor(),   c.TransitionalColor()};
}

const std::vector<std::int32_t> kDefaults = {255,      16711680, 10066176, 9868950,
                                             12303359, 10744303, 11269045, 13434879,
                                             13132850, 6604850,  16744703, 3302600};

// A scheme with every colour changed from its default and the switch on, so that a fallback
// to the defaults is visible in every field.
clsTableColors Customised() {
  clsTableColors c;
  c.setSColor(1);
  c.setPColor(2);
  c.setDColor(3);
  c.setFColor(4);
  c.setMetallColor(5);
  c.setNonMetallColor(6);
  c.setAmfoternColor(7);
  c.setInertGassColor(8);
  c.setAlkalineColor(9);
  c.setAlkalineplainColor(10);
  c.setHalogenColor(11);
  c.setTransitionalColor(12);
  c.setDifferByElementType(true);
  return c;
}

void ExpectDefaults(const clsTableColors& c) {
  EXPECT_EQ(TextOrder(c), kDefaults);
  EXPECT_FALSE(c.DifferByElementType());
}

TEST(TableColors, NewSchemeWritesDefaultText) {
  clsTableColors c;
  ExpectDefaults(c);
  EXPECT_EQ(c.SaveData(), kDefaultText);
  EXPECT_EQ(c.SaveData().size(), 101u);

  clsTableColors changed = Customised();
  changed.RestoreDefaults();
  ExpectDefaults(changed);
}

TEST(TableColors, SaveDataWritesNegativeValuesWithoutBlank) {
  clsTableColors c;
  c.setSColor(-1);
  c.setPColor(0);
  c.setTransitionalColor(INT32_MIN);
  EXPECT_EQ(c.SaveData(),
            "-1 0 10066176 9868950 12303359 10744303 11269045 13434879 13132850 6604850 "
            "16744703-2147483648 ");
}

TEST(TableColors, RoundTripKeepsColoursAndSwitch) {
  clsTableColors source = Customised();
  source.setSColor(0);
  source.setFColor(INT32_MAX);
  source.setAmfoternColor(0x00FFFFFF);
  std::string text = source.SaveData();

  for (bool differ : {false, true}) {
    clsTableColors target;
    target.setDifferByElementType(differ);
    std::string data = text;
    target.LoadData(data);
    EXPECT_EQ(TextOrder(target), TextOrder(source));
    EXPECT_EQ(target.DifferByElementType(), differ);
  }
}

TEST(TableColors, LoadDataAcceptsTextPaddedToConfigurationField) {
  const clsTableColors source = Customised();
  std::string padded = source.SaveData();
  padded.resize(120, ' ');
  clsTableColors target;
  target.LoadData(padded);
  EXPECT_EQ(TextOrder(target), TextOrder(source));
}

TEST(TableColors, LoadDataTrimsAndAppendsOneBlank) {
  const struct {
    std::string in;
    std::string out;
  } cases[] = {
      {"", " "},
      {"     ", " "},
      {"1 2", "1 2 "},
      {"  1 2 3   ", "1 2 3 "},
      {std::string(kDefaultText) + std::string(19, ' '), std::string(kDefaultText).substr(1)},
  };
  for (const auto& tc : cases) {
    clsTableColors c;
    std::string data = tc.in;
    c.LoadData(data);
    EXPECT_EQ(data, tc.out) << '"' << tc.in << '"';
  }
}

// Texts that must leave the scheme at its defaults, whatever it held and read before the error.
TEST(TableColors, LoadDataFallsBackToDefaults) {
  const std::string eleven = "1 2 3 4 5 6 7 8 9 10 11";
  std::string negative_inside = Customised().SaveData();  // every value positive
  negative_inside.replace(negative_inside.find(" 3 "), 3, "-3 ");
  const struct {
    const char* name;
    std::string text;
  } cases[] = {
      {"empty", ""},
      {"only blanks", std::string(120, ' ')},
      {"eleven values", eleven},
      {"eleven values, blank at end", eleven + "   "},
      {"negative colour after the first", negative_inside},
      {"just above 32-bit range", "1 2147483648 3 4 5 6 7 8 9 10 11 12"},
      {"just below 32-bit range", "1 2 3 4 5 6 7 8 9 10 11 -2147483649"},
      {"half above the largest", "1 2 3 4 2147483647.5 6 7 8 9 10 11 12"},
      {"huge exponent", "1 2 3 4 5 1E400 7 8 9 10 11 12"},
      {"endless exponent", "1 2 3 4 5 1D99999999999999999999999 7 8 9 10 11 12"},
      {"long mantissa", "1 2 3 4 5 6 7 8 9 10 11 " + std::string(400, '9')},
  };
  for (const auto& tc : cases) {
    clsTableColors c = Customised();
    std::string data = tc.text;
    c.LoadData(data);
    SCOPED_TRACE(tc.name);
    ExpectDefaults(c);
  }
}

TEST(TableColors, LoadDataReadsValuesLikeBasicVal) {
  const struct {
    const char* token;
    std::int32_t value;
  } cases[] = {
      {"abc", 0},
      {"-", 0},
      {".", 0},
      {"--5", 0},
      {"+7", 7},
      {"12abc", 12},
      {"1,5", 1},
      {"0.5", 0},
      {"1.5", 2},
      {"2.5", 2},
      {"3.5", 4},
      {"-2.5", -2},
      {"-3.5", -4},
      {"2.5000001", 3},
      {".75", 1},
      {"-.4", 0},
      {"1E3", 1000},
      {"1e+3", 1000},
      {"15D-1", 2},
      {"25E-1", 2},
      {"1E", 1},
      {"1E+", 1},
      {"2Ex5", 2},
      {"1E-400", 0},
      {"0E999999", 0},
      {"000000000000000000000042", 42},
      {"2147483647", 2147483647},
      {"2147483647.4", 2147483647},
      {"-2147483648", INT32_MIN},
      {"-2147483648.5", INT32_MIN},
      {"&HFF", 0},
  };
  for (const auto& tc : cases) {
    clsTableColors c;
    std::string data = std::string("1 2 3 4 ") + tc.token + " 6 7 8 9 10 11 12";
    c.LoadData(data);
    EXPECT_EQ(c.MetallColor(), tc.value) << tc.token;
    EXPECT_EQ(c.NonMetallColor(), 6) << tc.token;
    EXPECT_EQ(c.TransitionalColor(), 12) << tc.token;
  }
}

TEST(TableColors, LoadDataNonNumericFifthValueIsBlack) {
  clsTableColors c;
  std::string data = " 11 12 13 14 abc 16 17 18 19 20 21 22 ";
  c.LoadData(data);
  EXPECT_EQ(TextOrder(c),
            (std::vector<std::int32_t>{11, 12, 13, 14, 0, 16, 17, 18, 19, 20, 21, 22}));
}

TEST(TableColors, LoadDataSplitsOnlyAtBlanks) {
  clsTableColors c;
  // A minus without a blank in front belongs to the previous token, which stops reading there;
  // the thirteenth value and anything after it is ignored.
  std::string data = "-5 1-2 3 4 5 6 7 8 9 10 11 12 13 junk";
  c.LoadData(data);
  EXPECT_EQ(TextOrder(c), (std::vector<std::int32_t>{-5, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
}

TEST(TableColors, LoadDataRejectsBlanksBeyondSixteenBitPositions) {
  // Twelve values; LoadData appends the blank after the last one at the given 1-based position.
  const auto text_with_last_blank_at = [](std::size_t position) {
    std::string text = "1 2 3 4 5 6 7 8 9 10 11 ";
    text.append(position - text.size() - 2, '0');
    return text + "2";
  };
  {
    clsTableColors c = Customised();
    std::string data = text_with_last_blank_at(32766);
    c.LoadData(data);
    ASSERT_EQ(data.size(), 32766u);
    EXPECT_EQ(c.TransitionalColor(), 2);
    EXPECT_EQ(c.SColor(), 1);
  }
  for (std::size_t position : {32767u, 32768u, 40000u}) {
    clsTableColors c = Customised();
    std::string data = text_with_last_blank_at(position);
    c.LoadData(data);
    ASSERT_EQ(data.size(), position);
    ExpectDefaults(c);
  }
  {
    // The first separator too far into the text.
    clsTableColors c = Customised();
    std::string data = std::string(33000, '7') + " 2 3 4 5 6 7 8 9 10 11 12";
    c.LoadData(data);
    ExpectDefaults(c);
  }
}

TEST(TableColors, LoadData2ReadsHexadecimal) {
  clsTableColors c;
  c.setDifferByElementType(true);
  c.LoadData2("FF FF0000 ff00 0 1 a B c D e F 10 ");
  EXPECT_EQ(TextOrder(c),
            (std::vector<std::int32_t>{255, 16711680, 65280, 0, 1, 10, 11, 12, 13, 14, 15, 16}));
  EXPECT_TRUE(c.DifferByElementType());

  // No trimming here: each leading blank ends a token of its own, read as 0.
  c.LoadData2("   1 2 3 4 5 6 7 8 9 A B C");
  EXPECT_EQ(TextOrder(c), (std::vector<std::int32_t>{0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(TableColors, LoadData2ValueRules) {
  const struct {
    const char* token;
    std::int32_t value;
  } cases[] = {
      {"xyz", 0},        {"-FF", 0},
      {"1G2", 1},        {"0000000000007fffffff", 0x7FFFFFFF},
      {"FFFFFFFF", 1},  // -1 as a 32-bit number, stored as its absolute value
      {"FFFFFF00", 256}, {"80000001", 0x7FFFFFFF},
  };
  for (const auto& tc : cases) {
    clsTableColors c;
    c.LoadData2(std::string("1 2 3 4 ") + tc.token + " 6 7 8 9 A B C ");
    EXPECT_EQ(c.MetallColor(), tc.value) << tc.token;
    EXPECT_EQ(c.NonMetallColor(), 6) << tc.token;
    EXPECT_EQ(c.TransitionalColor(), 12) << tc.token;
  }
}

TEST(TableColors, LoadData2FallsBackToDefaults) {
  const struct {
    const char* name;
    std::string text;
  } cases[] = {
      {"empty", ""},
      {"no blank", "FF"},
      {"no final blank", "1 2 3 4 5 6 7 8 9 A B C"},
      {"eleven values", "1 2 3 4 5 6 7 8 9 A B "},
      {"nine digits", "1 2 3 4 123456789 6 7 8 9 A B C "},
      {"no absolute value", "1 2 3 4 80000000 6 7 8 9 A B C "},
      {"blank too far", std::string(32766, '0') + " 2 3 4 5 6 7 8 9 A B C "},
  };
  for (const auto& tc : cases) {
    clsTableColors c = Customised();
    c.LoadData2(tc.text);
    SCOPED_TRACE(tc.name);
    ExpectDefaults(c);
  }
}

TEST(TableColors, GetColorByCategoryCode) {
  clsTableColors c = Customised();
  // Customised: metal 5, non-metal 6, amphoteric 7, inert 8, alkali 9, alkaline-earth 10,
  // halogen 11, transition 12.
  const struct {
    std::int32_t code;
    std::int32_t plain;    // DifferByElementType false
    std::int32_t by_type;  // DifferByElementType true
  } cases[] = {
      {0, 8, 8},     {1, 5, 5},          {2, 6, 6},      {3, 7, 7},         {5, 5, 9},
      {9, 5, 10},    {18, 6, 11},        {33, 5, 12},    {63, 7, 12},       {4, 0, 9},
      {64, 0, 0},    {128 + 256, 0, 0},  {64 + 1, 5, 5}, {511, 7, 12},      {512, 7, 12},
      {1000, 7, 12}, {INT32_MAX, 7, 12}, {-1, 0, 0},     {INT32_MIN, 0, 0},
  };
  for (const auto& tc : cases) {
    c.setDifferByElementType(false);
    EXPECT_EQ(c.GetColor(tc.code), tc.plain) << tc.code;
    c.setDifferByElementType(true);
    EXPECT_EQ(c.GetColor(tc.code), tc.by_type) << tc.code;
  }
}

}  // namespace
}  // namespace periodic
