#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <vector>

#include "data/data_error.h"
#include "table/drawing.h"
#include "table/table_drawing.h"
#include "table/text_metrics.h"

namespace periodic {
namespace {

namespace fs = std::filesystem;
using Kind = DrawCommand::Kind;

constexpr Color kS = 255, kP = 16711680, kD = 10066176, kF = 9868950;
constexpr Color kMetal = 12303359, kNonMetal = 10744303, kAmphoteric = 13434879, kInert = 11269045;

class DrawTableTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_dir = fs::temp_directory_path() / ("draw-table-" + std::to_string(::getpid()));
    fs::create_directories(s_dir);
    WriteBuiltinRecords(s_dir.string());
  }
  static void TearDownTestSuite() { fs::remove_all(s_dir); }

  const Drawing& Draw(const DisplayOptions& options) {
    ElementDataFile file;
    file.Open((s_dir / "Elements.dat").string());
    DrawingSurface surface(m_drawing, m_metrics);
    DrawTable(surface, options, m_colors, file);
    return m_drawing;
  }

  // The commands drawn for the cell whose top-left corner is (x, y): everything from its black
  // outline back to the fill before it, and on to the next cell's first command.
  std::vector<DrawCommand> CellCommands(double x, double y) const {
    const auto& all = m_drawing.commands();
    std::vector<DrawCommand> cell;
    for (std::size_t i = 0; i < all.size(); ++i) {
      const DrawCommand& c = all[i];
      if (c.kind != Kind::Box || c.x1 != x || c.y1 != y || c.x2 != x + 900 || c.y2 != y + 600)
        continue;
      if (i > 0 && all[i - 1].kind == Kind::FilledBox) cell.push_back(all[i - 1]);
      for (std::size_t j = i; j < all.size(); ++j) {
        if (j > i && (all[j].kind == Kind::Box || all[j].kind == Kind::FilledBox)) break;
        cell.push_back(all[j]);
      }
      break;
    }
    return cell;
  }

  static std::optional<DrawCommand> TextOf(const std::vector<DrawCommand>& cell,
                                           const std::string& text) {
    for (const DrawCommand& c : cell)
      if (c.kind == Kind::Text && c.text == text) return c;
    return std::nullopt;
  }

  static std::optional<DrawCommand> FillOf(const std::vector<DrawCommand>& cell) {
    for (const DrawCommand& c : cell)
      if (c.kind == Kind::FilledBox) return c;
    return std::nullopt;
  }

  static inline fs::path s_dir;
  Drawing m_drawing;
  FixedTextMetrics m_metrics;
  clsTableColors m_colors;
};

TEST_F(DrawTableTest, SodiumAndIronCellsInDefaultOptions) {
  Draw(DisplayOptions{});
  const double X = 910, Y = 610;

  const auto na = CellCommands(X, Y + 1200);
  ASSERT_TRUE(FillOf(na));
  EXPECT_EQ(FillOf(na)->color, kMetal);
  const auto naSymbol = TextOf(na, "Na  ");
  ASSERT_TRUE(naSymbol);
  EXPECT_EQ(naSymbol->x1, X + 25);
  EXPECT_EQ(naSymbol->y1, Y + 1200);
  EXPECT_EQ(naSymbol->font, (TextFont{"arial cyr", 15, false}));
  EXPECT_EQ(naSymbol->color, kS);
  const auto naNumber = TextOf(na, " 11 ");
  ASSERT_TRUE(naNumber);
  EXPECT_EQ(naNumber->x1, X + 600);
  EXPECT_EQ(naNumber->y1, Y + 1200);
  EXPECT_EQ(naNumber->font, (TextFont{"arial cyr", 8, true}));
  EXPECT_EQ(naNumber->color, kBlack);
  const auto naMass = TextOf(na, "22,99");
  ASSERT_TRUE(naMass);
  EXPECT_EQ(naMass->x1, X + 500);
  EXPECT_EQ(naMass->y1, Y + 1400);
  EXPECT_EQ(naMass->font, (TextFont{"arial cyr", 7, false}));
  const auto naName = TextOf(na, "Натрий              ");
  ASSERT_TRUE(naName);
  EXPECT_EQ(naName->x1, X + 25);
  // The name stands 50 twips below the symbol's line.
  EXPECT_EQ(naName->y1, Y + 1200 + m_metrics.lineHeight({"arial cyr", 15, false}) + 50);
  EXPECT_EQ(naName->font.size, 7);
  EXPECT_EQ(naName->color, kBlack);

  const double fx = X + 6300, fy = Y + 1800;
  const auto fe = CellCommands(fx, fy);
  const auto feSymbol = TextOf(fe, "Fe  ");
  ASSERT_TRUE(feSymbol);
  EXPECT_EQ(feSymbol->x1, fx + 900 - m_metrics.textWidth({"arial cyr", 15, false}, "Fe") - 50);
  EXPECT_EQ(feSymbol->color, kD);
  ASSERT_TRUE(TextOf(fe, " 26 "));
  EXPECT_EQ(TextOf(fe, " 26 ")->x1, fx + 25);
  ASSERT_TRUE(TextOf(fe, "55,85"));
  EXPECT_EQ(TextOf(fe, "55,85")->x1, fx + 50);
  EXPECT_EQ(TextOf(fe, "55,85")->y1, fy + 200);
}

TEST_F(DrawTableTest, NumbersMoveRightByTheirDigits) {
  Draw(DisplayOptions{});
  const double X = 910, Y = 610;
  EXPECT_EQ(TextOf(CellCommands(X, Y + 600), " 3 ")->x1, X + 700);
  EXPECT_EQ(TextOf(CellCommands(X, Y + 1200), " 11 ")->x1, X + 600);
  // The lanthanide and actinide rows stand under the oxide rows, which are shown by default.
  EXPECT_EQ(TextOf(CellCommands(X + 900, Y + 7200), " 59 ")->x1, X + 900 + 600);
  EXPECT_EQ(TextOf(CellCommands(X + 900 * 13, Y + 7800), " 103 ")->x1, X + 900 * 13 + 500);
}

TEST_F(DrawTableTest, MassesAreRoundedToFiveCharacters) {
  Draw(DisplayOptions{});
  const double X = 910, Y = 610;
  EXPECT_TRUE(TextOf(CellCommands(X + 5400, Y), "1,008"));
  EXPECT_TRUE(TextOf(CellCommands(X + 6300, Y + 1800), "55,85"));
  EXPECT_TRUE(TextOf(CellCommands(X + 5400, Y + 3000), "[98] "));
}

// Advance widths of Arial Bold (and of Liberation Sans Bold, which stands in for it) in
// thousandths of the font size, for the characters of the group headers.
double ArialBoldWidth(std::string_view text, double points) {
  double units = 0;
  for (const char c : text) units += c == 'A' || c == 'B' ? 722 : c == 'V' ? 667 : 278;
  return units * points * 20 / 1000;
}

// Each subgroup letter over group VIII stands over its own subgroup: A over the inert gases, B
// over the iron triad; the inert gases stand in column 7 or, moved out, in column 10.
TEST_F(DrawTableTest, GroupEightHeaderLettersStandOverTheirSubgroups) {
  for (const bool movedOut : {false, true}) {
    SCOPED_TRACE(movedOut ? "inert gases moved out" : "inert gases in group VIII");
    DisplayOptions o;
    o.MoveOutInertGases = movedOut;
    Draw(o);
    const auto& all = m_drawing.commands();
    // The header drawn last is the one on view.
    const auto header = std::find_if(all.rbegin(), all.rend(), [](const DrawCommand& c) {
      return c.kind == Kind::Text && c.text.find("VIII") != std::string::npos;
    });
    ASSERT_NE(header, all.rend());
    const std::string& text = header->text;
    // The cell whose outline comes last before the symbol.
    const auto cellOf = [&all](const std::string& symbol) {
      const auto at = std::find_if(all.begin(), all.end(), [&](const DrawCommand& c) {
        return c.kind == Kind::Text && c.text == symbol;
      });
      auto box = std::make_reverse_iterator(at);
      while (box != all.rend() &&
             !(box->kind == Kind::Box && box->x2 - box->x1 == 900 && box->y2 - box->y1 == 600))
        ++box;
      return box == all.rend() ? DrawCommand{} : *box;
    };
    const auto over = [&](char letter, const DrawCommand& cell) {
      const std::size_t at = letter == 'A' ? text.find('A') : text.find('B');
      const double left = header->x1 + ArialBoldWidth(text.substr(0, at), header->font.size);
      const double right = left + ArialBoldWidth(text.substr(at, 1), header->font.size);
      return cell.x1 <= left && right <= cell.x2;
    };
    EXPECT_EQ(header->font, (TextFont{"arial cyr", 8, true}));
    EXPECT_EQ(text.find_first_not_of(' '), 1u) << text;
    EXPECT_TRUE(over('A', cellOf("He  "))) << text;
    EXPECT_TRUE(over('B', cellOf("Fe  ")) || over('B', cellOf("Co  ")) || over('B', cellOf("Ni  ")))
        << text;
  }
}

TEST_F(DrawTableTest, ElementHundredTenAndActinium) {
  Draw(DisplayOptions{});
  const double X = 910, Y = 610;
  const auto last = CellCommands(X + 8100, Y + 5400);
  ASSERT_TRUE(TextOf(last, "[   ]"));
  ASSERT_TRUE(TextOf(last, " 110 "));
  EXPECT_EQ(TextOf(last, " 110 ")->x1, X + 8100 + 25);
  // The blank symbol is printed as stored: four blanks.
  ASSERT_TRUE(TextOf(last, "    "));
  EXPECT_EQ(TextOf(last, "    ")->x1, X + 8100 + 900 - 50);

  const auto ac = CellCommands(X + 1800, Y + 5400);
  const auto symbol = TextOf(ac, "Ac**");
  ASSERT_TRUE(symbol);
  EXPECT_EQ(symbol->font.size, 14);
  EXPECT_EQ(symbol->x1, X + 1800 + 900 - m_metrics.textWidth({"arial cyr", 15, false}, "Ac**"));
  EXPECT_EQ(TextOf(CellCommands(X + 1800, Y + 4200), "La* ")->font.size, 15);
}

TEST_F(DrawTableTest, NamesFollowTheirOptions) {
  const double fx = 910 + 6300, fy = 610 + 1800;
  DisplayOptions o;
  o.LatInsteadOfRus = true;
  Draw(o);
  EXPECT_TRUE(TextOf(CellCommands(fx, fy), "Ferrum              "));
  o.ShowElementsName = false;
  Draw(o);
  for (const DrawCommand& c : CellCommands(fx, fy))
    EXPECT_EQ(c.text.find("Ferrum"), std::string::npos);
  o.ShowAtomicMass = false;
  Draw(o);
  EXPECT_FALSE(TextOf(CellCommands(fx, fy), "55,85"));
  EXPECT_TRUE(TextOf(CellCommands(fx, fy), " 26 "));
}

struct ColourCase {
  bool invert;
  bool spdf;
  bool metals;
  std::optional<Color> feFill;  // nothing: not filled
  Color feSymbol;
  std::optional<Color> heFill;
  Color heSymbol;
  Color bracketedHydrogen;
};

TEST_F(DrawTableTest, FillAndSymbolColoursForEveryCombination) {
  const ColourCase cases[] = {
      {false, false, false, std::nullopt, kBlack, std::nullopt, kBlack, kBlack},
      {false, false, true, kMetal, kBlack, kInert, kBlack, kBlack},
      {false, true, false, std::nullopt, kD, std::nullopt, kS, kS},
      {false, true, true, kMetal, kD, kInert, kS, kS},
      {true, false, false, std::nullopt, kBlack, std::nullopt, kBlack, kBlack},
      {true, false, true, std::nullopt, kMetal, std::nullopt, kInert, kBlack},
      {true, true, false, kD, kBlack, kS, kBlack, kBlack},
      {true, true, true, kD, kMetal, kS, kInert, kBlack},
  };
  const double X = 910, Y = 610;
  for (const ColourCase& c : cases) {
    DisplayOptions o;
    o.InvertColors = c.invert;
    o.DifferSPDF = c.spdf;
    o.DifferMetalsNonmetals = c.metals;
    Draw(o);
    const std::string name =
        std::to_string(c.invert) + std::to_string(c.spdf) + std::to_string(c.metals);
    const auto fe = CellCommands(X + 6300, Y + 1800);
    const auto he = CellCommands(X + 6300, Y);
    EXPECT_EQ(FillOf(fe) ? std::optional(FillOf(fe)->color) : std::nullopt, c.feFill) << name;
    EXPECT_EQ(TextOf(fe, "Fe  ")->color, c.feSymbol) << name;
    EXPECT_EQ(FillOf(he) ? std::optional(FillOf(he)->color) : std::nullopt, c.heFill) << name;
    EXPECT_EQ(TextOf(he, "He  ")->color, c.heSymbol) << name;
    const auto h = CellCommands(X, Y);
    EXPECT_FALSE(FillOf(h)) << name;
    EXPECT_EQ(TextOf(h, "(H)")->color, c.bracketedHydrogen) << name;
    // Numbers, names and masses stay black.
    EXPECT_EQ(TextOf(fe, " 26 ")->color, kBlack) << name;
    EXPECT_EQ(TextOf(fe, "55,85")->color, kBlack) << name;
  }
}

TEST_F(DrawTableTest, MetallicColoursFollowTheCategories) {
  Draw(DisplayOptions{});
  const double X = 910, Y = 610;
  EXPECT_EQ(FillOf(CellCommands(X + 5400, Y))->color, kNonMetal);           // H
  EXPECT_EQ(FillOf(CellCommands(X + 1800, Y + 1200))->color, kAmphoteric);  // Al
  EXPECT_EQ(TextOf(CellCommands(X + 1800, Y + 1200), "Al  ")->color, kP);
  EXPECT_EQ(TextOf(CellCommands(X + 900 * 3, Y + 7200), "Pm  ")->color, kF);
}

TEST_F(DrawTableTest, SurfaceAndBracketedHydrogenInBothForms) {
  for (bool longForm : {false, true}) {
    DisplayOptions o;
    o.LongPeriods = longForm;
    o.MoveOutInertGases = true;
    const Drawing& d = Draw(o);
    ASSERT_GE(d.commands().size(), 2u);
    EXPECT_EQ(d.commands()[0].kind, Kind::Clear);
    EXPECT_EQ(d.width(), longForm ? 16790 : 13550);
    EXPECT_EQ(d.height(), longForm ? 7200 : 9600);
    const double X = longForm ? 550 : 910;
    const auto h = CellCommands(X, 610);
    const auto text = TextOf(h, "(H)");
    ASSERT_TRUE(text) << longForm;
    EXPECT_EQ(text->x1, X + 25);
    EXPECT_EQ(text->y1, 610);
    EXPECT_EQ(text->font.size, 15);
    for (const DrawCommand& c : d.commands()) {
      if (c.kind == Kind::Text) {
        EXPECT_EQ(c.font.name, "arial cyr");
      }
    }
  }
}

TEST_F(DrawTableTest, AShortDataFileStopsTheDrawingWithAClearError) {
  const fs::path shortFile = s_dir / "short.dat";
  fs::copy_file(s_dir / "Elements.dat", shortFile, fs::copy_options::overwrite_existing);
  fs::resize_file(shortFile, 180 * 40);
  ElementDataFile file;
  file.Open(shortFile.string());
  DrawingSurface surface(m_drawing, m_metrics);
  EXPECT_THROW(DrawTable(surface, DisplayOptions{}, m_colors, file), DataError);
  // The first forty cells are kept.
  EXPECT_TRUE(TextOf(CellCommands(910 + 2700, 610 + 3000), "Zr  "));
  EXPECT_FALSE(TextOf(CellCommands(910 + 3600, 610 + 3000), "Nb  "));
}

}  // namespace
}  // namespace periodic
