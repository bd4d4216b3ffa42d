#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "data/builtin_records.h"
#include "table/color_map.h"
#include "table/drawing.h"
#include "table/property_legend.h"
#include "table/table_drawing.h"
#include "table/text_metrics.h"

namespace periodic {
namespace {

namespace fs = std::filesystem;
using Kind = DrawCommand::Kind;

struct Rect {
  double left, top, right, bottom;

  bool overlaps(const Rect& o) const {
    return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
  }
  bool contains(const Rect& o) const {
    return left <= o.left && o.right <= right && top <= o.top && o.bottom <= bottom;
  }
};

// The cells drawn, without the legend.
class CellsOnly : public CellPainter {
 public:
  explicit CellsOnly(const PropertyView& view) : m_view(view) {}
  CellPaint paintOf(int n) const override { return PropertyViewPaint(m_view, n); }
  void drawLegend(const TableDrawContext&) const override {}

 private:
  PropertyView m_view;
};

std::vector<DisplayOptions> Forms() {
  DisplayOptions shortForm;
  DisplayOptions noOxides;
  noOxides.ShowHighestOxidesTable = false;
  DisplayOptions movedOut;
  movedOut.MoveOutInertGases = true;
  DisplayOptions longForm;
  longForm.LongPeriods = true;
  return {shortForm, noOxides, movedOut, longForm};
}

std::vector<PropertyView> Views() {
  std::vector<PropertyView> views;
  for (int k = 1; k <= 8; ++k) views.push_back({static_cast<PropertyViewKind>(k), 298, 2000});
  for (int kelvin : {0, 298, 303, 3000, 6000})
    views.push_back({PropertyViewKind::StatesOfMatter, kelvin, 2000});
  for (int year : {kEarliestYear, 1800, CurrentYear()})
    views.push_back({PropertyViewKind::DiscoveryTimeline, 298, year});
  return views;
}

class PropertyLegendTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_dir = fs::temp_directory_path() / ("property-legend-" + std::to_string(::getpid()));
    fs::create_directories(s_dir);
    WriteBuiltinRecords(s_dir.string());
  }
  static void TearDownTestSuite() { fs::remove_all(s_dir); }

  Drawing Draw(const DisplayOptions& options, const CellPainter& painter) {
    ElementDataFile file;
    file.Open((s_dir / "Elements.dat").string());
    Drawing drawing;
    DrawingSurface surface(drawing, m_metrics);
    DrawTable(surface, options, clsTableColors(), file, painter);
    return drawing;
  }

  Rect BoundsOf(const DrawCommand& c) const {
    if (c.kind == Kind::Text) {
      // Trailing blanks draw nothing.
      const std::string inked = c.text.substr(0, c.text.find_last_not_of(' ') + 1);
      return {c.x1, c.y1, c.x1 + m_metrics.textWidth(c.font, inked),
              c.y1 + m_metrics.lineHeight(c.font)};
    }
    return {std::min(c.x1, c.x2), std::min(c.y1, c.y2), std::max(c.x1, c.x2), std::max(c.y1, c.y2)};
  }

  // The outlines a command draws: a box's four edges, or the whole of anything else.
  std::vector<Rect> MarksOf(const DrawCommand& c) const {
    if (c.kind != Kind::Box) return {BoundsOf(c)};
    return {{c.x1, c.y1, c.x2, c.y1},
            {c.x1, c.y2, c.x2, c.y2},
            {c.x1, c.y1, c.x1, c.y2},
            {c.x2, c.y1, c.x2, c.y2}};
  }

  static std::vector<Rect> Cells(const DisplayOptions& options) {
    std::vector<Rect> cells;
    WalkCells(options, [&](int, double x, double y) {
      cells.push_back({x, y, x + kCellWidth, y + kCellHeight});
    });
    return cells;
  }

  static inline fs::path s_dir;
  FixedTextMetrics m_metrics;
};

TEST_F(PropertyLegendTest, LegendLiesInAnEmptyPlaceOfEveryFormAndView) {
  for (const DisplayOptions& options : Forms()) {
    const LegendArea a = PropertyLegendArea(options);
    const Rect area{a.left, a.top, a.right, a.bottom};
    const SurfaceSize size = SurfaceSizeOf(options);
    EXPECT_TRUE((Rect{0, 0, size.width, size.height}.contains(area)));
    for (const PropertyView& view : Views()) {
      SCOPED_TRACE("long " + std::to_string(options.LongPeriods) + ", view " +
                   std::to_string(static_cast<int>(view.kind)));
      const Drawing table = Draw(options, CellsOnly(view));
      const Drawing withLegend = Draw(options, PropertyViewPainter(view));
      const auto& all = withLegend.commands();
      ASSERT_GT(all.size(), table.commands().size() + 5);
      // Nothing of the table enters the legend's place...
      for (const DrawCommand& c : table.commands()) {
        if (c.kind == Kind::Clear || c.kind == Kind::SetSize) continue;
        for (const Rect& mark : MarksOf(c))
          ASSERT_FALSE(mark.overlaps(area)) << c.text << " at " << mark.left << ", " << mark.top;
      }
      // ...and the legend stays inside it, off every cell.
      for (std::size_t i = table.commands().size(); i < all.size(); ++i) {
        const Rect bounds = BoundsOf(all[i]);
        EXPECT_TRUE(area.contains(bounds)) << all[i].text;
        for (const Rect& cell : Cells(options)) ASSERT_FALSE(bounds.overlaps(cell));
      }
    }
  }
}

TEST_F(PropertyLegendTest, LegendNamesTheUnitTheEndsAndTheStates) {
  struct Case {
    PropertyView view;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      {{PropertyViewKind::Electronegativity, 298, 2000},
       {"Электроотрицательность", "по Полингу", "0,7", "3,98", "нет данных"}},
      {{PropertyViewKind::IonizationEnergy, 298, 2000}, {"эВ"}},
      {{PropertyViewKind::CovalentRadius, 298, 2000}, {"пм"}},
      {{PropertyViewKind::MeltingPoint, 298, 2000}, {"K", "0,95", "3825"}},
      {{PropertyViewKind::DiscoveryYear, 298, 2000}, {"древность", "1994"}},
      {{PropertyViewKind::StatesOfMatter, 303, 2000},
       {"при 303 K", "твёрдое", "жидкое", "газообразное", "нет данных"}},
      {{PropertyViewKind::DiscoveryTimeline, 298, -1000},
       {"1000 г. до н. э.", "ещё не открыт", "древность"}},
  };
  for (const DisplayOptions& options : {Forms()[0], Forms()[3]}) {
    for (const Case& c : cases) {
      const Drawing drawing = Draw(options, PropertyViewPainter(c.view));
      std::string all;
      for (const DrawCommand& command : drawing.commands()) all += command.text + "|";
      for (const std::string& text : c.texts)
        EXPECT_NE(all.find(text), std::string::npos) << text << " in " << options.LongPeriods;
    }
  }
}

// Every text of every cell, in every view and form, reads at 4.5:1 or better on its fill.
TEST_F(PropertyLegendTest, EveryCellsTextsContrastWithItsFill) {
  for (const DisplayOptions& options : {Forms()[0], Forms()[3]}) {
    for (const PropertyView& view : Views()) {
      SCOPED_TRACE("view " + std::to_string(static_cast<int>(view.kind)) + " " +
                   std::to_string(view.temperature) + " " + std::to_string(view.year));
      const Drawing drawing = Draw(options, CellsOnly(view));
      std::map<std::pair<double, double>, Color> fills;
      for (const DrawCommand& c : drawing.commands())
        if (c.kind == Kind::FilledBox && c.x2 - c.x1 == kCellWidth && c.y2 - c.y1 == kCellHeight)
          fills[{c.x1, c.y1}] = c.color;
      int checked = 0;
      WalkCells(options, [&](int n, double x, double y) {
        const auto fill = fills.find({x, y});
        ASSERT_NE(fill, fills.end()) << n;
        const Rect cell{x, y, x + kCellWidth, y + kCellHeight};
        int texts = 0;
        for (const DrawCommand& c : drawing.commands()) {
          const bool inCell =
              cell.left <= c.x1 && c.x1 < cell.right && cell.top <= c.y1 && c.y1 < cell.bottom;
          if (c.kind != Kind::Text || c.text.empty() || !inCell) continue;
          ++texts;
          EXPECT_GE(ContrastRatio(fill->second, c.color), 4.5) << n << " " << c.text;
        }
        EXPECT_GE(texts, 2) << n;
        ++checked;
      });
      EXPECT_EQ(checked, 110);
    }
  }
}

TEST_F(PropertyLegendTest, LegendTextsReadOnTheTablesBackground) {
  for (const Color back : {kSystemWindowBackground, kWhite, kBlack, RgbColor(0, 0, 128)}) {
    ElementDataFile file;
    file.Open((s_dir / "Elements.dat").string());
    Drawing drawing;
    DrawingSurface surface(drawing, m_metrics);
    surface.setBackColor(back);
    const PropertyView view{PropertyViewKind::StatesOfMatter, 298, 2000};
    DrawTable(surface, DisplayOptions(), clsTableColors(), file, PropertyViewPainter(view));
    const Drawing cells = Draw(DisplayOptions(), CellsOnly(view));
    const Color page = IsSystemColor(back) ? kWhite : back;
    int texts = 0;
    for (std::size_t i = cells.commands().size(); i < drawing.commands().size(); ++i) {
      const DrawCommand& c = drawing.commands()[i];
      if (c.kind != Kind::Text) continue;
      ++texts;
      EXPECT_GE(ContrastRatio(c.color, page), 4.5) << c.text;
    }
    EXPECT_GE(texts, 5);
  }
}

TEST_F(PropertyLegendTest, ViewNoneDrawsNoLegend) {
  const Drawing drawing = Draw(DisplayOptions(), PropertyViewPainter(PropertyView()));
  const Drawing cells = Draw(DisplayOptions(), CellsOnly(PropertyView()));
  EXPECT_EQ(drawing.commands(), cells.commands());
}

}  // namespace
}  // namespace periodic
