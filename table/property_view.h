#pragma once

#include <optional>
#include <string>

#include "properties/element_property.h"
#include "table/cell_painter.h"

namespace periodic {

// What the table is coloured by: nothing (the colour scheme), one of the eight properties, the
// state of matter at a temperature, or the elements known in a year. The numbers are those the
// control and the settings file use.
enum class PropertyViewKind {
  None = 0,
  Electronegativity,
  AtomicMass,
  IonizationEnergy,
  ElectronAffinity,
  CovalentRadius,
  MeltingPoint,
  BoilingPoint,
  DiscoveryYear,
  StatesOfMatter,
  DiscoveryTimeline,
};
inline constexpr int kPropertyViewKindCount = 11;

inline constexpr int kLowestTemperature = 0;
inline constexpr int kHighestTemperature = 6000;
inline constexpr int kRoomTemperature = 298;
// The timeline's first year stands for antiquity: only the elements known since then are known.
inline constexpr int kEarliestYear = -1000;

// The calendar year of the system clock.
int CurrentYear();

struct PropertyView {
  PropertyViewKind kind = PropertyViewKind::None;
  int temperature = kRoomTemperature;  // K, for the states of matter
  int year = CurrentYear();            // for the timeline

  bool operator==(const PropertyView&) const = default;
};

// The property a view colours by on the colour map, if it is one of the eight.
std::optional<ElementProperty> ColouredProperty(PropertyViewKind kind);

// The view's name as the menu and the toolbar list show it.
std::string PropertyViewName(PropertyViewKind kind);

enum class MatterState { Unknown, Solid, Liquid, Gas };

// Element n's state at the temperature, from its melting and boiling points: gas from the
// boiling point up, liquid from the melting point up, solid below. Unknown when either point is
// missing.
MatterState StateAt(int n, double kelvin);
std::string StateName(MatterState state);

// Whether element n was known in the year; the elements known since antiquity always were.
bool DiscoveredBy(int n, int year);

// "1800 г.", "1000 г. до н. э."
std::string YearText(int year);

// The paints of the views. A cell without a value is grey and hatched; an element not yet
// discovered is faded.
inline constexpr CellPaint kNoValuePaint{RgbColor(191, 191, 191), kBlack, true,
                                         RgbColor(150, 150, 150)};
inline constexpr CellPaint kUndiscoveredPaint{RgbColor(238, 238, 238), RgbColor(100, 100, 100)};
CellPaint StatePaint(MatterState state);

// The colour map's paint for a value of the property: the map's first colour at the smallest
// value of the 110 elements, its last at the largest.
CellPaint MapPaint(ElementProperty property, double value);

// Element n's paint in the view; the no-value paint for the view None.
CellPaint PropertyViewPaint(const PropertyView& view, int n);

// The line the pointer resting on element n adds for the view: the property's value with its
// unit; empty for the view None.
std::string PropertyViewFact(const PropertyView& view, int n);

// Paints the table's cells for a view and draws its legend.
class PropertyViewPainter : public CellPainter {
 public:
  explicit PropertyViewPainter(const PropertyView& view) : m_view(view) {}
  CellPaint paintOf(int n) const override { return PropertyViewPaint(m_view, n); }
  void drawLegend(const TableDrawContext& context) const override;

 private:
  PropertyView m_view;
};

}  // namespace periodic
