#include "help/generator/element_page.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>

#include "card/element_card.h"
#include "help/generator/element_place.h"
#include "help/generator/element_text.h"
#include "help/generator/element_values.h"
#include "properties/bodr_data.h"
#include "table/table_drawing.h"

namespace periodic {
namespace {

// Names given after the records were made, for the elements whose record has none.
const std::map<int, std::string> kModernRussianNames = {{110, "Дармштадтий"}};

// What a row says when the data has no value for it.
constexpr const char* kNoData = "нет данных";

// Melting points measured only under pressure. Arsenic under normal pressure sublimes, at the
// temperature the source gives as its boiling point.
const std::map<int, std::string> kMeltingUnderPressure = {
    {2, "под давлением 2,5 МПа; при обычном давлении гелий не твердеет"},
    {33, "под давлением 3,6 МПа"},
};
constexpr int kArsenic = 33;

// How many of the longest-lived isotopes the page of a radioactive element lists.
constexpr std::size_t kIsotopeRows = 4;

std::string FileName(const ElementRecord& record) {
  return ElementPagePath(record.Symbol).substr(5);
}

std::string Link(const ElementRecord& record) {
  return "<a href=\"" + FileName(record) + "\">" + std::to_string(record.Number) + ". " +
         HtmlEscape(ElementTitleName(record)) + "</a>";
}

std::string Heading(const ElementRecord& record) {
  const std::string symbol = CardSymbol(record);
  const std::string lat = Trim(record.NameLat);
  std::string heading = ElementTitleName(record);
  if (!lat.empty()) heading += " — " + lat;
  if (!symbol.empty()) heading += " (" + symbol + ")";
  return heading;
}

void Row(std::ostream& out, const std::string& label, const std::string& valueHtml) {
  out << "<tr><th>" << label << "</th><td>" << (valueHtml.empty() ? kNoData : valueHtml)
      << "</td></tr>\n";
}

// The record's mass as the card shows it; a placeholder without digits ("[   ]") is no value.
std::string RecordMass(const ElementRecord& record) {
  const std::string mass = Trim(record.AtomicMass);
  return mass.find_first_of("0123456789") == std::string::npos ? std::string() : mass;
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string out;
  for (const std::string& part : parts) out += (out.empty() ? "" : ", ") + part;
  return out;
}

void WriteNavigation(std::ostream& out, const ElementRecord& record,
                     const std::vector<ElementRecord>& records) {
  const int n = record.Number;
  out << "<p class=\"nav\">";
  if (n > 1) out << "&larr; " << Link(records[n - 2]) << " | ";
  out << "<a href=\"Elements.htm\">Все элементы</a> | <a href=\"Introduction.htm\">Содержание</a>";
  if (n < static_cast<int>(records.size())) out << " | " << Link(records[n]) << " &rarr;";
  out << "</p>\n";
}

void WriteCardFacts(std::ostream& out, const ElementRecord& record) {
  out << "<h2>На карточке элемента</h2>\n<table class=\"facts\">\n";
  const std::string symbol = CardSymbol(record);
  Row(out, "Символ", symbol.empty() ? "нет (в таблице клетка без символа)" : HtmlEscape(symbol));
  Row(out, "Порядковый (атомный) номер", std::to_string(record.Number));
  Row(out, "Латинское название", HtmlEscape(Trim(record.NameLat)));
  Row(out, "Русское название", HtmlEscape(Trim(record.NameRus)));
  Row(out, "Относительная атомная масса", HtmlEscape(RecordMass(record)));
  const std::string en = Trim(record.Electronegativity);
  Row(out, "Относительная электроотрицательность (по Полингу)",
      en.empty()  ? "не указывается"
      : en == "—" ? "неизвестна (—)"
                  : HtmlEscape(en));
  const std::string formula = Trim(record.ElectronFormula);
  Row(out, "Электронная формула (заполняемые подуровни)",
      formula.empty() ? ""
                      : FormulaHtml(formula) + " <span class=\"plain\">(" +
                            HtmlEscape(FormulaPlain(formula)) + ")</span>");
  Row(out, "Число электронов на оболочках, от внешней к внутренней",
      HtmlEscape(Trim(record.ElectronLevels)));
  out << "</table>\n";
}

void WriteClassesAndPlace(std::ostream& out, const ElementRecord& record) {
  out << "<h2>Классы и место в таблице</h2>\n<table class=\"facts\">\n";
  const std::string block = Trim(record.Block);
  Row(out, "Электронное семейство", block.empty() ? "" : HtmlEscape(block) + "-элемент");
  Row(out, "Классы", HtmlEscape(Joined(CategoryClasses(record.Category))));
  const ElementPlace place = PlaceOf(record.Number);
  if (place.familyRow) {
    const bool lanthanide = record.Number < 90;
    const std::string family = lanthanide ? "лантаноидов" : "актиноидов";
    Row(out, "Короткопериодная таблица",
        "период " + std::to_string(place.period) + ", группа III; в отдельном ряду " + family +
            " под основной таблицей");
    Row(out, "Длиннопериодная таблица",
        "период " + std::to_string(place.period) + "; в отдельном ряду " + family +
            " под основной таблицей");
  } else {
    std::string subgroup = record.SideSubgroup ? "побочная подгруппа (B)" : "главная подгруппа (A)";
    Row(out, "Короткопериодная таблица",
        "период " + std::to_string(place.period) + ", ряд " + std::to_string(place.shortRow) +
            ", группа " + RomanNumeral(place.shortGroup) + ", " + subgroup);
    Row(out, "Длиннопериодная таблица",
        "период " + std::to_string(place.period) + ", столбец " + std::to_string(place.longColumn));
  }
  out << "</table>\n";
  if (record.Number == 1)
    out << "<p>В короткопериодной таблице водород стоит в группе VII, а в первой клетке группы I "
           "он показан ещё раз, в скобках: (H).</p>\n";
}

// The source's mass; for an element without natural isotopes, a whole number is the mass number
// of its longest-lived isotope, written in brackets as the card writes it: "[97]".
std::string ModernMass(const BodrElement& b) {
  const bool massNumber = b.isotopes.empty() && b.mass.find('.') == std::string::npos;
  return massNumber ? "[" + b.mass + "]" : DecimalComma(b.mass);
}

void WriteDiscovery(std::ostream& out, const BodrElement& b) {
  if (b.discoveryYear == "0" || b.discoveryCountry == "ancient") {
    Row(out, "Открытие", "известен с древности");
  } else if (!b.discoveryYear.empty() || !b.discoveryCountry.empty()) {
    std::string discovery = b.discoveryYear.empty() ? "" : HtmlEscape(b.discoveryYear) + " г.";
    const std::string places = HtmlEscape(DiscoveryPlaces(b.discoveryCountry, b.discoveryYear));
    if (!places.empty()) discovery += (discovery.empty() ? "" : ", ") + places;
    Row(out, "Открытие", discovery);
  }
  if (!b.discoverers.empty())
    Row(out, "Первооткрыватели", HtmlEscape(DiscoverersText(b.discoverers)));
}

void WriteTemperatures(std::ostream& out, int number, const BodrElement& b) {
  double melting = 0, boiling = 0;
  const bool inverted = !b.meltingPoint.empty() && !b.boilingPoint.empty() &&
                        std::sscanf(b.meltingPoint.c_str(), "%lf", &melting) == 1 &&
                        std::sscanf(b.boilingPoint.c_str(), "%lf", &boiling) == 1 &&
                        boiling < melting;
  if (!b.meltingPoint.empty()) {
    const auto note = kMeltingUnderPressure.find(number);
    Row(out, "Температура плавления",
        TemperatureText(b.meltingPoint) +
            (note != kMeltingUnderPressure.end() ? ", " + note->second : std::string()));
  }
  if (inverted && number == kArsenic)
    Row(out, "Температура возгонки (при обычном давлении не плавится, а сразу переходит в газ)",
        TemperatureText(b.boilingPoint));
  else if (inverted)
    Row(out, "Температура кипения", "нет надёжных данных");
  else if (!b.boilingPoint.empty())
    Row(out, "Температура кипения", TemperatureText(b.boilingPoint));
  const std::string state = StateAt25C(b.meltingPoint, b.boilingPoint);
  if (!state.empty()) Row(out, "Состояние при 25 °C и обычном давлении", state);
}

void WriteIsotopes(std::ostream& out, const BodrElement& b) {
  std::string isotopes;
  for (const NaturalIsotope& isotope : b.isotopes) {
    if (!isotopes.empty()) isotopes += "; ";
    isotopes += "<sup>" + std::to_string(isotope.massNumber) + "</sup>" + HtmlEscape(b.symbol) +
                " — " + DecimalComma(HtmlEscape(isotope.abundance)) + " %";
  }
  Row(out, "Природные изотопы (доля в природной смеси)",
      isotopes.empty() ? "нет: у элемента нет изотопов с постоянной долей в природе" : isotopes);
}

// For an element without natural isotopes: its longest-lived isotopes.
void WriteRadioactiveIsotopes(std::ostream& out, const BodrElement& b) {
  if (!b.isotopes.empty()) return;
  const std::vector<UnstableIsotope> longest = LongestLived(b.unstableIsotopes, kIsotopeRows);
  if (longest.empty()) return;
  // The decay column only when the source names a decay for one of them.
  const bool decays = std::any_of(longest.begin(), longest.end(),
                                  [](const UnstableIsotope& i) { return !i.decays.empty(); });
  out << "<h2>Самые долгоживущие изотопы</h2>\n<table class=\"list\">\n"
         "<tr><th>Изотоп</th><th>Период полураспада</th>"
      << (decays ? "<th>Тип распада</th>" : "") << "</tr>\n";
  for (const UnstableIsotope& isotope : longest) {
    out << "<tr><td><sup>" << isotope.massNumber << "</sup>" << HtmlEscape(b.symbol) << "</td><td>"
        << HalfLifeText(isotope.halfLifeSeconds) << "</td>";
    if (decays) {
      const std::string decay = DecayText(isotope.decays);
      out << "<td>" << (decay.empty() ? "—" : decay) << "</td>";
    }
    out << "</tr>\n";
  }
  out << "</table>\n";
}

void WriteRepositoryFacts(std::ostream& out, const ElementRecord& record, const BodrElement& b) {
  out << "<h2>Дополнительные сведения</h2>\n<table class=\"facts\">\n";
  const std::string symbol = Trim(record.Symbol);
  std::string recordSymbol = symbol.substr(0, 2);
  if (!b.symbol.empty() && b.symbol != recordSymbol) {
    std::string modern = HtmlEscape(b.symbol) + ", " + HtmlEscape(b.nameEnglish);
    const auto russian = kModernRussianNames.find(record.Number);
    if (russian != kModernRussianNames.end()) modern = russian->second + " (" + modern + ")";
    Row(out, "Современные название и символ", modern);
  }
  if (!b.mass.empty()) Row(out, "Атомная масса по современным данным", HtmlEscape(ModernMass(b)));
  WriteDiscovery(out, b);
  // The data writes 0 where the energy was never measured (astatine).
  if (!b.ionizationEnergy.empty() && b.ionizationEnergy != "0")
    Row(out, "Первая энергия ионизации", DecimalComma(HtmlEscape(b.ionizationEnergy)) + " эВ");
  if (!b.electronAffinity.empty()) {
    const std::string affinity = RoundedValue(b.electronAffinity, b.electronAffinityError, 3);
    Row(out, "Сродство к электрону",
        affinity == "0" ? "нет устойчивого отрицательного иона (значение не определено)"
                        : HtmlEscape(affinity) + " эВ");
  }
  if (!b.covalentRadius.empty())
    Row(out, "Ковалентный радиус", DecimalComma(HtmlEscape(b.covalentRadius)) + " Å");
  WriteTemperatures(out, record.Number, b);
  WriteIsotopes(out, b);
  out << "</table>\n";
  WriteRadioactiveIsotopes(out, b);
  out << "<p class=\"source\">Дополнительные сведения взяты из Blue Obelisk Data "
         "Repository (пакет bodr, файлы elements.xml и isotopes.xml). Они современнее данных "
         "карточки, поэтому атомная масса здесь может немного отличаться от массы на "
         "карточке.</p>\n";
}

void WriteNeighbours(std::ostream& out, const ElementRecord& record,
                     const std::vector<ElementRecord>& records) {
  const std::vector<int> neighbours = GroupNeighbours(record.Number);
  if (neighbours.empty()) return;
  out << "<p>Соседи по группе: ";
  for (std::size_t i = 0; i < neighbours.size(); ++i)
    out << (i ? ", " : "") << Link(records[neighbours[i] - 1]);
  out << ".</p>\n";
}

}  // namespace

std::string ElementPagePath(const std::string& symbol) {
  return "html/" + Trim(symbol).substr(0, std::min<std::size_t>(2, Trim(symbol).size())) + ".htm";
}

std::string ElementTitleName(const ElementRecord& record) {
  const std::string name = Trim(record.NameRus);
  return name.empty() ? "Элемент " + std::to_string(record.Number) : name;
}

std::vector<std::string> ElementKeywords(const ElementRecord& record, const BodrElement* bodr) {
  std::vector<std::string> words;
  for (const std::string& word :
       {Trim(record.NameRus), Trim(record.NameLat), Trim(record.Symbol).substr(0, 2)})
    if (!word.empty()) words.push_back(word);
  if (Trim(record.NameRus).empty()) words.push_back(ElementTitleName(record));
  const auto russian = kModernRussianNames.find(record.Number);
  if (russian != kModernRussianNames.end()) words.push_back(russian->second);
  if (bodr && !bodr->symbol.empty() && bodr->symbol != Trim(record.Symbol).substr(0, 2)) {
    words.push_back(bodr->symbol);
    words.push_back(bodr->nameEnglish);
  }
  return words;
}

std::string ElementPageHtml(const ElementRecord& record, const BodrElement* bodr,
                            const std::vector<ElementRecord>& records) {
  std::ostringstream out;
  out << "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n<title>"
      << int{record.Number} << ". " << HtmlEscape(ElementTitleName(record))
      << "</title>\n<link rel=\"stylesheet\" type=\"text/css\" "
         "href=\"../style.css\">\n</head>\n<body>\n";
  WriteNavigation(out, record, records);
  out << "<h1>" << HtmlEscape(Heading(record)) << "</h1>\n";
  if (Trim(record.Symbol).empty())
    out << "<p>В таблице программы элемент " << int{record.Number}
        << " показан клеткой без символа и названия: когда составлялись данные программы, "
           "элемент только что был получен и ещё не имел утверждённого имени.</p>\n";
  WriteCardFacts(out, record);
  WriteClassesAndPlace(out, record);
  WriteNeighbours(out, record, records);
  if (bodr) WriteRepositoryFacts(out, record, *bodr);
  out << "<p class=\"nav\"><a href=\"HelpOnViewer.htm\">Что показывает карточка элемента</a> | "
         "<a href=\"HelpOnTable.htm\">Обозначения в таблице</a></p>\n</body>\n</html>\n";
  return out.str();
}

std::string ElementListHtml(const std::vector<ElementRecord>& records) {
  std::ostringstream out;
  out << "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n"
         "<title>Химические элементы</title>\n<link rel=\"stylesheet\" type=\"text/css\" "
         "href=\"../style.css\">\n</head>\n"
         "<body>\n<p class=\"nav\"><a href=\"Introduction.htm\">Содержание</a></p>\n"
         "<h1>Химические элементы</h1>\n<p>Страница каждого элемента повторяет его карточку и "
         "добавляет место в обеих формах таблицы, классы элемента и справочные данные.</p>\n"
         "<table class=\"list\">\n<tr><th>№</th><th>Символ</th><th>Название</th>"
         "<th>Латинское название</th><th>Атомная масса</th></tr>\n";
  for (const ElementRecord& record : records) {
    // A dash stands in a cell the record leaves empty (element 110).
    const auto cell = [](const std::string& text) { return text.empty() ? "—" : HtmlEscape(text); };
    out << "<tr><td>" << int{record.Number} << "</td><td>" << cell(CardSymbol(record))
        << "</td><td><a href=\"" << FileName(record) << "\">"
        << HtmlEscape(ElementTitleName(record)) << "</a></td><td>" << cell(Trim(record.NameLat))
        << "</td><td>" << cell(RecordMass(record)) << "</td></tr>\n";
  }
  out << "</table>\n</body>\n</html>\n";
  return out.str();
}

}  // namespace periodic
