// The values of the element pages: numbers at the source's precision, temperatures, half-lives,
// and the pages of the elements whose data used to mislead.
#include <gtest/gtest.h>

#include "data/builtin_records.h"
#include "help/generator/element_page.h"
#include "help/generator/element_values.h"
#include "properties/bodr_data.h"

using namespace periodic;

TEST(ElementValues, RoundToTheSourcesPrecision) {
  const struct {
    const char* number;
    const char* error;
    const char* text;
  } cases[] = {
      {"0.151", "3", "0,151"},  {"0.75420375", "3", "0,754"},
      {"0.55", "20", "0,6"},    {"3.3635880", "20", "3,364"},
      {"-0.07", "2", "−0,07"},  {"0.5", "", "0,5"},
      {"0", "", "0"},           {"abc", "", ""},
      {"-0.0001", "", "0,000"},
  };
  for (const auto& c : cases) EXPECT_EQ(RoundedValue(c.number, c.error, 3), c.text) << c.number;
}

TEST(ElementValues, WriteTemperaturesAtTheKelvinPrecision) {
  const struct {
    const char* kelvin;
    const char* text;
  } cases[] = {
      {"1808", "1808 К (1535 °C)"},
      {"14.01", "14,01 К (−259,14 °C)"},
      {"4.216", "4,216 К (−268,934 °C)"},
      {"273.15", "273,15 К (0,00 °C)"},
      {"273", "273 К (0 °C)"},
      {"12K", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(TemperatureText(c.kelvin), c.text) << c.kelvin;
}

TEST(ElementValues, TellTheStateAt25C) {
  const struct {
    const char* melting;
    const char* boiling;
    const char* state;
  } cases[] = {
      {"1808", "3023", "твёрдое"},     // iron
      {"234.31", "629.88", "жидкое"},  // mercury
      {"265.95", "331.85", "жидкое"},  // bromine
      {"302.92", "2478", "твёрдое"},   // gallium, melts in the hand
      {"0.95", "4.216", "газ"},        // helium
      {"1258", "983", "твёрдое"},      // berkelium, a boiling point that cannot be right
      {"", "", ""},
      {"", "4000", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(StateAt25C(c.melting, c.boiling), c.state) << c.melting;
}

TEST(ElementValues, WriteHalfLivesInRussianUnits) {
  const double year = 365.25 * 86400;
  const struct {
    double seconds;
    const char* text;
  } cases[] = {
      {2.6e6 * year, "2,6 млн лет"}, {4.47e9 * year, "4,47 млрд лет"},
      {211100 * year, "211000 лет"}, {1380 * year, "1380 лет"},
      {320 * 86400, "320 сут"},      {20 * 3600, "20 ч"},
      {188.4, "3,14 мин"},           {12.8, "12,8 с"},
      {0.00018, "0,00018 с"},
  };
  for (const auto& c : cases) EXPECT_EQ(HalfLifeText(c.seconds), c.text) << c.seconds;
  EXPECT_EQ(DecayText({{"alpha", "100"}}), "α");
  EXPECT_EQ(DecayText({{"betaminus", "99.9"}, {"ec", "0.1"}}),
            "β⁻ (99,9 %), электронный захват (0,1 %)");
  EXPECT_EQ(DiscoveryPlaces("ru,us", "1964"), "СССР, США");
  EXPECT_EQ(DiscoveryPlaces("ru", "1844"), "Россия");
  EXPECT_EQ(DiscoveryPlaces("", "1803"), "");
  EXPECT_EQ(DiscoverersText({"Peter Armbruster", "et al."}), "Peter Armbruster, и др.");
}

namespace {

std::string Page(int number) {
  static const BodrElements bodr =
      ReadBodrElements(BODR_DIR "/elements.xml", BODR_DIR "/isotopes.xml");
  const std::vector<ElementRecord>& records = BuiltinRecords();
  return ElementPageHtml(records.at(number - 1), &bodr.at(number), records);
}

std::string Row(const std::string& label, const std::string& value) {
  return "<tr><th>" + label + "</th><td>" + value + "</td></tr>";
}

}  // namespace

TEST(ElementPage, ShowsValuesThatDoNotMislead) {
  const struct {
    int number;
    std::vector<std::string> present;
    std::vector<std::string> absent;
  } cases[] = {
      {26,
       {Row("Температура плавления", "1808 К (1535 °C)"),
        Row("Температура кипения", "3023 К (2750 °C)"),
        Row("Состояние при 25 °C и обычном давлении", "твёрдое"),
        Row("Сродство к электрону", "0,151 эВ"), Row("Открытие", "известен с древности")},
       {"Самые долгоживущие", "1534,85"}},
      {33,
       {Row("Температура плавления", "1090 К (817 °C), под давлением 3,6 МПа"),
        "<th>Температура возгонки", "<td>876 К (603 °C)</td>"},
       {"<th>Температура кипения"}},
      {97,
       {Row("Температура кипения", "нет надёжных данных"),
        Row("Атомная масса по современным данным", "[247]"), Row("Открытие", "1949 г."),
        Row("Первооткрыватели", "Glenn T. Seaborg, A. Ghiors, S. G. Thompson"),
        "<td><sup>247</sup>Bk</td><td>1380 лет</td>"},
       {"983 К"}},
      {2,
       {Row("Сродство к электрону", "нет устойчивого отрицательного иона (значение не определено)"),
        Row("Температура кипения", "4,216 К (−268,934 °C)"),
        Row("Состояние при 25 °C и обычном давлении", "газ"),
        Row("Открытие", "1895 г., Швеция, Великобритания")},
       {"0 эВ", "-2"}},
      {43,
       {Row("Атомная масса по современным данным", "[97]"), Row("Сродство к электрону", "0,6 эВ"),
        "<td><sup>97</sup>Tc</td><td>2,6 млн лет</td><td>электронный захват</td>",
        "<td><sup>99</sup>Tc</td><td>211000 лет</td><td>β⁻</td>"},
       {}},
      {58,
       {Row("Открытие", "1803 г."),
        Row("Первооткрыватели", "Jöns Jacob Berzelius, W. Hisinger, M. Klaproth")},
       {"г.,</td>", "Самые долгоживущие"}},
      {107,
       {Row("Открытие", "1981 г., СССР"), Row("Атомная масса по современным данным", "[270]"),
        Row("Первооткрыватели", "Peter Armbruster, Gottfried Münzenber, и др.")},
       {"Состояние при 25"}},
      {110,
       {Row("Относительная атомная масса", "нет данных"), "<h1>Элемент 110</h1>",
        "<td><sup>271</sup>Ds</td><td>0,06 с</td>"},
       {"[   ]", "<td></td>", "[]"}},
      {85, {Row("Сродство к электрону", "2,8 эВ")}, {"<th>Первая энергия ионизации"}},
      {57, {"<h1>Лантан — Lanthanum (La)</h1>"}, {"La*"}},
      {89, {"<h1>Актиний — Actinium (Ac)</h1>"}, {"Ac*"}},
  };
  for (const auto& c : cases) {
    const std::string html = Page(c.number);
    for (const std::string& text : c.present)
      EXPECT_NE(html.find(text), std::string::npos) << c.number << ": " << text;
    for (const std::string& text : c.absent)
      EXPECT_EQ(html.find(text), std::string::npos) << c.number << ": " << text;
  }
  const std::string list = ElementListHtml(BuiltinRecords());
  EXPECT_NE(list.find("<title>Химические элементы</title>"), std::string::npos);
  EXPECT_NE(list.find("<h1>Химические элементы</h1>"), std::string::npos);
}
