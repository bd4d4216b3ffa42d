#include "table/element_facts.h"

#include <algorithm>

namespace periodic {
namespace {

bool HasDigit(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A field that carries no value (element 110's mass "[   ]", an empty formula) shows a dash.
std::string OrDash(const std::string& html) {
  return html.empty() ? std::string("—") : html;
}

}  // namespace

std::string HtmlEscape(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string ElectronFormulaHtml(const std::string& formula) {
  const std::string text = Trim(formula);
  std::string html;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '^' && i + 1 < text.size() && text[i + 1] == '"') {
      const auto close = text.find('"', i + 2);
      if (close != std::string::npos) {
        html += "<sup>" + HtmlEscape(text.substr(i + 2, close - i - 2)) + "</sup>";
        i = close;
        continue;
      }
    }
    if (text[i] == '^' || text[i] == '"') continue;
    html += HtmlEscape(std::string(1, text[i]));
  }
  return html;
}

std::string ElementFactsHtml(int n, const ElementRecord& record) {
  const std::string rus = HtmlEscape(Trim(record.NameRus));
  const std::string lat = HtmlEscape(Trim(record.NameLat));
  const std::string symbol = HtmlEscape(BareSymbol(record.Symbol));
  std::string title;
  if (!symbol.empty()) title = "<b>" + symbol + "</b> ";
  if (rus.empty() && lat.empty()) {
    title += "Элемент " + std::to_string(n) + " (название не присвоено)";
  } else {
    title += rus.empty() ? lat : rus;
    if (!rus.empty() && !lat.empty()) title += " (<i>" + lat + "</i>)";
  }
  const std::string mass = Trim(record.AtomicMass);
  return title + "<br>Порядковый номер: " + std::to_string(n) +
         "<br>Атомная масса: " + OrDash(HasDigit(mass) ? HtmlEscape(mass) : std::string()) +
         "<br>Электронная формула: " + OrDash(ElectronFormulaHtml(record.ElectronFormula));
}

std::string ElementSpokenName(int n, const ElementRecord& record) {
  std::string spoken = Trim(record.NameRus);
  if (spoken.empty()) spoken = "Элемент";
  const std::string symbol = BareSymbol(record.Symbol);
  if (!symbol.empty()) spoken += ", " + symbol;
  return spoken + ", " + std::to_string(n);
}

}  // namespace periodic
