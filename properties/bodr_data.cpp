#include "properties/bodr_data.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string_view>

#include "data/data_error.h"

namespace periodic {
namespace {

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw DataError("cannot open file '" + path + "': " + std::strerror(errno), errno);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The blocks between each opening tag `open` and the next `close`.
std::vector<std::string_view> Blocks(std::string_view text, std::string_view open,
                                     std::string_view close) {
  std::vector<std::string_view> blocks;
  std::size_t at = 0;
  while ((at = text.find(open, at)) != std::string_view::npos) {
    const std::size_t end = text.find(close, at);
    if (end == std::string_view::npos) break;
    blocks.push_back(text.substr(at, end - at));
    at = end + close.size();
  }
  return blocks;
}

// The text content of the element that carries dictRef="bo:<name>", trimmed; empty if absent.
std::string Field(std::string_view block, std::string_view name) {
  const std::string key = "dictRef=\"bo:" + std::string(name) + "\"";
  const std::size_t ref = block.find(key);
  if (ref == std::string_view::npos) return {};
  const std::size_t start = block.find('>', ref);
  if (start == std::string_view::npos || block[start - 1] == '/') return {};
  const std::size_t end = block.find('<', start);
  if (end == std::string_view::npos) return {};
  std::string_view value = block.substr(start + 1, end - start - 1);
  while (!value.empty() && std::isspace(static_cast<unsigned char>(value.front())))
    value.remove_prefix(1);
  while (!value.empty() && std::isspace(static_cast<unsigned char>(value.back())))
    value.remove_suffix(1);
  return std::string(value);
}

// The value of attribute `name` in the first tag of the block.
std::string Attribute(std::string_view block, std::string_view name) {
  const std::string key = " " + std::string(name) + "=\"";
  const std::size_t tagEnd = block.find('>');
  const std::size_t at = block.find(key);
  if (at == std::string_view::npos || at > tagEnd) return {};
  const std::size_t start = at + key.size();
  const std::size_t end = block.find('"', start);
  return std::string(block.substr(start, end - start));
}

// The value attribute of the label that carries dictRef="bo:<name>".
std::string Label(std::string_view block, std::string_view name) {
  const std::string key = "dictRef=\"bo:" + std::string(name) + "\"";
  const std::size_t ref = block.find(key);
  if (ref == std::string_view::npos) return {};
  const std::size_t tagStart = block.rfind('<', ref);
  return Attribute(block.substr(tagStart), "value");
}

// The attribute `attribute` of the element that carries dictRef="bo:<name>".
std::string FieldAttribute(std::string_view block, std::string_view name,
                           std::string_view attribute) {
  const std::string key = "dictRef=\"bo:" + std::string(name) + "\"";
  const std::size_t ref = block.find(key);
  if (ref == std::string_view::npos) return {};
  const std::size_t tagStart = block.rfind('<', ref);
  return Attribute(block.substr(tagStart), attribute);
}

std::vector<std::string> SplitList(const std::string& text, char separator) {
  std::vector<std::string> items;
  std::size_t at = 0;
  while (at <= text.size()) {
    const std::size_t end = std::min(text.find(separator, at), text.size());
    std::string item = text.substr(at, end - at);
    while (!item.empty() && item.front() == ' ') item.erase(0, 1);
    while (!item.empty() && item.back() == ' ') item.pop_back();
    if (!item.empty()) items.push_back(item);
    at = end + 1;
  }
  return items;
}

// The half-life in seconds; the source gives it in seconds or in years. 0 when absent.
double HalfLifeSeconds(std::string_view isotope) {
  const std::string value = Field(isotope, "halfLife");
  if (value.empty()) return 0;
  try {
    const double number = std::stod(value);
    const bool years = FieldAttribute(isotope, "halfLife", "units") == "units:y";
    return years ? number * 365.25 * 24 * 3600 : number;
  } catch (const std::exception&) {
    return 0;
  }
}

int ToInt(const std::string& text) {
  try {
    return std::stoi(text);
  } catch (const std::exception&) {
    return 0;
  }
}

}  // namespace

BodrElements ParseBodrElements(const std::string& elementsText, const std::string& isotopesText) {
  BodrElements elements;
  for (std::string_view atom : Blocks(elementsText, "<atom ", "</atom>")) {
    BodrElement e;
    e.number = ToInt(Field(atom, "atomicNumber"));
    if (e.number <= 0) continue;
    e.symbol = Label(atom, "symbol");
    e.nameEnglish = Label(atom, "name");
    e.mass = Field(atom, "mass");
    e.ionizationEnergy = Field(atom, "ionization");
    e.electronAffinity = Field(atom, "electronAffinity");
    e.electronAffinityError = FieldAttribute(atom, "electronAffinity", "errorValue");
    e.covalentRadius = Field(atom, "radiusCovalent");
    e.electronegativity = Field(atom, "electronegativityPauling");
    e.meltingPoint = Field(atom, "meltingpoint");
    e.boilingPoint = Field(atom, "boilingpoint");
    e.discoveryYear = Field(atom, "discoveryDate");
    e.discoveryCountry = Field(atom, "discoveryCountry");
    e.discoverers = SplitList(Field(atom, "discoverers"), ';');
    elements[e.number] = std::move(e);
  }
  for (std::string_view isotope : Blocks(isotopesText, "<isotope ", "</isotope>")) {
    const auto element = elements.find(ToInt(Field(isotope, "atomicNumber")));
    if (element == elements.end()) continue;
    const int massNumber = ToInt(Attribute(isotope, "number"));
    const std::string abundance = Field(isotope, "relativeAbundance");
    if (!abundance.empty()) element->second.isotopes.push_back({massNumber, abundance});
    const double halfLife = HalfLifeSeconds(isotope);
    if (halfLife <= 0) continue;
    UnstableIsotope unstable{massNumber, halfLife, {}};
    for (const char* mode : {"alpha", "betaminus", "betaplus", "ec"})
      if (isotope.find("dictRef=\"bo:" + std::string(mode) + "Decay\"") != std::string_view::npos)
        unstable.decays.push_back({mode, Field(isotope, std::string(mode) + "DecayLikeliness")});
    element->second.unstableIsotopes.push_back(std::move(unstable));
  }
  return elements;
}

BodrElements ReadBodrElements(const std::string& elementsXml, const std::string& isotopesXml) {
  const std::string elementsText = ReadWholeFile(elementsXml);
  BodrElements elements = ParseBodrElements(elementsText, ReadWholeFile(isotopesXml));
  if (elements.empty()) throw DataError("file '" + elementsXml + "' holds no element");
  return elements;
}

std::string DecimalComma(const std::string& number) {
  std::string out = number;
  for (char& c : out)
    if (c == '.') c = ',';
  return out;
}

}  // namespace periodic
