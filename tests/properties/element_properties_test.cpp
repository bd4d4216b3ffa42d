#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "properties/bodr_data.h"
#include "properties/element_property.h"
#include "properties/property_table_source.h"

namespace periodic {
namespace {

BodrElement Record() {
  BodrElement e;
  e.number = 32;
  e.electronegativity = "2.01";
  e.mass = "72.630";
  e.ionizationEnergy = "7.8994";
  e.electronAffinity = "-0.07";
  e.covalentRadius = "1.22";
  e.meltingPoint = "1211.5";
  e.boilingPoint = "3107";
  e.discoveryYear = "1886";
  return e;
}

TEST(ReadPropertyValue, ConvertsAtTheEdgeAndRefusesWhatCannotBeAValue) {
  struct Case {
    ElementProperty property;
    std::string field;  // replaces the record's value; "-" keeps it
    bool known;
    double value;
    std::string text;
  };
  const Case cases[] = {
      {ElementProperty::Electronegativity, "-", true, 2.01, "2,01"},
      {ElementProperty::AtomicMass, "-", true, 72.63, "72,630"},
      {ElementProperty::ElectronAffinity, "-", true, -0.07, "-0,07"},
      {ElementProperty::CovalentRadius, "-", true, 122, "122"},
      {ElementProperty::CovalentRadius, "0.755", true, 75.5, "75,5"},
      {ElementProperty::MeltingPoint, "-", true, 1211.5, "1211,5"},
      {ElementProperty::DiscoveryYear, "-", true, 1886, "1886"},
      {ElementProperty::DiscoveryYear, "0", true, 0, "0"},
      // The data writes 0 for an unknown first ionisation energy (astatine).
      {ElementProperty::IonizationEnergy, "0", false, 0, ""},
      {ElementProperty::BoilingPoint, "", false, 0, ""},
      {ElementProperty::BoilingPoint, "abc", false, 0, ""},
      {ElementProperty::BoilingPoint, "12x", false, 0, ""},
  };
  for (const Case& c : cases) {
    BodrElement e = Record();
    if (c.field != "-") {
      e.ionizationEnergy = e.boilingPoint = e.covalentRadius = e.discoveryYear = c.field;
    }
    const auto value = ReadPropertyValue(e, c.property);
    SCOPED_TRACE(c.field + " " + c.text);
    ASSERT_EQ(value.has_value(), c.known);
    if (!c.known) continue;
    EXPECT_DOUBLE_EQ(value->value, c.value);
    EXPECT_EQ(value->text, c.text);
  }
}

TEST(ReadPropertyValue, ReaderFindsThePaulingElectronegativity) {
  const std::string xml =
      "<atom id=\"F\"><scalar dictRef=\"bo:atomicNumber\">9</scalar>"
      "<scalar dataType=\"xsd:float\" dictRef=\"bo:electronegativityPauling\" "
      "units=\"boUnits:paulingScaleUnit\">3.98</scalar></atom>";
  const BodrElements elements = ParseBodrElements(xml, "");
  ASSERT_EQ(elements.count(9), 1u);
  EXPECT_EQ(elements.at(9).electronegativity, "3.98");
}

TEST(ElementPropertyTableSource, WritesEveryElementAndNoValueForAMissingOne) {
  BodrElements elements;
  elements[32] = Record();
  const std::string source = ElementPropertyTableSource(elements);
  EXPECT_NE(source.find("{2.01, \"2,01\"}, {72.63, \"72,630\"}"), std::string::npos);
  EXPECT_NE(source.find("    {{}, {}, {}, {}, {}, {}, {}, {}},\n"), std::string::npos);
  std::size_t rows = 0;
  for (std::size_t at = 0; (at = source.find("\n    {", at)) != std::string::npos; ++at) ++rows;
  EXPECT_EQ(rows, 110u);
}

// The program's values are those of the installed data, read by the same reader as the help.
TEST(ElementProperties, BuiltInValuesAreTheDataValues) {
  const BodrElements data = ReadBodrElements(BODR_DIR "/elements.xml", BODR_DIR "/isotopes.xml");
  for (int n = 1; n <= 110; ++n) {
    for (int p = 0; p < kElementPropertyCount; ++p) {
      const auto property = static_cast<ElementProperty>(p);
      const auto expected = ReadPropertyValue(data.at(n), property);
      const PropertyValue built = PropertyValueOf(property, n);
      SCOPED_TRACE("element " + std::to_string(n) + ", property " + std::to_string(p));
      ASSERT_EQ(built.known(), expected.has_value());
      if (!expected) continue;
      EXPECT_EQ(built.value, expected->value);
      EXPECT_STREQ(built.text, expected->text.c_str());
    }
  }
}

TEST(ElementProperties, KnownValuesRangesAndBounds) {
  EXPECT_EQ(PropertyValueOf(ElementProperty::MeltingPoint, 26).value, 1808);        // Fe
  EXPECT_STREQ(PropertyValueOf(ElementProperty::MeltingPoint, 80).text, "234,31");  // Hg
  EXPECT_EQ(PropertyValueOf(ElementProperty::DiscoveryYear, 32).value, 1886);       // Ge
  EXPECT_FALSE(PropertyValueOf(ElementProperty::IonizationEnergy, 85).known());     // At
  EXPECT_FALSE(PropertyValueOf(ElementProperty::Electronegativity, 2).known());     // He
  EXPECT_TRUE(KnownSinceAntiquity(26));
  EXPECT_FALSE(KnownSinceAntiquity(8));
  for (int n : {0, -1, 111}) EXPECT_FALSE(PropertyValueOf(ElementProperty::AtomicMass, n).known());

  const PropertyRange electronegativity = RangeOf(ElementProperty::Electronegativity);
  EXPECT_EQ(electronegativity.minimum, 0.7);            // Fr
  EXPECT_STREQ(electronegativity.maximumText, "3,98");  // F
  const PropertyRange year = RangeOf(ElementProperty::DiscoveryYear);
  EXPECT_EQ(year.minimum, 1669);  // P, the first dated discovery
  EXPECT_EQ(year.maximum, 1994);  // Ds
}

}  // namespace
}  // namespace periodic
