#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table/frame_test_support.h"

namespace periodic {
namespace {

using namespace frame_test;

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

    const std::string wide = " B" + Blanks(33) + "VIII" + Blanks(33) + "A ";
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

}  // namespace
}  // namespace periodic
