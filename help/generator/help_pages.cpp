// Writes the sources of the help collection: help_pages PAGES_FOLDER BODR_FOLDER OUTPUT_FOLDER.
// The hand-written pages of PAGES_FOLDER are copied with their colour placeholders ({{SColor}})
// filled in from the default colour scheme; one page per element is generated from the built-in
// records and the Blue Obelisk data; the help project lists them all.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "data/builtin_records.h"
#include "data/data_error.h"
#include "properties/bodr_data.h"
#include "help/generator/element_page.h"
#include "help/generator/element_text.h"
#include "help/generator/help_project.h"
#include "table/table_colors.h"

namespace fs = std::filesystem;
using namespace periodic;

namespace {

void WriteFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) throw DataError("cannot write file '" + path.string() + "'");
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw DataError("cannot open file '" + path.string() + "'");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::map<std::string, std::string> DefaultColors() {
  const clsTableColors c;
  return {
      {"SColor", HtmlColor(c.SColor())},
      {"PColor", HtmlColor(c.PColor())},
      {"DColor", HtmlColor(c.DColor())},
      {"FColor", HtmlColor(c.FColor())},
      {"MetallColor", HtmlColor(c.MetallColor())},
      {"NonMetallColor", HtmlColor(c.NonMetallColor())},
      {"AmfoternColor", HtmlColor(c.AmfoternColor())},
      {"InertGassColor", HtmlColor(c.InertGassColor())},
      {"AlkalineColor", HtmlColor(c.AlkalineColor())},
      {"AlkalineplainColor", HtmlColor(c.AlkalineplainColor())},
      {"HalogenColor", HtmlColor(c.HalogenColor())},
      {"TransitionalColor", HtmlColor(c.TransitionalColor())},
  };
}

// Replaces every {{Name}} by its value; an unknown name is an error in the page.
std::string FillPlaceholders(const std::string& page, const std::string& file) {
  static const auto kValues = DefaultColors();
  std::string out;
  std::size_t at = 0;
  while (true) {
    const std::size_t open = page.find("{{", at);
    if (open == std::string::npos) break;
    const std::size_t close = page.find("}}", open);
    const std::string name = page.substr(open + 2, close - open - 2);
    const auto value = kValues.find(name);
    if (close == std::string::npos || value == kValues.end())
      throw DataError("file '" + file + "': unknown placeholder '" + name + "'");
    out += page.substr(at, open - at) + value->second;
    at = close + 2;
  }
  return out + page.substr(at);
}

std::vector<HelpTopic> ProgramTopics() {
  return {
      {"Введение", "html/Introduction.htm", {"Введение", "Периодическая система", "О справке"}, {}},
      {"Как пользоваться программой",
       "html/HowToUseProgram.htm",
       {"Как пользоваться программой",
        "Меню",
        "Клавиши",
        "Панель инструментов",
        "Масштаб",
        "Печать",
        "Сохранить как рисунок",
        "Рисунок BMP",
        "Опции",
        "Цвета",
        "Карточка элемента",
        "Настройки",
        "Поиск элемента",
        "Рисунок PNG",
        "Рисунок SVG",
        "PDF",
        "Table.ini",
        "Table.cfg",
        "Elements.dat",
        "Химический калькулятор"},
       {}},
      {"Обозначения в таблице",
       "html/HelpOnTable.htm",
       {"Обозначения",
        "Период",
        "Группа",
        "Подгруппа",
        "Лантаноиды",
        "Актиноиды",
        "Инертные газы",
        "Благородные газы",
        "Щелочные металлы",
        "Щёлочноземельные металлы",
        "Галогены",
        "Переходные элементы",
        "Высшие оксиды",
        "Водородные соединения",
        "Цвета элементов",
        "s-элементы",
        "p-элементы",
        "d-элементы",
        "f-элементы",
        "Металлы",
        "Неметаллы",
        "Амфотерные элементы",
        "Короткопериодная таблица",
        "Длиннопериодная таблица"},
       {}},
      {"Обозначения на карточке элемента",
       "html/HelpOnViewer.htm",
       {"Карточка элемента", "Электронная формула", "Электронные оболочки",
        "Электроотрицательность", "Атомная масса"},
       {}},
  };
}

void Generate(const fs::path& pages, const fs::path& bodrFolder, const fs::path& output) {
  const BodrElements bodr = ReadBodrElements((bodrFolder / "elements.xml").string(),
                                             (bodrFolder / "isotopes.xml").string());
  for (const auto& entry : fs::directory_iterator(pages)) {
    const fs::path& source = entry.path();
    const std::string text = FillPlaceholders(ReadFile(source), source.string());
    if (source.extension() == ".htm") WriteFile(output / "html" / source.filename(), text);
    if (source.extension() == ".css") WriteFile(output / source.filename(), text);
  }

  const std::vector<ElementRecord>& records = BuiltinRecords();
  HelpTopic elements{"Химические элементы", "html/Elements.htm", {"Элементы"}, {}};
  for (const ElementRecord& record : records) {
    const auto found = bodr.find(record.Number);
    const BodrElement* facts = found != bodr.end() ? &found->second : nullptr;
    const std::string path = ElementPagePath(record.Symbol);
    WriteFile(output / path, ElementPageHtml(record, facts, records));
    elements.children.push_back({std::to_string(record.Number) + ". " + ElementTitleName(record),
                                 path,
                                 ElementKeywords(record, facts),
                                 {}});
  }
  WriteFile(output / elements.path, ElementListHtml(records));

  std::vector<HelpTopic> contents = ProgramTopics();
  contents.push_back(elements);
  std::vector<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(output)) {
    if (!entry.is_regular_file()) continue;
    // Element 110's page is named ".htm", which the library sees as a name without extension.
    const std::string name = entry.path().filename().string();
    const auto endsWith = [&name](const std::string& tail) {
      return name.size() >= tail.size() &&
             name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
    };
    if (endsWith(".htm") || endsWith(".css") || endsWith(".png"))
      files.push_back(fs::relative(entry.path(), output).generic_string());
  }
  std::sort(files.begin(), files.end());
  WriteFile(output / "Table.qhp", HelpProjectXml(contents, files));
  WriteFile(output / "Table.qhcp", CollectionProjectXml("Table.qhp", "Table.qch"));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s PAGES_FOLDER BODR_FOLDER OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  try {
    Generate(argv[1], argv[2], argv[3]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
