#include "help/generator/element_text.h"

#include <cstdio>
#include <map>

namespace periodic {

namespace {

// Walks a formula term by term: calls term(sublevel, count) for 3d^"6".
template <typename Term>
void ForEachTerm(const std::string& formula, Term term) {
  std::size_t at = 0;
  while (at < formula.size()) {
    const std::size_t caret = formula.find("^\"", at);
    if (caret == std::string::npos) {
      term(formula.substr(at), std::string());
      return;
    }
    const std::size_t close = formula.find('"', caret + 2);
    if (close == std::string::npos) {
      term(formula.substr(at), std::string());
      return;
    }
    term(formula.substr(at, caret - at), formula.substr(caret + 2, close - caret - 2));
    at = close + 1;
  }
}

}  // namespace

std::string FormulaHtml(const std::string& formula) {
  std::string out;
  ForEachTerm(formula, [&out](const std::string& sublevel, const std::string& count) {
    out += HtmlEscape(sublevel);
    if (!count.empty()) out += "<sup>" + HtmlEscape(count) + "</sup>";
  });
  return out;
}

std::string FormulaPlain(const std::string& formula) {
  std::string out;
  ForEachTerm(formula, [&out](const std::string& sublevel, const std::string& count) {
    if (!out.empty()) out += ' ';
    out += sublevel + count;
  });
  return out;
}

std::vector<std::string> CategoryClasses(std::int32_t category) {
  if (category == 0) return {"инертный (благородный) газ"};
  std::vector<std::string> classes;
  const bool metal = category & 1;
  const bool nonmetal = category & 2;
  if (metal && nonmetal)
    classes.push_back("амфотерный элемент");
  else if (metal)
    classes.push_back("металл");
  else if (nonmetal)
    classes.push_back("неметалл");
  static const std::pair<std::int32_t, const char*> kBits[] = {
      {4, "щелочной металл"},
      {8, "щёлочноземельный металл"},
      {16, "галоген"},
      {32, "переходный элемент"},
      {64, "платиновый металл"},
      {128, "редкоземельный металл"},
      {256, "трансурановый элемент"},
  };
  for (const auto& [bit, name] : kBits)
    if (category & bit) classes.push_back(name);
  return classes;
}

std::string DiscoveryCountries(const std::string& codes) {
  static const std::map<std::string, std::string> kCountries = {
      {"ancient", "известен с древности"},
      {"de", "Германия"},
      {"dk", "Дания"},
      {"es", "Испания"},
      {"fi", "Финляндия"},
      {"fr", "Франция"},
      {"it", "Италия"},
      {"ru", "Россия"},
      {"se", "Швеция"},
      {"uk", "Великобритания"},
      {"us", "США"},
      {"ch", "Швейцария"},
      {"at", "Австрия"},
      {"hu", "Венгрия"},
      {"nl", "Нидерланды"},
  };
  std::string out;
  std::size_t at = 0;
  while (at <= codes.size()) {
    std::size_t comma = codes.find(',', at);
    if (comma == std::string::npos) comma = codes.size();
    const std::string code = codes.substr(at, comma - at);
    if (!code.empty()) {
      if (!out.empty()) out += ", ";
      const auto country = kCountries.find(code);
      out += country != kCountries.end() ? country->second : code;
    }
    at = comma + 1;
  }
  return out;
}

std::string RussianGenitive(const std::string& name) {
  const auto endsWith = [&name](const std::string& tail) {
    return name.size() >= tail.size() &&
           name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
  };
  const auto stem = [&name](std::size_t bytes) { return name.substr(0, name.size() - bytes); };
  if (name.empty()) return name;
  if (endsWith("ий")) return stem(4) + "ия";
  if (endsWith("ец")) return stem(4) + "ца";
  if (endsWith("о")) return stem(2) + "а";
  if (endsWith("ка") || endsWith("га") || endsWith("ха")) return stem(2) + "и";
  if (endsWith("а")) return stem(2) + "ы";
  // The feminine nouns in -ь take -и, the masculine ones -я.
  if (endsWith("едь") || endsWith("ртуть")) return stem(2) + "и";
  if (endsWith("ь")) return stem(2) + "я";
  return name + "а";
}

std::string HtmlColor(std::int32_t color) {
  const auto value = static_cast<std::uint32_t>(color);
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", value & 0xFF, (value >> 8) & 0xFF,
                (value >> 16) & 0xFF);
  return text;
}

}  // namespace periodic
