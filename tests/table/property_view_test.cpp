#include <gtest/gtest.h>

#include <set>
#include <string>

#include "table/color_map.h"
#include "table/property_view.h"

namespace periodic {
namespace {

constexpr int kHydrogen = 1, kHelium = 2, kOxygen = 8, kIron = 26, kGallium = 31, kGermanium = 32,
              kBromine = 35, kMercury = 80;

TEST(ColorMap, EndsClampingAndContrast) {
  // The published first and last colours of viridis.
  EXPECT_EQ(ViridisColor(0), RgbColor(0x44, 0x01, 0x54));
  EXPECT_EQ(ViridisColor(1), RgbColor(0xfd, 0xe7, 0x25));
  EXPECT_EQ(ViridisColor(-3), ViridisColor(0));
  EXPECT_EQ(ViridisColor(7), ViridisColor(1));
  EXPECT_EQ(ViridisColor(0.5), RgbColor(0x21, 0x90, 0x8d));

  EXPECT_NEAR(ContrastRatio(kBlack, kWhite), 21, 1e-9);
  EXPECT_NEAR(ContrastRatio(kWhite, kWhite), 1, 1e-9);
  EXPECT_EQ(TextColorOn(ViridisColor(0)), kWhite);
  EXPECT_EQ(TextColorOn(ViridisColor(1)), kBlack);
}

TEST(PropertyViewPaint, SmallestAndLargestValueTakeTheMapsEndsAndMissingValuesTheHatch) {
  const PropertyView electronegativity{PropertyViewKind::Electronegativity, 298, 2000};
  EXPECT_EQ(PropertyViewPaint(electronegativity, 9).fill, ViridisColor(1));   // F, 3.98
  EXPECT_EQ(PropertyViewPaint(electronegativity, 87).fill, ViridisColor(0));  // Fr, 0.7
  const CellPaint helium = PropertyViewPaint(electronegativity, kHelium);
  EXPECT_TRUE(helium.hatched);
  EXPECT_EQ(helium.fill, kNoValuePaint.fill);
  // A missing value is never drawn as a value: no map colour is the no-value grey.
  for (int i = 0; i <= 100; ++i) EXPECT_NE(ViridisColor(i / 100.0), kNoValuePaint.fill);

  const PropertyView years{PropertyViewKind::DiscoveryYear, 298, 2000};
  EXPECT_EQ(PropertyViewPaint(years, kIron).fill, ViridisColor(0));  // known since antiquity
  EXPECT_EQ(PropertyViewPaint(years, 110).fill, ViridisColor(1));    // 1994, the latest
  EXPECT_FALSE(PropertyViewPaint(years, kIron).hatched);

  const PropertyView melting{PropertyViewKind::MeltingPoint, 298, 2000};
  EXPECT_TRUE(PropertyViewPaint(melting, 104).hatched);
  EXPECT_FALSE(PropertyViewPaint(melting, kHelium).hatched);
}

TEST(StateAt, RoomTemperatureAndTheEnds) {
  struct Case {
    int n;
    double kelvin;
    MatterState state;
  };
  const Case cases[] = {
      {kMercury, 298, MatterState::Liquid}, {kBromine, 298, MatterState::Liquid},
      {kGallium, 298, MatterState::Solid},  {kGallium, 303, MatterState::Liquid},
      {kHelium, 298, MatterState::Gas},     {kIron, 298, MatterState::Solid},
      {kHydrogen, 298, MatterState::Gas},   {kOxygen, 298, MatterState::Gas},
      {kHelium, 0, MatterState::Solid},     {kIron, 6000, MatterState::Gas},
      {kIron, 1808, MatterState::Liquid},   {kIron, 3023, MatterState::Gas},
      {33, 900, MatterState::Gas},          {33, 800, MatterState::Solid},    // As sublimes
      {105, 298, MatterState::Unknown},     {99, 298, MatterState::Unknown},  // no boiling point
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.n) + " at " + std::to_string(c.kelvin));
    EXPECT_EQ(StateAt(c.n, c.kelvin), c.state);
  }
  int withData = 0;
  for (int n = 1; n <= 110; ++n) {
    const MatterState at298 = StateAt(n, 298);
    if (at298 == MatterState::Unknown) continue;
    ++withData;
    EXPECT_EQ(StateAt(n, 0), MatterState::Solid) << n;
    EXPECT_EQ(StateAt(n, 6000), MatterState::Gas) << n;
  }
  EXPECT_GE(withData, 95);
}

TEST(StatesView, PaintsEachStateAndTheMissingOnes) {
  const PropertyView view{PropertyViewKind::StatesOfMatter, 298, 2000};
  EXPECT_EQ(PropertyViewPaint(view, kMercury), StatePaint(MatterState::Liquid));
  EXPECT_EQ(PropertyViewPaint(view, kIron), StatePaint(MatterState::Solid));
  EXPECT_EQ(PropertyViewPaint(view, kHelium), StatePaint(MatterState::Gas));
  EXPECT_TRUE(PropertyViewPaint(view, 105).hatched);
  const std::set<Color> fills = {StatePaint(MatterState::Solid).fill,
                                 StatePaint(MatterState::Liquid).fill,
                                 StatePaint(MatterState::Gas).fill, kNoValuePaint.fill};
  EXPECT_EQ(fills.size(), 4u);
}

TEST(Timeline, KnownElementsInAYear) {
  EXPECT_TRUE(DiscoveredBy(kIron, 1800));
  EXPECT_FALSE(DiscoveredBy(kGermanium, 1800));
  EXPECT_TRUE(DiscoveredBy(kOxygen, 1800));
  EXPECT_TRUE(DiscoveredBy(kOxygen, 1774));
  EXPECT_FALSE(DiscoveredBy(kOxygen, 1773));
  EXPECT_TRUE(DiscoveredBy(kGermanium, 1886));

  std::set<int> known;
  for (int n = 1; n <= 110; ++n)
    if (DiscoveredBy(n, -1000)) known.insert(n);
  EXPECT_EQ(known, (std::set<int>{6, 16, 26, 29, 33, 47, 50, 51, 79, 80, 82, 83}));
  for (int n = 1; n <= 110; ++n) EXPECT_TRUE(DiscoveredBy(n, 2000)) << n;

  const PropertyView view{PropertyViewKind::DiscoveryTimeline, 298, 1800};
  EXPECT_EQ(PropertyViewPaint(view, kGermanium), kUndiscoveredPaint);
  EXPECT_NE(PropertyViewPaint(view, kIron), kUndiscoveredPaint);
}

TEST(PropertyViewFact, ValueWithUnitOrItsAbsence) {
  struct Case {
    PropertyViewKind kind;
    int n;
    std::string fact;
  };
  const Case cases[] = {
      {PropertyViewKind::Electronegativity, 9, "Электроотрицательность: 3,98 по Полингу"},
      {PropertyViewKind::Electronegativity, 2, "Электроотрицательность: нет данных"},
      {PropertyViewKind::AtomicMass, 32, "Атомная масса: 72,630"},
      {PropertyViewKind::IonizationEnergy, 32, "Первая энергия ионизации: 7,8994 эВ"},
      {PropertyViewKind::CovalentRadius, 32, "Ковалентный радиус: 122 пм"},
      {PropertyViewKind::MeltingPoint, 80, "Температура плавления: 234,31 K"},
      {PropertyViewKind::DiscoveryYear, 32, "Год открытия: 1886"},
      {PropertyViewKind::DiscoveryTimeline, 26, "Год открытия: известен с древности"},
      {PropertyViewKind::StatesOfMatter, 80,
       "Агрегатное состояние при 298 K: жидкое\nТемпература плавления: 234,31 K\n"
       "Температура кипения: 629,88 K"},
      {PropertyViewKind::None, 80, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(PropertyViewFact({c.kind, 298, 2000}, c.n), c.fact);
}

}  // namespace
}  // namespace periodic
