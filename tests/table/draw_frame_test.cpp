#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "component/table_colors.h"
#include "table/drawing.h"
#include "table/table_drawing.h"
#include "table/text_metrics.h"

namespace periodic {
namespace {

using Kind = DrawCommand::Kind;

// A background that no frame line uses, so that erasing is told apart from drawing.
constexpr Color kBack = RgbColor(10, 20, 30);

DisplayOptions ShortForm(bool oxides = false, bool moveOut = false) {
  DisplayOptions o;
  o.LongPeriods = false;
  o.ShowHighestOxidesTable = oxides;
  o.MoveOutInertGases = moveOut;
  return o;
}

DisplayOptions LongForm(bool oxides = false, bool moveOut = false) {
  DisplayOptions o = ShortForm(oxides, moveOut);
  o.LongPeriods = true;
  return o;
}

// Draws the frame of the given options onto a fresh recording.
class Frame {
 public:
  explicit Frame(const DisplayOptions& options)
      : options_(options), origin_(TableOriginOf(options)) {
    surface_.setBackColor(kBack);
    DrawFrame(TableDrawContext{surface_, options_, colors_, origin_});
  }

  const std::vector<DrawCommand>& commands() const { return drawing_.commands(); }
  double X() const { return origin_.X; }
  double Y() const { return origin_.Y; }

  // Index of the first command of that kind on that rectangle (in that colour), or -1.
  int IndexOf(Kind kind, double x1, double y1, double x2, double y2, Color color) const {
    const auto& c = commands();
    for (std::size_t i = 0; i < c.size(); ++i) {
      if (c[i].kind == kind && c[i].x1 == x1 && c[i].y1 == y1 && c[i].x2 == x2 && c[i].y2 == y2 &&
          c[i].color == color)
        return static_cast<int>(i);
    }
    return -1;
  }
  bool HasBox(double x1, double y1, double x2, double y2) const {
    return IndexOf(Kind::Box, x1, y1, x2, y2, kBlack) >= 0;
  }

  std::vector<DrawCommand> TextsNamed(const std::string& text) const {
    std::vector<DrawCommand> found;
    for (const DrawCommand& c : commands())
      if (c.kind == Kind::Text && c.text == text) found.push_back(c);
    return found;
  }
  // The only text command with that text; fails the test when there is not exactly one.
  DrawCommand Text(const std::string& text) const {
    const auto found = TextsNamed(text);
    EXPECT_EQ(found.size(), 1u) << "text \"" << text << "\"";
    return found.empty() ? DrawCommand{} : found.front();
  }
  // Index of the first text command with that text (at that position), or -1.
  int IndexOfText(const std::string& text, double x = -1, double y = -1) const {
    const auto& c = commands();
    for (std::size_t i = 0; i < c.size(); ++i) {
      if (c[i].kind != Kind::Text || c[i].text != text) continue;
      if (x < 0 || (c[i].x1 == x && c[i].y1 == y)) return static_cast<int>(i);
    }
    return -1;
  }
  std::vector<DrawCommand> OfKind(Kind kind, Color color) const {
    std::vector<DrawCommand> found;
    for (const DrawCommand& c : commands())
      if (c.kind == kind && c.color == color) found.push_back(c);
    return found;
  }

 private:
  Drawing drawing_;
  FixedTextMetrics metrics_;
  DrawingSurface surface_{drawing_, metrics_};
  clsTableColors colors_;
  DisplayOptions options_;
  TableOrigin origin_;
};

std::string Blanks(int n) {
  return std::string(n, ' ');
}

double WidthOf(const std::string& text, double size) {
  return FixedTextMetrics{}.textWidth(TextFont{"arial cyr", size, true}, text);
}

double LineHeightOf(double size, bool bold) {
  return FixedTextMetrics{}.lineHeight(TextFont{"arial cyr", size, bold});
}

void ExpectTextAt(const Frame& f, const std::string& text, double x, double y, double size) {
  SCOPED_TRACE("text \"" + text + "\"");
  const DrawCommand c = f.Text(text);
  EXPECT_EQ(c.x1, x);
  EXPECT_EQ(c.y1, y);
  EXPECT_EQ(c.font.size, size);
  EXPECT_EQ(c.color, kBlack);
}

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

// ---- Short form without extra rows ----

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

// ---- Highest oxides and volatile hydrogen compounds ----

DisplayOptions WithColours(DisplayOptions o, bool invert, bool spdf, bool metals) {
  o.InvertColors = invert;
  o.DifferSPDF = spdf;
  o.DifferMetalsNonmetals = metals;
  return o;
}

TEST(OxidesRows, CellsFilledOnlyWhenTheTableIsFilled) {
  struct Case {
    bool invert, spdf, metals, filled;
  };
  const Case cases[] = {
      {false, false, false, false}, {false, false, true, true},  {false, true, false, false},
      {false, true, true, true},    {true, false, false, false}, {true, false, true, false},
      {true, true, false, true},    {true, true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "invert " << c.invert << " spdf " << c.spdf << " metals " << c.metals);
    const Frame f(WithColours(ShortForm(true), c.invert, c.spdf, c.metals));
    const double X = f.X(), Y = f.Y();
    for (int column = 0; column <= 7; ++column) {
      SCOPED_TRACE(column);
      const double left = X - 900 + 900 * column;
      const int oxide = f.IndexOf(Kind::FilledBox, left, Y + 6150, left + 900, Y + 6600, kYellow);
      const int hydride = f.IndexOf(Kind::FilledBox, left, Y + 6600, left + 900, Y + 7050, kYellow);
      EXPECT_EQ(oxide >= 0, c.filled && column >= 1);
      EXPECT_EQ(hydride >= 0, c.filled && column >= 4);
      // The outline goes over the fill.
      const int oxideBox = f.IndexOf(Kind::Box, left, Y + 6150, left + 900, Y + 6600, kBlack);
      EXPECT_GT(oxideBox, oxide);
      EXPECT_TRUE(f.HasBox(left, Y + 6600, left + 900, Y + 7050));
    }
    // Group VIII: RO4 over an empty hydride cell, both spanning columns 7 to 9.
    EXPECT_EQ(f.IndexOf(Kind::FilledBox, X + 6300, Y + 6150, X + 9000, Y + 6600, kYellow) >= 0,
              c.filled);
    EXPECT_TRUE(f.HasBox(X + 6300, Y + 6150, X + 9000, Y + 6600));
    EXPECT_TRUE(f.HasBox(X + 6300, Y + 6600, X + 9000, Y + 7050));
    EXPECT_EQ(f.OfKind(Kind::FilledBox, kYellow).size(), c.filled ? 12u : 0u);
  }
}

TEST(OxidesRows, OuterFrameAndCaptions) {
  const Frame f(ShortForm(true));
  const double X = f.X(), Y = f.Y();
  EXPECT_TRUE(f.HasBox(X - 900, Y + 6000, X + 9000, Y + 7050));

  struct Case {
    std::string text;
    double y;
    double size;
    bool bold;
  };
  const Case cases[] = {
      {"   ВЫСШИЕ", 6810, 7, true},
      {"   ОКСИДЫ", 6810 + LineHeightOf(7, true), 7, true},
      {"   ЛЕТУЧИЕ", 7220, 7, false},
      {" ВОДОРОДНЫЕ", 7350, 6, false},
      {" СОЕДИНЕНИЯ", 7350 + LineHeightOf(6, false), 6, false},
  };
  for (const Case& c : cases) {
    ExpectTextAt(f, c.text, 0, c.y, c.size);
    EXPECT_EQ(f.Text(c.text).font.bold, c.bold) << c.text;
  }
}

// One formula: its pieces in order, each starting where the previous one ended.
struct Piece {
  std::string text;
  double size;
  bool subscript;
};

void ExpectFormula(const Frame& f, const std::vector<Piece>& pieces, double x, double y) {
  for (const Piece& p : pieces) {
    SCOPED_TRACE("piece \"" + p.text + "\"");
    bool found = false;
    const double pieceY = p.subscript ? y + 150 : y;
    for (const DrawCommand& c : f.TextsNamed(p.text)) {
      if (c.x1 != x || c.y1 != pieceY) continue;
      found = true;
      EXPECT_EQ(c.font.size, p.size);
      EXPECT_TRUE(c.font.bold);
    }
    EXPECT_TRUE(found) << "expected at (" << x << ", " << pieceY << ")";
    x += WidthOf(p.text, p.size);
  }
}

TEST(OxidesRows, HighestOxideFormulas) {
  const Frame f(ShortForm(true));
  const double X = f.X();
  struct Case {
    int column;  // the group
    double shift;
    std::vector<Piece> pieces;
  };
  const Case cases[] = {
      {1, 0, {{"R", 12, false}, {"2", 7, true}, {"O", 12, false}, {" ", 7, true}}},
      {2, 50, {{"R", 12, false}, {"O", 12, false}, {" ", 7, true}}},
      {3, 0, {{"R", 12, false}, {"2", 7, true}, {"O", 12, false}, {"3", 7, true}}},
      {4, 0, {{"R", 12, false}, {"O", 12, false}, {"2", 7, true}}},
      {5, 0, {{"R", 12, false}, {"2", 7, true}, {"O", 12, false}, {"5", 7, true}}},
      {6, 0, {{"R", 12, false}, {"O", 12, false}, {"3", 7, true}}},
      {7, 0, {{"R", 12, false}, {"2", 7, true}, {"O", 12, false}, {"7", 7, true}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.column);
    ExpectFormula(f, c.pieces, X - 900 + 900 * c.column + 225 + c.shift, 6825);
  }
  EXPECT_EQ(f.TextsNamed("R").size(), 7u);
  ExpectFormula(f, {{"RO", 12, false}, {"4", 7, true}}, X + 7425, 6825);
}

TEST(OxidesRows, VolatileHydrogenCompoundFormulas) {
  const Frame f(ShortForm(true));
  const double X = f.X();
  struct Case {
    int column;
    std::string count;  // printed as a number, after stepping back 25 twips
  };
  const Case cases[] = {{4, " 4 "}, {5, " 3 "}, {6, " 2 "}, {7, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.column);
    const double x = X - 900 + 900 * c.column + 225;
    ExpectFormula(f, {{"RH", 12, false}}, x, 7275);
    if (!c.count.empty()) ExpectFormula(f, {{c.count, 7, true}}, x + WidthOf("RH", 12) - 25, 7275);
  }
  EXPECT_EQ(f.TextsNamed("RH").size(), 4u);
  EXPECT_TRUE(f.TextsNamed(" 1 ").size() == 1u);  // only the row number
}

// ---- Inert gases moved out to column 10 ----

TEST(MovedInertGases, HeaderReachesColumnTen) {
  for (bool oxides : {false, true}) {
    SCOPED_TRACE(oxides ? "with oxides" : "without oxides");
    const Frame f(ShortForm(oxides, true));
    const double X = f.X(), Y = f.Y();
    const int cleared = f.IndexOf(Kind::FilledBox, X + 6300, Y - 600, X + 9900, Y, kBack);
    ASSERT_GE(cleared, 0);
    EXPECT_GT(f.IndexOf(Kind::Box, X, Y - 600, X + 9900, Y, kBlack), cleared);
    EXPECT_GT(f.IndexOf(Kind::Box, X + 6300, Y - 300, X + 9900, Y, kBlack), cleared);
    EXPECT_TRUE(f.HasBox(X + 9000, Y - 600, X + 9900, Y + 6000));

    const std::string wide = " A" + Blanks(33) + "VIII" + Blanks(33) + "B ";
    ExpectTextAt(f, wide, X + 6350, Y - 225, 8);
    EXPECT_GT(f.IndexOfText(wide), cleared);
    // The narrow header of the short form lies under the cleared band.
    EXPECT_LT(f.IndexOfText(" A" + Blanks(23) + "VIII" + Blanks(23) + "B "), cleared);
  }
}

TEST(MovedInertGases, EmptyGroupEightPlacesBecomeSingleCells) {
  for (bool oxides : {false, true}) {
    SCOPED_TRACE(oxides ? "with oxides" : "without oxides");
    const Frame f(ShortForm(oxides, true));
    const double X = f.X(), Y = f.Y();
    // Rows 1 to 3.
    const int cleared = f.IndexOf(Kind::FilledBox, X + 6300, Y, X + 9000, Y + 1800, kBack);
    ASSERT_GE(cleared, 0);
    EXPECT_GT(f.IndexOf(Kind::Box, X + 6300, Y, X + 9000, Y + 1800, kBlack), cleared);
    // Row 5: the line between columns 7 and 8 is erased.
    const int erased = f.IndexOf(Kind::Line, X + 7200, Y + 2400, X + 7200, Y + 3000, kBack);
    ASSERT_GE(erased, 0);
    EXPECT_GT(f.IndexOf(Kind::Box, X + 6300, Y + 2400, X + 9000, Y + 3000, kBlack), erased);
  }
}

TEST(MovedInertGases, WithoutOxidesTheExtraRowsStayAway) {
  const Frame f(ShortForm(false, true));
  const double X = f.X(), Y = f.Y();
  EXPECT_TRUE(f.TextsNamed("RO").empty());
  EXPECT_FALSE(f.HasBox(X - 900, Y + 6000, X + 9900, Y + 7050));
  EXPECT_LT(f.IndexOf(Kind::Line, X + 9000, Y + 6000, X + 9000, Y + 7050, kBack), 0);
}

TEST(MovedInertGases, HighestOxideOfGroupEightSpansColumnsSevenToTen) {
  for (bool filled : {false, true}) {
    SCOPED_TRACE(filled ? "filled" : "not filled");
    const Frame f(WithColours(ShortForm(true, true), false, true, filled));
    const double X = f.X(), Y = f.Y();
    const int erased = f.IndexOf(Kind::Line, X + 9000, Y + 6000, X + 9000, Y + 7050, kBack);
    ASSERT_GE(erased, 0);
    EXPECT_GT(f.IndexOf(Kind::Box, X - 900, Y + 6000, X + 9900, Y + 7050, kBlack), erased);

    const Color fill = filled ? kYellow : kBack;
    const int cell = f.IndexOf(Kind::FilledBox, X + 6300, Y + 6150, X + 9900, Y + 6600, fill);
    ASSERT_GE(cell, 0);
    EXPECT_GT(f.IndexOf(Kind::Box, X + 6300, Y + 6150, X + 9900, Y + 6600, kBlack), cell);

    // The RO4 of columns 7 to 9 is covered; the new one stands in the wide cell.
    const auto ro = f.TextsNamed("RO");
    ASSERT_EQ(ro.size(), 2u);
    EXPECT_EQ(ro[0].x1, X + 7425);
    ExpectFormula(f, {{"RO", 12, false}, {" 4 ", 7, true}}, X + 7875, 6825);
    EXPECT_GT(f.IndexOfText("RO", X + 7875, 6825), cell);
    EXPECT_LT(f.IndexOfText("RO", X + 7425, 6825), cell);
  }
}

// ---- Long-period form ----

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
