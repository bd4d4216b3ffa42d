#include "table/property_view.h"

#include <array>
#include <chrono>

#include "table/color_map.h"

namespace periodic {
namespace {

constexpr std::array<const char*, kPropertyViewKindCount> kViewNames = {
    "нет",
    "Электроотрицательность",
    "Атомная масса",
    "Первая энергия ионизации",
    "Сродство к электрону",
    "Ковалентный радиус",
    "Температура плавления",
    "Температура кипения",
    "Год открытия",
    "Агрегатное состояние",
    "Хронология открытий",
};

std::string WithUnit(const char* text, ElementProperty property) {
  const std::string_view unit = PropertyUnit(property);
  return unit.empty() || property == ElementProperty::DiscoveryYear
             ? std::string(text)
             : std::string(text) + " " + std::string(unit);
}

std::string ValueFact(const std::string& name, ElementProperty property, int n) {
  const PropertyValue value = PropertyValueOf(property, n);
  if (property == ElementProperty::DiscoveryYear && KnownSinceAntiquity(n))
    return name + ": известен с древности";
  return name + ": " + (value.known() ? WithUnit(value.text, property) : "нет данных");
}

}  // namespace

int CurrentYear() {
  const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  return static_cast<int>(std::chrono::year_month_day(today).year());
}

std::optional<ElementProperty> ColouredProperty(PropertyViewKind kind) {
  const int k = static_cast<int>(kind);
  if (k < 1 || k > kElementPropertyCount) return std::nullopt;
  return static_cast<ElementProperty>(k - 1);
}

std::string PropertyViewName(PropertyViewKind kind) {
  const auto k = static_cast<std::size_t>(kind);
  return k < kViewNames.size() ? kViewNames[k] : "";
}

MatterState StateAt(int n, double kelvin) {
  const PropertyValue melting = PropertyValueOf(ElementProperty::MeltingPoint, n);
  const PropertyValue boiling = PropertyValueOf(ElementProperty::BoilingPoint, n);
  if (!melting.known() || !boiling.known()) return MatterState::Unknown;
  // Boiling first: an element whose boiling point lies below its melting point (arsenic
  // sublimes) turns from solid straight into gas.
  if (kelvin >= boiling.value) return MatterState::Gas;
  if (kelvin >= melting.value) return MatterState::Liquid;
  return MatterState::Solid;
}

std::string StateName(MatterState state) {
  switch (state) {
    case MatterState::Solid:
      return "твёрдое";
    case MatterState::Liquid:
      return "жидкое";
    case MatterState::Gas:
      return "газообразное";
    case MatterState::Unknown:
      break;
  }
  return "нет данных";
}

bool DiscoveredBy(int n, int year) {
  const PropertyValue discovered = PropertyValueOf(ElementProperty::DiscoveryYear, n);
  return discovered.known() && (KnownSinceAntiquity(n) || discovered.value <= year);
}

std::string YearText(int year) {
  return year < 0 ? std::to_string(-year) + " г. до н. э." : std::to_string(year) + " г.";
}

CellPaint StatePaint(MatterState state) {
  Color fill = 0;
  switch (state) {
    case MatterState::Solid:
      fill = RgbColor(0, 114, 178);
      break;
    case MatterState::Liquid:
      fill = RgbColor(230, 159, 0);
      break;
    case MatterState::Gas:
      fill = RgbColor(86, 180, 233);
      break;
    case MatterState::Unknown:
      return kNoValuePaint;
  }
  return {fill, TextColorOn(fill)};
}

CellPaint MapPaint(ElementProperty property, double value) {
  const PropertyRange range = RangeOf(property);
  const double span = range.maximum - range.minimum;
  const Color fill = ViridisColor(span > 0 ? (value - range.minimum) / span : 0);
  return {fill, TextColorOn(fill)};
}

CellPaint PropertyViewPaint(const PropertyView& view, int n) {
  if (const std::optional<ElementProperty> property = ColouredProperty(view.kind)) {
    const PropertyValue value = PropertyValueOf(*property, n);
    if (!value.known()) return kNoValuePaint;
    // The elements known since antiquity come before every dated discovery.
    if (*property == ElementProperty::DiscoveryYear && KnownSinceAntiquity(n))
      return MapPaint(*property, RangeOf(*property).minimum);
    return MapPaint(*property, value.value);
  }
  if (view.kind == PropertyViewKind::StatesOfMatter)
    return StatePaint(StateAt(n, view.temperature));
  if (view.kind == PropertyViewKind::DiscoveryTimeline) {
    if (!PropertyValueOf(ElementProperty::DiscoveryYear, n).known()) return kNoValuePaint;
    if (!DiscoveredBy(n, view.year)) return kUndiscoveredPaint;
    return PropertyViewPaint({PropertyViewKind::DiscoveryYear, view.temperature, view.year}, n);
  }
  return kNoValuePaint;
}

std::string PropertyViewFact(const PropertyView& view, int n) {
  if (const std::optional<ElementProperty> property = ColouredProperty(view.kind))
    return ValueFact(PropertyViewName(view.kind), *property, n);
  if (view.kind == PropertyViewKind::StatesOfMatter)
    return "Агрегатное состояние при " + std::to_string(view.temperature) +
           " K: " + StateName(StateAt(n, view.temperature)) + "\n" +
           ValueFact(PropertyViewName(PropertyViewKind::MeltingPoint),
                     ElementProperty::MeltingPoint, n) +
           "\n" +
           ValueFact(PropertyViewName(PropertyViewKind::BoilingPoint),
                     ElementProperty::BoilingPoint, n);
  if (view.kind == PropertyViewKind::DiscoveryTimeline)
    return ValueFact(PropertyViewName(PropertyViewKind::DiscoveryYear),
                     ElementProperty::DiscoveryYear, n);
  return {};
}

}  // namespace periodic
