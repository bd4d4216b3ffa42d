#pragma once

#include <string_view>

namespace periodic {

// The properties the table can be coloured by, in the order the menu lists them.
enum class ElementProperty {
  Electronegativity,
  AtomicMass,
  IonizationEnergy,
  ElectronAffinity,
  CovalentRadius,
  MeltingPoint,
  BoilingPoint,
  DiscoveryYear,
};
inline constexpr int kElementPropertyCount = 8;

// One value as the build read it from the Blue Obelisk data: the number, and its text with a
// decimal comma as the help pages show it. No text means the data has no value.
struct PropertyValue {
  double value = 0;
  const char* text = nullptr;

  bool known() const { return text != nullptr; }
};

// The value of element n (1..110); unknown for any other n.
PropertyValue PropertyValueOf(ElementProperty property, int n);

// The data writes 0 as the discovery year of the elements known since antiquity.
bool KnownSinceAntiquity(int n);

struct PropertyRange {
  double minimum = 0;
  double maximum = 0;
  // The values' texts; null when no element has a value.
  const char* minimumText = nullptr;
  const char* maximumText = nullptr;
};

// The smallest and the largest value of the 110 elements; for the discovery year, of the dated
// discoveries only.
PropertyRange RangeOf(ElementProperty property);

// The property's name as the menu shows it, and its unit ("" for the atomic mass, which has none).
std::string_view PropertyName(ElementProperty property);
std::string_view PropertyUnit(ElementProperty property);

}  // namespace periodic
