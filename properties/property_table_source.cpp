#include "properties/property_table_source.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace periodic {
namespace {

const std::string& FieldOf(const BodrElement& e, ElementProperty property) {
  switch (property) {
    case ElementProperty::Electronegativity:
      return e.electronegativity;
    case ElementProperty::AtomicMass:
      return e.mass;
    case ElementProperty::IonizationEnergy:
      return e.ionizationEnergy;
    case ElementProperty::ElectronAffinity:
      return e.electronAffinity;
    case ElementProperty::CovalentRadius:
      return e.covalentRadius;
    case ElementProperty::MeltingPoint:
      return e.meltingPoint;
    case ElementProperty::BoilingPoint:
      return e.boilingPoint;
    case ElementProperty::DiscoveryYear:
      break;
  }
  return e.discoveryYear;
}

std::optional<double> ParseNumber(const std::string& text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || ptr != end || !std::isfinite(value))
    return std::nullopt;
  return value;
}

// Up to two decimals, without trailing zeros: 122, 72,5.
std::string ShortDecimal(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  std::string text = buffer;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

// A C++ string literal of UTF-8 text that holds no quote or backslash.
std::string Literal(const std::string& text) {
  return "\"" + text + "\"";
}

std::string RoundTrip(double value) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return error == std::errc() ? std::string(buffer, end) : "0";
}

}  // namespace

std::optional<ReadValue> ReadPropertyValue(const BodrElement& element, ElementProperty property) {
  const std::optional<double> number = ParseNumber(FieldOf(element, property));
  if (!number) return std::nullopt;
  if (property == ElementProperty::IonizationEnergy && *number <= 0) return std::nullopt;
  if (property == ElementProperty::CovalentRadius) {
    if (*number <= 0) return std::nullopt;
    const double picometres = std::round(*number * 100 * 100) / 100;
    return ReadValue{picometres, DecimalComma(ShortDecimal(picometres))};
  }
  return ReadValue{*number, DecimalComma(FieldOf(element, property))};
}

std::string ElementPropertyTableSource(const BodrElements& elements) {
  std::ostringstream out;
  out << "// Written by write_element_properties from the Blue Obelisk data; do not edit.\n"
         "#include \"properties/element_property_table.h\"\n\n"
         "namespace periodic {\n\n"
         "const PropertyValue kElementPropertyTable[110][kElementPropertyCount] = {\n";
  for (int n = 1; n <= 110; ++n) {
    const auto found = elements.find(n);
    out << "    {";
    for (int p = 0; p < kElementPropertyCount; ++p) {
      std::optional<ReadValue> value;
      if (found != elements.end())
        value = ReadPropertyValue(found->second, static_cast<ElementProperty>(p));
      out << (p ? ", " : "");
      if (value)
        out << "{" << RoundTrip(value->value) << ", " << Literal(value->text) << "}";
      else
        out << "{}";
    }
    out << "},\n";
  }
  out << "};\n\n}  // namespace periodic\n";
  return out.str();
}

}  // namespace periodic
