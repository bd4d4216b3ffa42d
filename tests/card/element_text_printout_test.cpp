#include "card/element_text_printout.h"

#include <gtest/gtest.h>

#include "card_recording.h"
#include "data/builtin_records.h"

namespace periodic {
namespace {

ElementRecord Record(int n) {
  return DecodeElementRecord(EncodeElementRecord(BuiltinRecords().at(n - 1)));
}

// The printed lines, with the pieces that share a line joined.
std::vector<std::string> Lines(const RecordedCanvas& r) {
  std::vector<std::string> lines;
  double lastY = -1;
  for (const PrintedText& t : r.texts()) {
    // Raised counts stand 50 twips above their line.
    const bool sameLine = !lines.empty() && (t.y == lastY || t.y == lastY - 50);
    if (sameLine)
      lines.back() += t.text;
    else
      lines.push_back(t.text), lastY = t.y;
  }
  return lines;
}

TEST(PrintElementAsText, TenLabelledLines) {
  RecordedCanvas r;
  PrintElementAsText(r.canvas, Record(26));
  const std::vector<std::string> expected = {
      "Химический знак: Fe",
      "Порядковый номер: 26",
      "Атомная масса: 55,847",
      "Русское название: Железо",
      "Латинское название: Ferrum",
      "Металлические св-ва: Металл",
      "Застраеваемый подуровень (s, p, d, f): d",
      "Распределение электронов по уровням, от внешнего к внутреннему: 2 14 8 2",
      // The whole 25-character formula, its trailing blanks included.
      "Распределение электронов по застраивающимся уровням и подуровням: 3d64s2" +
          std::string(13, ' '),
      "Электроотрицательность: 1,8",
  };
  EXPECT_EQ(Lines(r), expected);
  const std::vector<PrintedText> texts = r.texts();
  ASSERT_GE(texts.size(), 10u);
  EXPECT_EQ(texts.front().size, 12);
  EXPECT_EQ(texts.front().x, 0);
  EXPECT_EQ(texts.front().y, 0);
  // The counts are 2 points smaller and 50 twips higher than their line.
  const PrintedText& label9 = texts[8];
  const PrintedText& six = texts[11];
  EXPECT_EQ(six.text, "6");
  EXPECT_EQ(six.size, 10);
  EXPECT_EQ(six.y, label9.y - 50);
  EXPECT_EQ(texts.back().y, label9.y + 12 * 23);
}

TEST(PrintElementAsText, InertGasHasNoElectronegativity) {
  RecordedCanvas r;
  PrintElementAsText(r.canvas, Record(2));
  const std::vector<std::string> lines = Lines(r);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[5], "Металлические св-ва: Инертный газ");
  EXPECT_EQ(lines[9], "Электроотрицательность: ");
}

TEST(MetallicCharacterText, FromClassBits) {
  const std::pair<std::int32_t, const char*> cases[] = {
      {0, "Инертный газ"},
      {1, "Металл"},
      {33, "Металл"},
      {289, "Металл"},
      {2, "Неметалл"},
      {18, "Неметалл"},
      {4, "Неметалл"},
      {511, "Металл"},
      // Both bits: amphoteric, a metal by the record's rule (Al 3, Be 11).
      {3, "Металл"},
      {11, "Металл"},
      // The colour codes of old data files.
      {10744303, "Неметалл"},
      {12303359, "Металл"},
      {11269045, "Инертный газ"},
      {-1, ""},
      {512, ""},
      {13434879, ""},
  };
  for (const auto& [category, text] : cases)
    EXPECT_EQ(MetallicCharacterText(category), text) << category;
}

TEST(PrintElementAsText, AmphotericElementsAreMetals) {
  for (const int n : {4, 13, 31, 32, 49, 50, 51, 83, 84}) {
    RecordedCanvas r;
    PrintElementAsText(r.canvas, Record(n));
    const std::vector<std::string> lines = Lines(r);
    ASSERT_EQ(lines.size(), 10u) << n;
    EXPECT_EQ(lines[5], "Металлические св-ва: Металл") << lines[0];
  }
  RecordedCanvas boron;
  PrintElementAsText(boron.canvas, Record(5));
  EXPECT_EQ(Lines(boron)[5], "Металлические св-ва: Неметалл");
}

}  // namespace
}  // namespace periodic
