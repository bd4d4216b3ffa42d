#include "card/electron_formula.h"

#include <gtest/gtest.h>

#include "card_recording.h"

namespace periodic {
namespace {

struct FormulaCase {
  const char* formula;
  std::vector<PrintedText> texts;
  double endX;
  double endY;
  double endSize;
};

// Base 10 points at (0, 1000): a character is 100 twips wide, 80 at 8 points.
TEST(PrintEFormula, RaisesCountsAndRestoresAtClosingQuote) {
  const FormulaCase cases[] = {
      {R"(1s^"1")",
       {{0, 1000, 10, false, 0, "1"}, {100, 1000, 10, false, 0, "s"}, {200, 950, 8, false, 0, "1"}},
       280,
       1000,
       10},
      {R"(3d^"6"4s^"2")",
       {{0, 1000, 10, false, 0, "3"},
        {100, 1000, 10, false, 0, "d"},
        {200, 950, 8, false, 0, "6"},
        {280, 1000, 10, false, 0, "4"},
        {380, 1000, 10, false, 0, "s"},
        {480, 950, 8, false, 0, "2"}},
       560,
       1000,
       10},
      // A two-digit count is raised as a whole; a zero count is drawn like any other.
      {R"(4f^"14")",
       {{0, 1000, 10, false, 0, "4"},
        {100, 1000, 10, false, 0, "f"},
        {200, 950, 8, false, 0, "1"},
        {280, 950, 8, false, 0, "4"}},
       360,
       1000,
       10},
      {R"(5s^"0")",
       {{0, 1000, 10, false, 0, "5"}, {100, 1000, 10, false, 0, "s"}, {200, 950, 8, false, 0, "0"}},
       280,
       1000,
       10},
      // A '^' without a quoted count keeps the smaller, raised font to the end.
      {"2s^2p",
       {{0, 1000, 10, false, 0, "2"},
        {100, 1000, 10, false, 0, "s"},
        {200, 950, 8, false, 0, "2"},
        {280, 950, 8, false, 0, "p"}},
       360,
       950,
       8},
      // A quoted run without a '^' ends larger and lower than it began.
      {R"(2s"2"p)",
       {{0, 1000, 10, false, 0, "2"},
        {100, 1000, 10, false, 0, "s"},
        {200, 1000, 10, false, 0, "2"},
        {300, 1050, 12, false, 0, "p"}},
       420,
       1050,
       12},
      // Trailing blanks are printed and move the pen.
      {R"(1s^"2"  )",
       {{0, 1000, 10, false, 0, "1"},
        {100, 1000, 10, false, 0, "s"},
        {200, 950, 8, false, 0, "2"},
        {280, 1000, 10, false, 0, " "},
        {380, 1000, 10, false, 0, " "}},
       480,
       1000,
       10},
      {"", {}, 0, 1000, 10},
  };
  for (const FormulaCase& c : cases) {
    RecordedCanvas r;
    r.canvas.setFontSize(10);
    r.canvas.setCurrentY(1000);
    PrintEFormula(c.formula, r.canvas);
    EXPECT_EQ(r.texts(), c.texts) << c.formula;
    EXPECT_EQ(r.canvas.currentX(), c.endX) << c.formula;
    EXPECT_EQ(r.canvas.currentY(), c.endY) << c.formula;
    EXPECT_EQ(r.canvas.font().size, c.endSize) << c.formula;
  }
}

struct LevelsCase {
  const char* levels;
  // Line (1 = the starting line) and text of each printed character.
  std::vector<std::pair<int, std::string>> lines;
};

// At 8 points a line is 184 twips high and a character 80 twips wide.
TEST(PrintELevels, ColumnOfSevenLinesAlignedAtTheBottom) {
  const LevelsCase cases[] = {
      {"1", {{7, "1"}}},
      {"2 14 8 2", {{4, "2"}, {5, "1"}, {5, "4"}, {6, "8"}, {7, "2"}}},
      {"1 8 18 32 18 8 2",
       {{1, "1"},
        {2, "8"},
        {3, "1"},
        {3, "8"},
        {4, "3"},
        {4, "2"},
        {5, "1"},
        {5, "8"},
        {6, "8"},
        {7, "2"}}},
      // A doubled blank counts one more shell and leaves its line empty.
      {"2  8", {{5, "2"}, {7, "8"}}},
      {"", {}},
  };
  for (const LevelsCase& c : cases) {
    RecordedCanvas r;
    r.canvas.setFontSize(8);
    r.canvas.setCurrentX(2650.4);
    r.canvas.setCurrentY(50);
    PrintELevels(c.levels, r.canvas);
    const std::vector<PrintedText> texts = r.texts();
    ASSERT_EQ(texts.size(), c.lines.size()) << c.levels;
    double lastLine = 0;
    double nextX = 2650;
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const auto& [line, text] = c.lines[i];
      // Lines after a line end start at the rounded starting x, not where the previous count
      // ended; seven shells start on the pen's own line, where it stood.
      if (line != lastLine) nextX = line == 1 ? 2650.4 : 2650;
      EXPECT_NEAR(texts[i].y, 50 + (line - 1) * 184.0, 1e-9) << c.levels << " #" << i;
      EXPECT_NEAR(texts[i].x, nextX, 1e-9) << c.levels << " #" << i;
      EXPECT_EQ(texts[i].text, text) << c.levels << " #" << i;
      lastLine = line;
      nextX += 80;
    }
    // Six line ends for the empty text, and the pen ends on line 7 in every case.
    EXPECT_NEAR(r.canvas.currentY(), 50 + 6 * 184.0, 1e-9) << c.levels;
  }
}

}  // namespace
}  // namespace periodic
