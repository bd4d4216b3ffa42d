#include "app/shell/settings/table_options.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include "temp_folder_test.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "data/data_error.h"

namespace table {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr std::int32_t kBackColor = 0x00C0FFEE;
constexpr float kDesignHeight = 6480.0f;
constexpr float kDesignWidth = 9600.0f;

TableOptions Defaults() {
  return DefaultTableOptions(kBackColor, kDesignHeight, kDesignWidth);
}

// Every field differs from its default, so a field that falls back to the default shows.
TableOptions Stored(IntegerForm form) {
  TableOptions o;
  o.SaveWindowPos = true;
  o.WindowLeft = 1234.5f;
  o.WindowTop = -60.0f;
  o.WindowHeight = 7200.0f;
  o.WindowWidth = 10800.0f;
  o.WindowState = kWindowMaximised;
  o.WindowStateForm = form;
  o.ViewerInvertColors = true;
  o.ViewerBlackAndWhite = true;
  o.ColorsData = FitColorsData("1 255 0 -1 16711680 65280 0 0 12632256");
  o.TableBackColor = 0x00123456;
  o.ShowToolbar = 0;
  o.ShowStatusbar = 0;
  return o;
}

std::uint16_t U16At(const Bytes& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
std::uint32_t U32At(const Bytes& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
void PutU16(Bytes& b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void PutFloat(Bytes& b, std::size_t at, float v) {
  const auto bits = std::bit_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

class TableOptionsTest : public TempFolderTest {
 protected:
  std::string Ini() const { return (m_dir / "Table.ini").string(); }
};

// First start: no Table.ini, defaults, and the file written at closing holds 156 bytes with
// WindowState in its 32-bit form and SaveWindowPos false.
TEST_F(TableOptionsTest, FirstStartWritesTheDefaultsIn156Bytes) {
  TableOptions o = Defaults();
  EXPECT_FALSE(ReadTableIni(Ini(), o));
  EXPECT_EQ(o, Defaults());
  EXPECT_TRUE(o.ToolbarOn());
  EXPECT_TRUE(o.StatusbarOn());

  WriteTableIni(Ini(), o);
  const Bytes b = Contents(Ini());
  ASSERT_EQ(b.size(), 156u);
  EXPECT_EQ(U16At(b, 0), 0u);  // SaveWindowPos
  EXPECT_EQ(U32At(b, 2), 0u);  // WindowLeft
  EXPECT_EQ(U32At(b, 6), 0u);  // WindowTop
  EXPECT_EQ(U32At(b, 10), std::bit_cast<std::uint32_t>(kDesignHeight));
  EXPECT_EQ(U32At(b, 14), std::bit_cast<std::uint32_t>(kDesignWidth));
  EXPECT_EQ(U16At(b, 18), 3u);
  EXPECT_EQ(U32At(b, 20), 0u);
  EXPECT_EQ(U16At(b, 24), 0u);
  EXPECT_EQ(U16At(b, 26), 0u);
  EXPECT_EQ(Bytes(b.begin() + 28, b.begin() + 148), Bytes(120, 0));  // ColorsData: NULs
  EXPECT_EQ(U32At(b, 148), static_cast<std::uint32_t>(kBackColor));
  EXPECT_EQ(U16At(b, 152), 0xFFFFu);
  EXPECT_EQ(U16At(b, 154), 0xFFFFu);
  EXPECT_EQ(Entries(), std::vector<std::string>{"Table.ini"});
}

TEST_F(TableOptionsTest, FieldsFollowTheFormOfWindowState) {
  struct Case {
    IntegerForm form;
    std::size_t size, invertAt, blackWhiteAt, colorsAt, backAt, toolbarAt, statusbarAt;
  };
  for (const Case c : {Case{IntegerForm::Int16, 154, 22, 24, 26, 146, 150, 152},
                       Case{IntegerForm::Int32, 156, 24, 26, 28, 148, 152, 154}}) {
    SCOPED_TRACE(c.size);
    TableOptions o = Stored(c.form);
    o.ViewerBlackAndWhite = false;
    o.ShowStatusbar = -1;
    const Bytes b = EncodeTableOptions(o);
    ASSERT_EQ(b.size(), c.size);
    EXPECT_EQ(U16At(b, 0), 0xFFFFu);
    EXPECT_EQ(U32At(b, 2), std::bit_cast<std::uint32_t>(1234.5f));
    EXPECT_EQ(U32At(b, 6), std::bit_cast<std::uint32_t>(-60.0f));
    EXPECT_EQ(U32At(b, 10), std::bit_cast<std::uint32_t>(7200.0f));
    EXPECT_EQ(U32At(b, 14), std::bit_cast<std::uint32_t>(10800.0f));
    EXPECT_EQ(U16At(b, 18), static_cast<std::uint16_t>(c.form));
    EXPECT_EQ(U16At(b, 20), 2u);
    EXPECT_EQ(U16At(b, c.invertAt), 0xFFFFu);
    EXPECT_EQ(U16At(b, c.blackWhiteAt), 0u);
    EXPECT_EQ(std::string(b.begin() + c.colorsAt, b.begin() + c.colorsAt + 120), o.ColorsData);
    EXPECT_EQ(U32At(b, c.backAt), 0x00123456u);
    EXPECT_EQ(U16At(b, c.toolbarAt), 0u);
    EXPECT_EQ(U16At(b, c.statusbarAt), 0xFFFFu);

    WriteTableIni(Ini(), o);
    TableOptions read = Defaults();
    ASSERT_TRUE(ReadTableIni(Ini(), read));
    EXPECT_EQ(read, o);
    fs::remove(Ini());
  }
}

// After storing the geometry of a maximised window the next start comes up maximised.
TEST_F(TableOptionsTest, MaximisedStateSurvivesInTheShortForm) {
  TableOptions saved = Defaults();
  saved.WindowState = kWindowMaximised;
  saved.WindowStateForm = IntegerForm::Int16;
  WriteTableIni(Ini(), saved);
  const Bytes b = Contents(Ini());
  ASSERT_EQ(b.size(), 154u);
  EXPECT_EQ(Bytes(b.begin() + 18, b.begin() + 22), (Bytes{2, 0, 2, 0}));

  TableOptions next = Defaults();
  ASSERT_TRUE(ReadTableIni(Ini(), next));
  EXPECT_EQ(next.WindowState, kWindowMaximised);
  EXPECT_EQ(next.WindowStateForm, IntegerForm::Int16);
}

TEST_F(TableOptionsTest, WindowStateTooBigForSixteenBitsIsWrittenInFull) {
  TableOptions o = Defaults();
  o.WindowState = 70000;
  o.WindowStateForm = IntegerForm::Int16;
  const Bytes b = EncodeTableOptions(o);
  ASSERT_EQ(b.size(), 156u);
  EXPECT_EQ(U16At(b, 18), 3u);
  EXPECT_EQ(U32At(b, 20), 70000u);
}

TEST_F(TableOptionsTest, SixteenBitStateIsSigned) {
  Bytes b = EncodeTableOptions(Stored(IntegerForm::Int16));
  PutU16(b, 20, 0xFFFF);
  TableOptions o = Defaults();
  ASSERT_TRUE(DecodeTableOptions(b.data(), b.size(), o));
  EXPECT_EQ(o.WindowState, -1);
}

TEST_F(TableOptionsTest, BooleansReadNonZeroAsTrueButBarSwitchesKeepTheirValue) {
  struct Case {
    std::uint16_t raw;
    bool flag;
    bool barOn;
  };
  for (const Case c : {Case{0xFFFF, true, true}, Case{0, false, false}, Case{1, true, false},
                       Case{0x0100, true, false}}) {
    SCOPED_TRACE(c.raw);
    Bytes b = EncodeTableOptions(Defaults());
    for (const std::size_t at : {0, 24, 26, 152, 154}) PutU16(b, at, c.raw);
    WriteFile(Ini(), b);
    TableOptions o = Defaults();
    ASSERT_TRUE(ReadTableIni(Ini(), o));
    EXPECT_EQ(o.SaveWindowPos, c.flag);
    EXPECT_EQ(o.ViewerInvertColors, c.flag);
    EXPECT_EQ(o.ViewerBlackAndWhite, c.flag);
    EXPECT_EQ(o.ToolbarOn(), c.barOn);
    EXPECT_EQ(o.StatusbarOn(), c.barOn);
    // Writing back stores the switches as they were read.
    const Bytes again = EncodeTableOptions(o);
    EXPECT_EQ(U16At(again, 152), c.raw);
    EXPECT_EQ(U16At(again, 154), c.raw);
  }
}

TEST_F(TableOptionsTest, MinimumSizeIsFiveThousandByThreeThousand) {
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  constexpr float kInf = std::numeric_limits<float>::infinity();
  struct Case {
    float width, height, expectedWidth, expectedHeight;
  };
  const Case cases[] = {
      {4000, 2000, 5000, 3000},   {4999.9f, 2999.9f, 5000, 3000}, {5000, 3000, 5000, 3000},
      {12000, 9000, 12000, 9000}, {-5000, -1, 5000, 3000},        {0, 0, 5000, 3000},
      {kNaN, kNaN, 5000, 3000},   {kInf, -kInf, 5000, 3000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    TableOptions o = Defaults();
    o.WindowWidth = c.width;
    o.WindowHeight = c.height;
    ApplyMinimumSize(o);
    EXPECT_EQ(o.WindowWidth, c.expectedWidth);
    EXPECT_EQ(o.WindowHeight, c.expectedHeight);
  }
}

TEST_F(TableOptionsTest, StoredSizesBelowTheMinimumComeUpAtTheMinimum) {
  Bytes b = EncodeTableOptions(Defaults());
  PutFloat(b, 10, 2000.0f);
  PutFloat(b, 14, 4000.0f);
  WriteFile(Ini(), b);
  TableOptions o = Defaults();
  ASSERT_TRUE(ReadTableIni(Ini(), o));
  EXPECT_EQ(o.WindowHeight, 2000.0f);
  EXPECT_EQ(o.WindowWidth, 4000.0f);
  ApplyMinimumSize(o);
  EXPECT_EQ(o.WindowHeight, 3000.0f);
  EXPECT_EQ(o.WindowWidth, 5000.0f);
}

// A record cut short gives the fields it holds completely; the others keep the defaults.
TEST_F(TableOptionsTest, ShortRecordReadsTheCompleteFieldsOnly) {
  using Copy = std::function<void(TableOptions&, const TableOptions&)>;
  struct Field {
    std::size_t end16, end32;
    Copy copy;
  };
  const Field fields[] = {
      {2, 2, [](auto& e, auto& f) { e.SaveWindowPos = f.SaveWindowPos; }},
      {6, 6, [](auto& e, auto& f) { e.WindowLeft = f.WindowLeft; }},
      {10, 10, [](auto& e, auto& f) { e.WindowTop = f.WindowTop; }},
      {14, 14, [](auto& e, auto& f) { e.WindowHeight = f.WindowHeight; }},
      {18, 18, [](auto& e, auto& f) { e.WindowWidth = f.WindowWidth; }},
      {22, 24,
       [](auto& e, auto& f) {
         e.WindowState = f.WindowState;
         e.WindowStateForm = f.WindowStateForm;
       }},
      {24, 26, [](auto& e, auto& f) { e.ViewerInvertColors = f.ViewerInvertColors; }},
      {26, 28, [](auto& e, auto& f) { e.ViewerBlackAndWhite = f.ViewerBlackAndWhite; }},
      {146, 148, [](auto& e, auto& f) { e.ColorsData = f.ColorsData; }},
      {150, 152, [](auto& e, auto& f) { e.TableBackColor = f.TableBackColor; }},
      {152, 154, [](auto& e, auto& f) { e.ShowToolbar = f.ShowToolbar; }},
      {154, 156, [](auto& e, auto& f) { e.ShowStatusbar = f.ShowStatusbar; }},
  };
  const std::size_t lengths[] = {1,   2,   3,   5,   6,   17,  18,  19,  20,  21,
                                 22,  23,  24,  25,  27,  28,  30,  145, 146, 147,
                                 148, 149, 150, 151, 152, 153, 154, 155, 156, 166};
  for (const IntegerForm form : {IntegerForm::Int16, IntegerForm::Int32}) {
    const TableOptions full = Stored(form);
    Bytes record = EncodeTableOptions(full);
    record.resize(kTableIniRecordLength, 0);
    for (const std::size_t length : lengths) {
      SCOPED_TRACE(testing::Message()
                   << "form " << static_cast<int>(form) << ", " << length << " bytes");
      TableOptions expected = Defaults();
      bool complete = true;
      for (const Field& f : fields) {
        if ((form == IntegerForm::Int16 ? f.end16 : f.end32) <= length) {
          f.copy(expected, full);
        } else {
          complete = false;
        }
      }
      WriteFile(Ini(), Bytes(record.begin(), record.begin() + length));
      TableOptions o = Defaults();
      ASSERT_TRUE(ReadTableIni(Ini(), o));
      EXPECT_EQ(o, expected);
      EXPECT_EQ(DecodeTableOptions(record.data(), length, o), complete);
    }
  }
}

TEST_F(TableOptionsTest, UnknownStateTypeCodeLeavesTheRestAtDefaults) {
  for (const std::uint16_t code : {0, 1, 4, 5, 8, 0x0300, 0xFFFF}) {
    SCOPED_TRACE(code);
    const TableOptions full = Stored(IntegerForm::Int32);
    Bytes b = EncodeTableOptions(full);
    PutU16(b, 18, code);
    TableOptions o = Defaults();
    EXPECT_FALSE(DecodeTableOptions(b.data(), b.size(), o));
    TableOptions expected = Defaults();
    expected.SaveWindowPos = full.SaveWindowPos;
    expected.WindowLeft = full.WindowLeft;
    expected.WindowTop = full.WindowTop;
    expected.WindowHeight = full.WindowHeight;
    expected.WindowWidth = full.WindowWidth;
    EXPECT_EQ(o, expected);
  }
}

TEST_F(TableOptionsTest, EmptyFileGivesFalseAndStaysEmpty) {
  WriteFile(Ini(), {});
  TableOptions o = Stored(IntegerForm::Int16);
  EXPECT_FALSE(ReadTableIni(Ini(), o));
  EXPECT_EQ(o, Stored(IntegerForm::Int16));
  EXPECT_TRUE(fs::exists(Ini()));
  EXPECT_EQ(fs::file_size(Ini()), 0u);
}

TEST_F(TableOptionsTest, MissingFileReadsAsEmptyAndIsNotCreated) {
  TableOptions o = Defaults();
  EXPECT_FALSE(ReadTableIni(Ini(), o));
  EXPECT_EQ(o, Defaults());
  EXPECT_FALSE(fs::exists(Ini()));
}

TEST_F(TableOptionsTest, UnreadableFileThrowsNamingItAndLeavesOptionsAlone) {
  fs::create_directory(Ini());
  TableOptions o = Stored(IntegerForm::Int32);
  try {
    ReadTableIni(Ini(), o);
    FAIL() << "no error";
  } catch (const periodic::DataError& e) {
    EXPECT_NE(std::string(e.what()).find(Ini()), std::string::npos) << e.what();
  }
  EXPECT_EQ(o, Stored(IntegerForm::Int32));
}

TEST_F(TableOptionsTest, WriteIntoMissingFolderThrowsNamingTheFile) {
  const std::string path = (m_dir / "missing" / "Table.ini").string();
  try {
    WriteTableIni(path, Defaults());
    FAIL() << "no error";
  } catch (const periodic::DataError& e) {
    EXPECT_EQ(std::string(e.what()), "cannot write file '" + path + "': No such file or directory");
  }
  EXPECT_TRUE(Entries().empty());
}

// Bytes after the record belong to no field; a longer file keeps them, and a record in the
// short form leaves the last two bytes of an earlier long one where they were.
TEST_F(TableOptionsTest, WritingKeepsTheBytesAfterTheRecord) {
  const Bytes old(kTableIniRecordLength, 0xAA);
  WriteFile(Ini(), old);
  const TableOptions o = Stored(IntegerForm::Int16);
  WriteTableIni(Ini(), o);
  const Bytes b = Contents(Ini());
  const Bytes record = EncodeTableOptions(o);
  ASSERT_EQ(b.size(), kTableIniRecordLength);
  EXPECT_EQ(Bytes(b.begin(), b.begin() + 154), record);
  EXPECT_EQ(Bytes(b.begin() + 154, b.end()), Bytes(12, 0xAA));
  EXPECT_EQ(Entries(), std::vector<std::string>{"Table.ini"});

  TableOptions read = Defaults();
  ASSERT_TRUE(ReadTableIni(Ini(), read));
  EXPECT_EQ(read, o);
}

TEST_F(TableOptionsTest, StoredNaNSizeSurvivesReadingAndIsRaisedToTheMinimum) {
  Bytes b = EncodeTableOptions(Defaults());
  PutFloat(b, 10, std::numeric_limits<float>::quiet_NaN());
  PutFloat(b, 14, std::numeric_limits<float>::infinity());
  WriteFile(Ini(), b);
  TableOptions o = Defaults();
  ASSERT_TRUE(ReadTableIni(Ini(), o));
  EXPECT_TRUE(std::isnan(o.WindowHeight));
  ApplyMinimumSize(o);
  EXPECT_EQ(o.WindowHeight, 3000.0f);
  EXPECT_EQ(o.WindowWidth, 5000.0f);
}

TEST_F(TableOptionsTest, ColorsDataIsFilledWithBlanksOrCut) {
  const std::string digits130 = std::string(65, '1') + std::string(65, '2');
  struct Case {
    std::string text, expected;
  };
  const Case cases[] = {
      {"", std::string(120, ' ')},
      {"0 -1 255", "0 -1 255" + std::string(112, ' ')},
      {std::string(120, '7'), std::string(120, '7')},
      {digits130, digits130.substr(0, 120)},
      {std::string(120, '\0'), std::string(120, '\0')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.size());
    EXPECT_EQ(FitColorsData(c.text), c.expected);
    // The record always has its 120 characters, whatever the text in memory.
    TableOptions o = Defaults();
    o.ColorsData = c.text;
    const Bytes b = EncodeTableOptions(o);
    ASSERT_EQ(b.size(), 156u);
    EXPECT_EQ(std::string(b.begin() + 28, b.begin() + 148), c.expected);
  }
}

// The element-type switch lives in the spare bytes 156-165: the marker "ET", the value, zeros.
// The fields before it stay where the record's form puts them; the gap of the short form is zero.
TEST_F(TableOptionsTest, ElementTypeSwitchIsWrittenIntoTheSpareBytes) {
  for (const IntegerForm form : {IntegerForm::Int16, IntegerForm::Int32}) {
    for (const bool on : {false, true}) {
      SCOPED_TRACE(testing::Message() << "form " << static_cast<int>(form) << ", on " << on);
      TableOptions o = Stored(form);
      const Bytes fields = EncodeTableOptions(o);
      o.DifferByElementType = on;
      WriteTableIni(Ini(), o);
      const Bytes b = Contents(Ini());
      ASSERT_EQ(b.size(), 166u);
      EXPECT_EQ(Bytes(b.begin(), b.begin() + fields.size()), fields);
      EXPECT_EQ(Bytes(b.begin() + fields.size(), b.begin() + 156), Bytes(156 - fields.size(), 0));
      const Bytes spare{'E', 'T', static_cast<std::uint8_t>(on ? 1 : 0), 0, 0, 0, 0, 0, 0, 0};
      EXPECT_EQ(Bytes(b.begin() + 156, b.end()), spare);
      TableOptions read = Defaults();
      ASSERT_TRUE(ReadTableIni(Ini(), read));
      EXPECT_EQ(read, o);
    }
  }
}

// Only the marker with 0 or 1 counts: the zeros of an older writer, anything else it may have
// left there, and a record cut inside the spare bytes read as no switch stored.
TEST_F(TableOptionsTest, ElementTypeSwitchIsReadOnlyUnderItsMarker) {
  struct Case {
    Bytes spare;
    std::size_t length;
    std::optional<bool> expected;
  };
  const Case cases[] = {
      {{'E', 'T', 1}, 166, true},         {{'E', 'T', 0}, 166, false},
      {{'E', 'T', 1}, 159, true},         {{'E', 'T', 1}, 158, std::nullopt},
      {{0, 0, 0}, 166, std::nullopt},     {{0xAA, 0xAA, 0xAA}, 166, std::nullopt},
      {{'E', 'T', 2}, 166, std::nullopt}, {{'E', 'T', 0xFF}, 166, std::nullopt},
      {{'T', 'E', 1}, 166, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << int(c.spare[0]) << " " << int(c.spare[2]) << ", " << c.length << " bytes");
    Bytes b = EncodeTableOptions(Stored(IntegerForm::Int16));
    b.resize(kTableIniRecordLength, 0);
    std::copy(c.spare.begin(), c.spare.end(), b.begin() + 156);
    TableOptions o = Defaults();
    EXPECT_TRUE(DecodeTableOptions(b.data(), c.length, o));
    EXPECT_EQ(o.DifferByElementType, c.expected);
  }
}

}  // namespace
}  // namespace table
