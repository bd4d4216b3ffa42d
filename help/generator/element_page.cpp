#include "help/generator/element_page.h"

#include <map>
#include <sstream>

#include "help/generator/element_place.h"
#include "help/generator/element_text.h"
#include "table/table_drawing.h"

namespace periodic {
namespace {

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Names given after the records were made, for the elements whose record has none.
const std::map<int, std::string> kModernRussianNames = {{110, "Дармштадтий"}};

std::string FileName(const ElementRecord& record) {
  return ElementPagePath(record.Symbol).substr(5);
}

std::string Link(const ElementRecord& record) {
  return "<a href=\"" + FileName(record) + "\">" + std::to_string(record.Number) + ". " +
         HtmlEscape(ElementTitleName(record)) + "</a>";
}

std::string Heading(const ElementRecord& record) {
  const std::string symbol = Trim(record.Symbol);
  const std::string lat = Trim(record.NameLat);
  std::string heading = ElementTitleName(record);
  if (!lat.empty()) heading += " — " + lat;
  if (!symbol.empty()) heading += " (" + symbol + ")";
  return heading;
}

void Row(std::ostream& out, const std::string& label, const std::string& valueHtml) {
  out << "<tr><th>" << label << "</th><td>" << valueHtml << "</td></tr>\n";
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
  const std::string symbol = Trim(record.Symbol);
  Row(out, "Символ", symbol.empty() ? "нет (в таблице клетка без символа)" : HtmlEscape(symbol));
  Row(out, "Порядковый (атомный) номер", std::to_string(record.Number));
  Row(out, "Латинское название", HtmlEscape(Trim(record.NameLat)));
  Row(out, "Русское название", HtmlEscape(Trim(record.NameRus)));
  Row(out, "Относительная атомная масса", HtmlEscape(Trim(record.AtomicMass)));
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
  if (!b.mass.empty())
    Row(out, "Атомная масса по современным данным", HtmlEscape(DecimalComma(b.mass)));
  if (!b.discoveryYear.empty() || !b.discoveryCountry.empty()) {
    std::string discovery;
    if (b.discoveryYear == "0" || b.discoveryCountry == "ancient")
      discovery = "известен с древности";
    else
      discovery = HtmlEscape(b.discoveryYear) + " г., " + DiscoveryCountries(b.discoveryCountry);
    Row(out, "Открытие", discovery);
  }
  if (!b.ionizationEnergy.empty())
    Row(out, "Первая энергия ионизации", DecimalComma(HtmlEscape(b.ionizationEnergy)) + " эВ");
  if (!b.electronAffinity.empty())
    Row(out, "Сродство к электрону", DecimalComma(HtmlEscape(b.electronAffinity)) + " эВ");
  if (!b.covalentRadius.empty())
    Row(out, "Ковалентный радиус", DecimalComma(HtmlEscape(b.covalentRadius)) + " Å");
  for (const auto& [label, kelvin] : {std::pair{"Температура плавления", &b.meltingPoint},
                                      std::pair{"Температура кипения", &b.boilingPoint}}) {
    if (kelvin->empty()) continue;
    const std::string celsius = KelvinToCelsius(*kelvin);
    Row(out, label,
        DecimalComma(HtmlEscape(*kelvin)) + " K" +
            (celsius.empty() ? "" : " (" + celsius + " °C)"));
  }
  std::string isotopes;
  for (const NaturalIsotope& isotope : b.isotopes) {
    if (!isotopes.empty()) isotopes += "; ";
    isotopes += "<sup>" + std::to_string(isotope.massNumber) + "</sup>" + HtmlEscape(b.symbol) +
                " — " + DecimalComma(HtmlEscape(isotope.abundance)) + " %";
  }
  Row(out, "Природные изотопы (доля в природной смеси)",
      isotopes.empty() ? "нет: у элемента нет изотопов с постоянной долей в природе" : isotopes);
  out << "</table>\n<p class=\"source\">Дополнительные сведения взяты из Blue Obelisk Data "
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
         "<title>Элементы</title>\n<link rel=\"stylesheet\" type=\"text/css\" "
         "href=\"../style.css\">\n</head>\n"
         "<body>\n<p class=\"nav\"><a href=\"Introduction.htm\">Содержание</a></p>\n"
         "<h1>Химические элементы</h1>\n<p>Страница каждого элемента повторяет его карточку и "
         "добавляет место в обеих формах таблицы, классы элемента и справочные данные.</p>\n"
         "<table class=\"list\">\n<tr><th>№</th><th>Символ</th><th>Название</th>"
         "<th>Латинское название</th><th>Атомная масса</th></tr>\n";
  for (const ElementRecord& record : records) {
    out << "<tr><td>" << int{record.Number} << "</td><td>" << HtmlEscape(Trim(record.Symbol))
        << "</td><td><a href=\"" << FileName(record) << "\">"
        << HtmlEscape(ElementTitleName(record)) << "</a></td><td>"
        << HtmlEscape(Trim(record.NameLat)) << "</td><td>" << HtmlEscape(Trim(record.AtomicMass))
        << "</td></tr>\n";
  }
  out << "</table>\n</body>\n</html>\n";
  return out.str();
}

}  // namespace periodic
