#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table/frame_test_support.h"

namespace periodic {
namespace {

using namespace frame_test;

TEST(RomanNumeral, ZeroToFourteen) {
  const char* const expected[] = {"",     "I",  "II", "III", "IV",  "V",    "VI", "VII",
                                  "VIII", "IX", "X",  "XI",  "XII", "XIII", ""};
  for (int k = 0; k <= 14; ++k) EXPECT_EQ(RomanNumeral(k), expected[k]) << "k = " << k;
}

TEST(ExtraRowsFilled, FollowsWhetherTheCellsAreFilled) {
  struct Case {
    bool invert, spdf, metals, filled;
  };
  const Case cases[] = {
      {false, false, false, false}, {false, false, true, true},  {false, true, false, false},
      {false, true, true, true},    {true, false, false, false}, {true, false, true, false},
      {true, true, false, true},    {true, true, true, true},
  };
  for (const Case& c : cases) {
    DisplayOptions o;
    o.InvertColors = c.invert;
    o.DifferSPDF = c.spdf;
    o.DifferMetalsNonmetals = c.metals;
    EXPECT_EQ(ExtraRowsFilled(o), c.filled)
        << "invert " << c.invert << " spdf " << c.spdf << " metals " << c.metals;
  }
}

TEST(ShortFormFrame, HeaderBandAndGroupCells) {
  const Frame f(ShortForm());
  const double X = f.X(), Y = f.Y();
  EXPECT_TRUE(f.HasBox(X, Y - 600, X + 9000, Y));
  EXPECT_FALSE(f.HasBox(X, Y - 600, X + 9900, Y));
  // Group VIII spans columns 7 to 9; the other groups one column each.
  EXPECT_TRUE(f.HasBox(X + 6300, Y - 300, X + 9000, Y));
  EXPECT_FALSE(f.HasBox(X + 6300, Y - 300, X + 7200, Y));

  struct Case {
    int column;
    std::string text;
  };
  const Case cases[] = {
      {0, "A" + Blanks(6) + "I" + Blanks(6) + "B"},
      {1, "A" + Blanks(6) + "II" + Blanks(6) + "B"},
      {2, "A" + Blanks(5) + "III" + Blanks(5) + "B"},
      {3, "A" + Blanks(5) + "IV" + Blanks(5) + "B"},
      {4, "A" + Blanks(5) + "V" + Blanks(5) + "B"},
      {5, "A" + Blanks(5) + "VI" + Blanks(5) + "B"},
      {6, "A" + Blanks(4) + "VII" + Blanks(4) + "B"},
      {7, " A" + Blanks(23) + "VIII" + Blanks(23) + "B "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.column);
    if (c.column < 7) {
      EXPECT_TRUE(f.HasBox(X + 900 * c.column, Y - 300, X + 900 * (c.column + 1), Y));
    }
    ExpectTextAt(f, c.text, X + 900 * c.column + 50, Y - 225, 8);
    EXPECT_TRUE(f.Text(c.text).font.bold);
  }
  ExpectTextAt(f, "Г р у п п ы  э л е м е н т о в", X + 3155, Y - 575, 11);
}

TEST(ShortFormFrame, EmptyPlacesAndRightEdge) {
  const Frame f(ShortForm());
  const double X = f.X(), Y = f.Y();
  for (int i = 0; i <= 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(f.HasBox(X + 900 * i, Y, X + 900 * (i + 1), Y + 600));
    EXPECT_TRUE(f.HasBox(X + 7200, Y + 600 * i, X + 9000, Y + 600 * (i + 1)));
  }
  EXPECT_TRUE(f.HasBox(X + 9000, Y, X + 9000, Y + 6000));
}

TEST(ShortFormFrame, PeriodColumnInRomanNumerals) {
  const Frame f(ShortForm());
  const double X = f.X(), Y = f.Y();
  EXPECT_TRUE(f.HasBox(X - 900, Y - 600, X - 360, Y));
  ExpectTextAt(f, "Период", X - 890, Y - 420, 7);

  struct Case {
    std::string numeral;
    double top, bottom;  // the period's cell
    double textX, textY;
  };
  const Case cases[] = {
      {"I", Y, Y + 600, X - 620, Y + 180},
      {"II", Y + 600, Y + 1200, X - 630, Y + 780},
      {"III", Y + 1200, Y + 1800, X - 640, Y + 1380},
      {"IV", Y + 1800, Y + 3000, X - 650, Y + 2280},
      {"V", Y + 3000, Y + 4200, X - 670, Y + 3480},
      {"VI", Y + 4200, Y + 5400, X - 690, Y + 4680},
      {"VII", Y + 5400, Y + 6000, X - 710, Y + 5580},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.numeral);
    EXPECT_TRUE(f.HasBox(X - 900, c.top, X - 360, c.bottom));
    ExpectTextAt(f, c.numeral, c.textX, c.textY, 8);
  }
}

TEST(ShortFormFrame, RowColumnInArabicNumerals) {
  const Frame f(ShortForm());
  const double X = f.X(), Y = f.Y();
  EXPECT_TRUE(f.HasBox(X - 360, Y - 600, X, Y));
  ExpectTextAt(f, "Ряд", X - 300, Y - 420, 7);
  for (int row = 1; row <= 10; ++row) {
    SCOPED_TRACE(row);
    EXPECT_TRUE(f.HasBox(X - 360, Y + 600 * (row - 1), X, Y + 600 * row));
    const double x = row == 10 ? X - 305 : X - 230;
    ExpectTextAt(f, " " + std::to_string(row) + " ", x, Y + 600 * row - 420, 8);
  }
  EXPECT_TRUE(f.TextsNamed(" 11 ").empty());
}

// Caption cells of the lanthanides and actinides; the second line begins at the left edge.
struct CaptionCase {
  const char* name;
  DisplayOptions options;
  double firstTop;            // relative to Y; the actinides follow 600 lower
  double left, right, textX;  // relative to X
};

TEST(FrameCaptions, LanthanidesAndActinidesCells) {
  const CaptionCase cases[] = {
      {"short", ShortForm(), 6300, -900, 0, -700},
      {"short, moved out", ShortForm(false, true), 6300, -900, 0, -700},
      {"short with oxides", ShortForm(true), 7200, -900, 0, -700},
      {"short with oxides, moved out", ShortForm(true, true), 7200, -900, 0, -700},
      {"long", LongForm(), 4500, -540, 360, -340},
  };
  for (const CaptionCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Frame f(c.options);
    const double X = f.X(), Y = f.Y();
    const double secondLine = LineHeightOf(8, true);
    const std::string firstLines[] = {"Ланта-", " Акти-"};
    for (int series = 0; series < 2; ++series) {
      const double top = Y + c.firstTop + 600 * series;
      EXPECT_TRUE(f.HasBox(X + c.left, top, X + c.right, top + 600));
      ExpectTextAt(f, firstLines[series], X + c.textX, top + 100, 8);
    }
    const auto second = f.TextsNamed("    ноиды");
    ASSERT_EQ(second.size(), 2u);
    for (int series = 0; series < 2; ++series) {
      EXPECT_EQ(second[series].x1, 0);
      EXPECT_EQ(second[series].y1, Y + c.firstTop + 600 * series + 100 + secondLine);
    }
  }
}

TEST(ShortFormFrame, NoExtraRowsWithoutTheOption) {
  const Frame f(ShortForm());
  EXPECT_TRUE(f.TextsNamed("R").empty());
  EXPECT_TRUE(f.TextsNamed("   ВЫСШИЕ").empty());
  EXPECT_TRUE(f.OfKind(Kind::FilledBox, kYellow).empty());
  EXPECT_TRUE(f.OfKind(Kind::FilledBox, kBack).empty());
}

TEST(LongFormFrame, GroupHeadersReadFromIAToVIIIA) {
  const Frame f(LongForm());
  const double X = f.X(), Y = f.Y();
  EXPECT_TRUE(f.HasBox(X, Y - 600, X + 16200, Y));
  struct Case {
    double left;  // relative to X
    double right;
    double textX;
    std::string text;
  };
  const Case cases[] = {
      {0, 900, 50, Blanks(7) + "I A"},
      {900, 1800, 950, Blanks(7) + "II A"},
      {1800, 2700, 1850, Blanks(7) + "III B"},
      {2700, 3600, 2750, Blanks(6) + "IV B"},
      {3600, 4500, 3650, Blanks(6) + "V B"},
      {4500, 5400, 4550, Blanks(6) + "VI B"},
      {5400, 6300, 5450, Blanks(6) + "VII B"},
      {6300, 9000, 7250, Blanks(5) + "VIII B"},
      {9000, 9900, 9050, Blanks(7) + "I B"},
      {9900, 10800, 9950, Blanks(7) + "II B"},
      {10800, 11700, 10850, Blanks(7) + "III A"},
      {11700, 12600, 11750, Blanks(6) + "IV A"},
      {12600, 13500, 12650, Blanks(6) + "V A"},
      {13500, 14400, 13550, Blanks(6) + "VI A"},
      {14400, 15300, 14450, Blanks(6) + "VII A"},
      {15300, 16200, 15350, Blanks(5) + "VIII A"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_TRUE(f.HasBox(X + c.left, Y - 300, X + c.right, Y));
    ExpectTextAt(f, c.text, X + c.textX, Y - 225, 8);
  }
  // Columns 7 to 9 have no cells of their own.
  for (int column = 7; column <= 9; ++column)
    EXPECT_FALSE(f.HasBox(X + 900 * column, Y - 300, X + 900 * (column + 1), Y)) << column;
  ExpectTextAt(f, "Г р у п п ы  э л е м е н т о в", X + 6800, Y - 575, 11);
}

TEST(LongFormFrame, PeriodColumn) {
  const Frame f(LongForm());
  const double X = f.X(), Y = f.Y();
  EXPECT_TRUE(f.HasBox(X - 540, Y - 600, X, Y));
  ExpectTextAt(f, "Период", X - 530, Y - 420, 7);
  for (int period = 1; period <= 7; ++period) {
    SCOPED_TRACE(period);
    EXPECT_TRUE(f.HasBox(X - 540, Y + 600 * (period - 1), X, Y + 600 * period));
    ExpectTextAt(f, " " + std::to_string(period) + " ", X - 340, Y + 600 * period - 420, 8);
  }
  EXPECT_TRUE(f.TextsNamed(" 8 ").empty());
  EXPECT_TRUE(f.TextsNamed("Ряд").empty());
  EXPECT_TRUE(f.TextsNamed("I").empty());
}

TEST(LongFormFrame, ExtraRowOptionsChangeNothing) {
  const Frame plain(LongForm());
  EXPECT_TRUE(plain.TextsNamed("   ВЫСШИЕ").empty());
  EXPECT_TRUE(plain.TextsNamed("R").empty());
  EXPECT_TRUE(plain.OfKind(Kind::FilledBox, kYellow).empty());
  EXPECT_TRUE(plain.OfKind(Kind::FilledBox, kBack).empty());
  const DisplayOptions variants[] = {LongForm(true, false), LongForm(false, true),
                                     LongForm(true, true)};
  for (const DisplayOptions& o : variants) {
    const Frame f(o);
    EXPECT_EQ(f.commands(), plain.commands())
        << "oxides " << o.ShowHighestOxidesTable << " moved out " << o.MoveOutInertGases;
  }
}

}  // namespace
}  // namespace periodic
