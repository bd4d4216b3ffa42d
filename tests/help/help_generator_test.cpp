#include <gtest/gtest.h>

#include "data/builtin_records.h"
#include "data/data_error.h"
#include "properties/bodr_data.h"
#include "help/generator/element_page.h"
#include "help/generator/element_place.h"
#include "help/generator/element_text.h"
#include "help/generator/help_project.h"

using namespace periodic;

TEST(ElementPagePath, TakesTheFirstTwoCharactersOfTheTrimmedSymbol) {
  const struct {
    const char* symbol;
    const char* path;
  } cases[] = {
      {"H   ", "html/H.htm"},  {"Fe  ", "html/Fe.htm"}, {"La* ", "html/La.htm"},
      {"Ac**", "html/Ac.htm"}, {"    ", "html/.htm"},
  };
  for (const auto& c : cases) EXPECT_EQ(ElementPagePath(c.symbol), c.path) << c.symbol;
  // Every element has a page of its own.
  std::set<std::string> paths;
  for (const ElementRecord& record : BuiltinRecords()) paths.insert(ElementPagePath(record.Symbol));
  EXPECT_EQ(paths.size(), 110u);
}

TEST(ElementText, ConvertsUnitsAndFormulas) {
  EXPECT_EQ(DecimalComma("0.151"), "0,151");
  EXPECT_EQ(FormulaHtml(R"(4f^"14"5d^"1"6s^"2")"), "4f<sup>14</sup>5d<sup>1</sup>6s<sup>2</sup>");
  EXPECT_EQ(FormulaPlain(R"(4f^"14"5d^"1"6s^"2")"), "4f14 5d1 6s2");
  EXPECT_EQ(FormulaHtml("3d<"), "3d&lt;");
  EXPECT_EQ(HtmlColor(255), "#ff0000");
  EXPECT_EQ(HtmlColor(10066176), "#009999");
  EXPECT_EQ(DiscoveryCountries("ru,us"), "Россия, США");
}

TEST(ElementText, NamesTheClassesOfACategory) {
  using Classes = std::vector<std::string>;
  EXPECT_EQ(CategoryClasses(0), Classes{"инертный (благородный) газ"});
  EXPECT_EQ(CategoryClasses(2), Classes{"неметалл"});
  EXPECT_EQ(CategoryClasses(11), (Classes{"амфотерный элемент", "щёлочноземельный металл"}));
  EXPECT_EQ(CategoryClasses(97), (Classes{"металл", "переходный элемент", "платиновый металл"}));
  EXPECT_EQ(CategoryClasses(289),
            (Classes{"металл", "переходный элемент", "трансурановый элемент"}));
}

TEST(ElementPlace, FollowsTheDrawnLayout) {
  const struct {
    int n;
    int period, shortRow, shortGroup, longColumn;
  } cases[] = {
      {1, 1, 1, 7, 17}, {2, 1, 1, 8, 18},  {11, 3, 3, 1, 1},
      {26, 4, 4, 8, 8}, {29, 4, 5, 1, 11}, {36, 4, 5, 8, 18},
      {57, 6, 8, 3, 3}, {79, 6, 9, 1, 11}, {110, 7, 10, 8, 10},
  };
  for (const auto& c : cases) {
    const ElementPlace place = PlaceOf(c.n);
    EXPECT_FALSE(place.familyRow) << c.n;
    EXPECT_EQ(place.period, c.period) << c.n;
    EXPECT_EQ(place.shortRow, c.shortRow) << c.n;
    EXPECT_EQ(place.shortGroup, c.shortGroup) << c.n;
    EXPECT_EQ(place.longColumn, c.longColumn) << c.n;
  }
  EXPECT_TRUE(PlaceOf(58).familyRow);
  EXPECT_EQ(PlaceOf(71).period, 6);
  EXPECT_EQ(PlaceOf(90).period, 7);
  EXPECT_EQ(GroupNeighbours(11), (std::vector<int>{3, 19}));
  EXPECT_EQ(GroupNeighbours(58), (std::vector<int>{90}));
  EXPECT_EQ(GroupNeighbours(0), std::vector<int>{});
}

TEST(BodrData, ReadsElementsAndTheirNaturalIsotopes) {
  const std::string elements = R"(<list>
  <atom id="Fe">
    <scalar dataType="xsd:Integer" dictRef="bo:atomicNumber">26</scalar>
    <label dictRef="bo:symbol" value="Fe" />
    <label dictRef="bo:name" xml:lang="en" value="Iron" />
    <scalar dictRef="bo:meltingpoint"  units="siUnits:kelvin">1808</scalar>
    <array dataType="xsd:string" dictRef="bo:discoveryCountry">ancient</array>
  </atom>
  <atom id="Xx"><scalar dictRef="bo:atomicNumber">0</scalar></atom>
  <atom id="Bad"><label dictRef="bo:symbol" value="Bad"/>
</list>)";
  const std::string isotopes = R"(
  <isotope id="Fe54" number="54" elementType="Fe">
    <scalar dictRef="bo:relativeAbundance">5.845</scalar>
    <scalar dictRef="bo:atomicNumber">26</scalar>
  </isotope>
  <isotope id="Fe55" number="55" elementType="Fe">
    <scalar dictRef="bo:atomicNumber">26</scalar>
  </isotope>
  <isotope id="Q1" number="1"><scalar dictRef="bo:relativeAbundance">1</scalar>
    <scalar dictRef="bo:atomicNumber">999</scalar></isotope>)";
  const BodrElements read = ParseBodrElements(elements, isotopes);
  ASSERT_EQ(read.size(), 1u);
  const BodrElement& iron = read.at(26);
  EXPECT_EQ(iron.symbol, "Fe");
  EXPECT_EQ(iron.nameEnglish, "Iron");
  EXPECT_EQ(iron.meltingPoint, "1808");
  EXPECT_EQ(iron.boilingPoint, "");
  EXPECT_EQ(iron.discoveryCountry, "ancient");
  ASSERT_EQ(iron.isotopes.size(), 1u);
  EXPECT_EQ(iron.isotopes[0].massNumber, 54);
  EXPECT_EQ(iron.isotopes[0].abundance, "5.845");

  EXPECT_TRUE(ParseBodrElements("<atom", "").empty());
  try {
    ReadBodrElements("/no/such/elements.xml", "/no/such/isotopes.xml");
    ADD_FAILURE() << "a missing file was read";
  } catch (const DataError& e) {
    EXPECT_EQ(std::string(e.what()),
              "cannot open file '/no/such/elements.xml': No such file or directory");
  }
}

TEST(HelpProject, ListsContentsIndexAndFiles) {
  const std::vector<HelpTopic> contents = {
      {"Введение", "html/Introduction.htm", {"Введение"}, {}},
      {"Элементы & таблица",
       "html/Elements.htm",
       {},
       {{"26. Железо", "html/Fe.htm", {"Железо", "Fe"}, {}}}},
  };
  const std::string xml = HelpProjectXml(contents, {"html/.htm", "style.css"});
  EXPECT_NE(xml.find("<namespace>ru.periodic.table.help</namespace>"), std::string::npos);
  EXPECT_NE(xml.find("<section title=\"Введение\" ref=\"html/Introduction.htm\"/>"),
            std::string::npos);
  EXPECT_NE(xml.find("<section title=\"Элементы &amp; таблица\" ref=\"html/Elements.htm\">\n"
                     "        <section title=\"26. Железо\" ref=\"html/Fe.htm\"/>\n"
                     "      </section>"),
            std::string::npos);
  EXPECT_NE(xml.find("<keyword name=\"Fe\" ref=\"html/Fe.htm\"/>"), std::string::npos);
  EXPECT_NE(xml.find("<file>html/.htm</file>"), std::string::npos);
  const std::string collection = CollectionProjectXml("Table.qhp", "Table.qch");
  EXPECT_NE(collection.find("<input>Table.qhp</input>"), std::string::npos);
  EXPECT_NE(collection.find("<register>\n      <file>Table.qch</file>"), std::string::npos);
}

TEST(ElementPage, ShowsTheSymbolAsTheCardDoes) {
  const std::vector<ElementRecord> records = BuiltinRecords();
  for (const int number : {57, 89}) {
    const std::string html = ElementPageHtml(records[number - 1], nullptr, records);
    const std::string symbol = number == 57 ? "La" : "Ac";
    EXPECT_NE(html.find("<th>Символ</th><td>" + symbol + "</td>"), std::string::npos) << number;
  }
}
