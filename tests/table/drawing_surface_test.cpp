#include "table/drawing_surface.h"

#include <gtest/gtest.h>

#include <limits>

#include "table/drawing.h"
#include "table/text_metrics.h"

namespace periodic {
namespace {

using Kind = DrawCommand::Kind;

class DrawingSurfaceTest : public ::testing::Test {
 protected:
  Drawing m_drawing;
  FixedTextMetrics m_metrics;
  DrawingSurface m_surface{m_drawing, m_metrics};

  double LineHeight() const { return m_metrics.lineHeight(m_surface.font()); }
  const DrawCommand& Last() const { return m_drawing.commands().back(); }
};

TEST_F(DrawingSurfaceTest, PrintStayingOnTheLineAdvancesThePen) {
  m_surface.setFontSize(10);
  m_surface.setCurrentX(100);
  m_surface.setCurrentY(200);
  m_surface.printText("RH");
  EXPECT_EQ(Last().text, "RH");
  EXPECT_EQ(Last().x1, 100);
  EXPECT_EQ(Last().y1, 200);
  EXPECT_EQ(m_surface.currentX(), 100 + m_metrics.textWidth(m_surface.font(), "RH"));
  EXPECT_EQ(m_surface.currentY(), 200);
}

TEST_F(DrawingSurfaceTest, PrintEndingTheLineReturnsToTheLeftEdge) {
  m_surface.setCurrentX(300);
  m_surface.setCurrentY(50);
  m_surface.printLine("Fe  ");
  EXPECT_EQ(m_surface.currentX(), 0);
  EXPECT_EQ(m_surface.currentY(), 50 + LineHeight());
}

TEST_F(DrawingSurfaceTest, LineBreaksInsideTextStartNewLinesAtTheLeftEdge) {
  m_surface.setCurrentX(210);
  m_surface.setCurrentY(1000);
  m_surface.printLine("Ланта-\r\n    ноиды");
  const auto& c = m_drawing.commands();
  ASSERT_EQ(c.size(), 2u);
  EXPECT_EQ(c[0].text, "Ланта-");
  EXPECT_EQ(c[0].x1, 210);
  EXPECT_EQ(c[1].text, "    ноиды");
  EXPECT_EQ(c[1].x1, 0);
  EXPECT_EQ(c[1].y1, 1000 + LineHeight());
  EXPECT_EQ(m_surface.currentY(), 1000 + 2 * LineHeight());
}

TEST_F(DrawingSurfaceTest, NumbersCarryASignPlaceAndATrailingBlank) {
  const std::pair<std::int64_t, const char*> cases[] = {
      {0, " 0 "},
      {7, " 7 "},
      {110, " 110 "},
      {-4, "-4 "},
      {std::numeric_limits<std::int64_t>::min(), "-9223372036854775808 "},
  };
  for (const auto& [number, text] : cases) {
    m_surface.setCurrentX(40);
    m_surface.printNumber(number);
    EXPECT_EQ(Last().text, text);
    EXPECT_EQ(m_surface.currentX(), 0);
  }
}

TEST_F(DrawingSurfaceTest, StateGoesWithEveryText) {
  m_surface.setFontName("arial cyr");
  m_surface.setFontSize(12);
  m_surface.setFontBold(true);
  m_surface.setForeColor(65535);
  m_surface.printText("O");
  EXPECT_EQ(Last().font, (TextFont{"arial cyr", 12, true}));
  EXPECT_EQ(Last().color, 65535);
}

TEST_F(DrawingSurfaceTest, ClearForgetsThePreviousPicture) {
  m_surface.box(0, 0, 10, 10, kBlack);
  m_surface.setBackColor(kWhite);
  m_surface.clear();
  m_surface.setSize(13550, 8400);
  m_surface.filledBox(1, 2, 3, 4, kYellow);
  m_surface.line(5, 6, 7, 8, kBlack);
  const auto& c = m_drawing.commands();
  ASSERT_EQ(c.size(), 4u);
  EXPECT_EQ(c[0].kind, Kind::Clear);
  EXPECT_EQ(c[0].color, kWhite);
  EXPECT_EQ(c[1].kind, Kind::SetSize);
  EXPECT_EQ(m_drawing.width(), 13550);
  EXPECT_EQ(m_drawing.height(), 8400);
  EXPECT_EQ(c[2], (DrawCommand{Kind::FilledBox, 1, 2, 3, 4, kYellow, {}, {}}));
  EXPECT_EQ(c[3].kind, Kind::Line);
  // Lines and boxes leave the pen at their second corner.
  EXPECT_EQ(m_surface.currentX(), 7);
  EXPECT_EQ(m_surface.currentY(), 8);
}

TEST_F(DrawingSurfaceTest, ReplayRepeatsEveryPrimitive) {
  m_surface.clear();
  m_surface.box(0, 0, 900, 600, kBlack);
  m_surface.printLine("Na");
  Drawing copy;
  m_drawing.replay(copy);
  EXPECT_EQ(copy.commands(), m_drawing.commands());
}

}  // namespace
}  // namespace periodic
