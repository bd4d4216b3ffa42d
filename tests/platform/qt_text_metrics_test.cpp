#include "platform/qt_text_metrics.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <string>

#include "platform/table_font.h"

namespace periodic {
namespace {

TextFont Arial(double size, bool bold = false) {
  return TextFont{"arial cyr", size, bold};
}

TEST(TableFontTest, OnlyArialCyrIsReplaced) {
  const struct {
    const char* asked;
    const char* expected;
  } cases[] = {
      {"arial cyr", "Liberation Sans"},
      {"Arial Cyr", "Liberation Sans"},
      {"ARIAL CYR", "Liberation Sans"},
      {" arial cyr ", "Liberation Sans"},
      {"Arial", "Arial"},
      {"DejaVu Serif", "DejaVu Serif"},
      {"arial cyrillic", "arial cyrillic"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TableFontFamily(c.asked).toStdString(), c.expected) << "asked: '" << c.asked << "'";
  }
}

TEST(TableFontTest, ArialCyrReallyResolvesToLiberationSans) {
  for (const bool bold : {false, true}) {
    const QFontInfo info(TableFont(Arial(15, bold)));
    EXPECT_EQ(info.family().toStdString(), "Liberation Sans")
        << "fontconfig resolved the table's font to another family; install fonts-liberation2 "
           "or the table's texts will not fit their cells (bold = "
        << bold << ")";
    EXPECT_EQ(info.bold(), bold);
  }
}

TEST(TableFontTest, SizeIsInTwipsWithoutHinting) {
  const struct {
    double points;
    int twips;
  } cases[] = {{15, 300}, {7, 140}, {8.25, 165}, {9.5, 190}};
  for (const auto& c : cases) {
    const QFont font = TableFont(Arial(c.points));
    EXPECT_EQ(font.pixelSize(), c.twips) << c.points << " pt";
    EXPECT_EQ(font.hintingPreference(), QFont::PreferNoHinting);
  }
  EXPECT_TRUE(TableFont(Arial(8, true)).bold());
  EXPECT_FALSE(TableFont(Arial(8, false)).bold());
}

class QtTextMetricsTest : public ::testing::Test {
 protected:
  QtTextMetrics m_metrics;
};

TEST_F(QtTextMetricsTest, FeAtFifteenPointsHasArialsWidth) {
  // Arial (and Liberation Sans) advances: F = 1251, e = 1139 units of 2048 to the em;
  // 15 pt = 300 twips to the em.
  const double width = m_metrics.textWidth(Arial(15), "Fe");
  EXPECT_NEAR(width, (1251.0 + 1139.0) / 2048.0 * 300.0, 3.0);
}

TEST_F(QtTextMetricsTest, LineHeightIsAscentDescentAndLineGap) {
  // Ascent, descent and line gap: (1854 + 434 + 67) / 2048 of the em, 345 twips at 15 pt. The
  // glyphs alone (ascent and descent, 335 twips) would set the lines too close.
  EXPECT_NEAR(m_metrics.lineHeight(Arial(15)), 345.0, 5.0);
  EXPECT_NEAR(m_metrics.lineHeight(Arial(7)), 345.0 * 7 / 15, 3.0);
}

TEST_F(QtTextMetricsTest, MetricsScaleLinearlyWithTheSize) {
  const std::string texts[] = {"Fe", "Ac**", "Периодическая система", "Ланта-", "1.00794"};
  for (const bool bold : {false, true}) {
    for (const std::string& text : texts) {
      const double w15 = m_metrics.textWidth(Arial(15, bold), text);
      const double w14 = m_metrics.textWidth(Arial(14, bold), text);
      const double w7 = m_metrics.textWidth(Arial(7, bold), text);
      EXPECT_NEAR(w14, w15 * 14 / 15, w15 * 0.002) << text << " bold = " << bold;
      EXPECT_NEAR(w7, w15 * 7 / 15, w15 * 0.002) << text << " bold = " << bold;
    }
    const double h15 = m_metrics.lineHeight(Arial(15, bold));
    EXPECT_NEAR(m_metrics.lineHeight(Arial(14, bold)), h15 * 14 / 15, h15 * 0.002);
  }
}

TEST_F(QtTextMetricsTest, BoldTextIsWider) {
  EXPECT_GT(m_metrics.textWidth(Arial(10, true), "Периодическая"),
            m_metrics.textWidth(Arial(10, false), "Периодическая"));
}

TEST_F(QtTextMetricsTest, CyrillicIsMeasuredWithRealGlyphs) {
  const QFontMetricsF font(TableFont(Arial(15)));
  for (const char32_t c : {U'Ж', U'ш', U'Ё', U'я'}) {
    EXPECT_TRUE(font.inFontUcs4(c)) << "U+" << std::hex << static_cast<unsigned>(c);
  }
  // Missing glyphs would all be measured as the same box.
  EXPECT_GT(m_metrics.textWidth(Arial(15), "Ш"), m_metrics.textWidth(Arial(15), "г"));
  // Characters, not UTF-8 bytes, are measured.
  const double one = m_metrics.textWidth(Arial(15), "Ж");
  EXPECT_GT(one, 0);
  EXPECT_NEAR(m_metrics.textWidth(Arial(15), "ЖЖЖ"), 3 * one, 0.5);
}

TEST_F(QtTextMetricsTest, EmptyTextHasNoWidth) {
  EXPECT_EQ(m_metrics.textWidth(Arial(15), ""), 0);
}

}  // namespace
}  // namespace periodic
