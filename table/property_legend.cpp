#include "table/property_legend.h"

#include <string>
#include <vector>

#include "table/color_map.h"

namespace periodic {
namespace {

constexpr int kBarSteps = 64;
constexpr double kBarThickness = 300;
constexpr double kSwatchWidth = 350;
constexpr double kSwatchHeight = 220;
constexpr double kRowPitch = 300;
constexpr double kLabelGap = 100;

struct Swatch {
  CellPaint paint;
  std::string label;
};

// What a legend shows, before it is laid out.
struct LegendContent {
  std::string title;
  std::string subtitle;  // the unit, the temperature or the year
  std::string separator = ", ";
  bool bar = false;
  std::string barMinimum;
  std::string barMaximum;
  std::vector<Swatch> swatches;
};

LegendContent PropertyContent(ElementProperty property) {
  const PropertyRange range = RangeOf(property);
  LegendContent c;
  c.bar = range.minimumText != nullptr;
  c.barMinimum = range.minimumText ? range.minimumText : "";
  c.barMaximum = range.maximumText ? range.maximumText : "";
  if (property == ElementProperty::DiscoveryYear) {
    c.barMinimum = "древность";
  } else {
    c.subtitle = std::string(PropertyUnit(property));
  }
  c.swatches.push_back({kNoValuePaint, "нет данных"});
  return c;
}

LegendContent ContentOf(const PropertyView& view) {
  if (const std::optional<ElementProperty> property = ColouredProperty(view.kind)) {
    LegendContent c = PropertyContent(*property);
    c.title = PropertyViewName(view.kind);
    return c;
  }
  if (view.kind == PropertyViewKind::StatesOfMatter) {
    LegendContent c;
    c.title = PropertyViewName(view.kind);
    c.subtitle = "при " + std::to_string(view.temperature) + " K";
    c.separator = " ";
    for (MatterState s :
         {MatterState::Solid, MatterState::Liquid, MatterState::Gas, MatterState::Unknown})
      c.swatches.push_back({StatePaint(s), StateName(s)});
    return c;
  }
  LegendContent c = PropertyContent(ElementProperty::DiscoveryYear);
  c.title = PropertyViewName(view.kind);
  c.subtitle = YearText(view.year);
  c.separator = ": ";
  c.swatches.insert(c.swatches.begin(), {kUndiscoveredPaint, "ещё не открыт"});
  return c;
}

void Label(DrawingSurface& s, double x, double y, const std::string& text) {
  s.setCurrentX(x);
  s.setCurrentY(y);
  s.printLine(text);
}

// The swatches one under another from (x, y).
void DrawSwatches(DrawingSurface& s, const std::vector<Swatch>& swatches, double x, double y) {
  for (const Swatch& swatch : swatches) {
    const CellPaint& p = swatch.paint;
    if (p.hatched)
      DrawHatchedBox(s, x, y, x + kSwatchWidth, y + kSwatchHeight, p.fill, p.hatch);
    else
      s.filledBox(x, y, x + kSwatchWidth, y + kSwatchHeight, p.fill);
    s.box(x, y, x + kSwatchWidth, y + kSwatchHeight, kBlack);
    Label(s, x + kSwatchWidth + kLabelGap, y, swatch.label);
    y += kRowPitch;
  }
}

void DrawTitle(DrawingSurface& s, const LegendContent& c, double x, double y, bool twoLines) {
  s.setFontSize(8);
  s.setFontBold(true);
  const std::string joined = c.subtitle.empty() ? c.title : c.title + c.separator + c.subtitle;
  Label(s, x, y, twoLines ? c.title : joined);
  s.setFontBold(false);
  if (twoLines && !c.subtitle.empty()) Label(s, x, y + 220, c.subtitle);
  s.setFontSize(7);
}

// Upright: the title on two lines, the bar with the largest value on top, the swatches below.
void DrawUpright(DrawingSurface& s, const LegendContent& c, const LegendArea& a) {
  DrawTitle(s, c, a.left, a.top, true);
  double y = a.top + 600;
  if (c.bar) {
    const double length = std::min(3000.0, a.bottom - y - kRowPitch * (c.swatches.size() + 1));
    const double step = length / kBarSteps;
    for (int i = 0; i < kBarSteps; ++i)
      s.filledBox(a.left, y + i * step, a.left + kBarThickness, y + (i + 1) * step,
                  ViridisColor(1 - (i + 0.5) / kBarSteps));
    s.box(a.left, y, a.left + kBarThickness, y + length, kBlack);
    Label(s, a.left + kBarThickness + kLabelGap, y, c.barMaximum);
    Label(s, a.left + kBarThickness + kLabelGap, y + length - s.lineHeight(), c.barMinimum);
    y += length + kRowPitch;
  }
  DrawSwatches(s, c.swatches, a.left, y);
}

// Across: the title on one line, the bar under it with its ends below, the swatches right of it.
void DrawAcross(DrawingSurface& s, const LegendContent& c, const LegendArea& a) {
  DrawTitle(s, c, a.left, a.top, false);
  const double y = a.top + kRowPitch;
  double swatchesX = a.left;
  if (c.bar) {
    const double length = (a.right - a.left) * 0.6;
    const double step = length / kBarSteps;
    for (int i = 0; i < kBarSteps; ++i)
      s.filledBox(a.left + i * step, y, a.left + (i + 1) * step, y + kBarThickness,
                  ViridisColor((i + 0.5) / kBarSteps));
    s.box(a.left, y, a.left + length, y + kBarThickness, kBlack);
    Label(s, a.left, y + kBarThickness + 50, c.barMinimum);
    Label(s, a.left + length - s.textWidth(c.barMaximum), y + kBarThickness + 50, c.barMaximum);
    swatchesX = a.left + length + 400;
  }
  DrawSwatches(s, c.swatches, swatchesX, y);
}

}  // namespace

LegendArea PropertyLegendArea(const DisplayOptions& options) {
  const TableOrigin o = TableOriginOf(options);
  if (options.LongPeriods)
    return {o.X + 2 * kCellWidth + 100, o.Y + 60, o.X + 12 * kCellWidth - 100,
            o.Y + 3 * kCellHeight - 60, false};
  const double lanthanidesTop = o.Y + (options.ShowHighestOxidesTable ? 7200 : 6300);
  return {o.X + 11 * kCellWidth + 190, o.Y + 90, SurfaceSizeOf(options).width - 60,
          lanthanidesTop - 150, true};
}

void DrawPropertyLegend(const TableDrawContext& context, const PropertyView& view) {
  if (view.kind == PropertyViewKind::None) return;
  DrawingSurface& s = context.surface;
  s.setFontName(kTableFontName);
  // The legend stands on the table's background, which the user may have made dark; a system
  // colour is the light window background.
  const Color back = s.backColor();
  s.setForeColor(IsSystemColor(back) ? kBlack : TextColorOn(back));
  const LegendArea area = PropertyLegendArea(context.options);
  const LegendContent content = ContentOf(view);
  if (area.upright)
    DrawUpright(s, content, area);
  else
    DrawAcross(s, content, area);
}

void PropertyViewPainter::drawLegend(const TableDrawContext& context) const {
  DrawPropertyLegend(context, m_view);
}

}  // namespace periodic
