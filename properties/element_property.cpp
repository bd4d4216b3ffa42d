#include "properties/element_property.h"

#include <array>
#include <cstddef>

#include "properties/element_property_table.h"

namespace periodic {

PropertyValue PropertyValueOf(ElementProperty property, int n) {
  const int column = static_cast<int>(property);
  if (n < 1 || n > 110 || column < 0 || column >= kElementPropertyCount) return {};
  return kElementPropertyTable[n - 1][column];
}

bool KnownSinceAntiquity(int n) {
  const PropertyValue year = PropertyValueOf(ElementProperty::DiscoveryYear, n);
  return year.known() && year.value == 0;
}

namespace {

PropertyRange FindRange(ElementProperty property) {
  bool any = false;
  PropertyRange range;
  for (int n = 1; n <= 110; ++n) {
    const PropertyValue v = PropertyValueOf(property, n);
    if (!v.known() || (property == ElementProperty::DiscoveryYear && KnownSinceAntiquity(n)))
      continue;
    if (!any || v.value < range.minimum) {
      range.minimum = v.value;
      range.minimumText = v.text;
    }
    if (!any || v.value > range.maximum) {
      range.maximum = v.value;
      range.maximumText = v.text;
    }
    any = true;
  }
  return range;
}

}  // namespace

PropertyRange RangeOf(ElementProperty property) {
  // Every cell painted asks for its property's range; the table is constant, so each range is
  // found once.
  static const auto kRanges = [] {
    std::array<PropertyRange, kElementPropertyCount> ranges{};
    for (int p = 0; p < kElementPropertyCount; ++p)
      ranges[static_cast<std::size_t>(p)] = FindRange(static_cast<ElementProperty>(p));
    return ranges;
  }();
  const int p = static_cast<int>(property);
  return p >= 0 && p < kElementPropertyCount ? kRanges[static_cast<std::size_t>(p)]
                                             : PropertyRange{};
}

std::string_view PropertyName(ElementProperty property) {
  switch (property) {
    case ElementProperty::Electronegativity:
      return "электроотрицательность";
    case ElementProperty::AtomicMass:
      return "атомная масса";
    case ElementProperty::IonizationEnergy:
      return "первая энергия ионизации";
    case ElementProperty::ElectronAffinity:
      return "сродство к электрону";
    case ElementProperty::CovalentRadius:
      return "ковалентный радиус";
    case ElementProperty::MeltingPoint:
      return "температура плавления";
    case ElementProperty::BoilingPoint:
      return "температура кипения";
    case ElementProperty::DiscoveryYear:
      return "год открытия";
  }
  return {};
}

std::string_view PropertyUnit(ElementProperty property) {
  switch (property) {
    case ElementProperty::Electronegativity:
      return "по Полингу";
    case ElementProperty::IonizationEnergy:
    case ElementProperty::ElectronAffinity:
      return "эВ";
    case ElementProperty::CovalentRadius:
      return "пм";
    case ElementProperty::MeltingPoint:
    case ElementProperty::BoilingPoint:
      return "K";
    case ElementProperty::DiscoveryYear:
      return "г.";
    case ElementProperty::AtomicMass:
      break;
  }
  return {};
}

}  // namespace periodic
