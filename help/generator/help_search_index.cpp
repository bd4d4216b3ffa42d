// Writes the search index of the help: help_search_index HELP_SOURCE BODR_FOLDER INDEX_FILE.
// Reads every page under HELP_SOURCE/html that help_pages wrote, and the index entries of the
// help project beside them, which list each page under the words it explains; an element's
// page is also listed under its names in the genitive and under its number.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "card/element_card.h"
#include "data/builtin_records.h"
#include "data/data_error.h"
#include "help/generator/element_page.h"
#include "help/generator/element_text.h"
#include "help/search/page_text.h"
#include "help/search/search_index_writer.h"
#include "properties/bodr_data.h"

namespace fs = std::filesystem;
using namespace periodic;

namespace {

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw DataError("cannot open file '" + path.string() + "'");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string XmlUnescape(std::string text) {
  for (const auto& [entity, character] : {std::pair{"&lt;", "<"}, std::pair{"&gt;", ">"},
                                          std::pair{"&quot;", "\""}, std::pair{"&amp;", "&"}}) {
    for (std::size_t at = text.find(entity); at != std::string::npos;
         at = text.find(entity, at + 1))
      text.replace(at, std::string(entity).size(), character);
  }
  return text;
}

// The index entries of the help project, by page: <keyword name="..." ref="..."/>.
std::map<std::string, std::vector<std::string>> ProjectKeywords(const std::string& qhp) {
  std::map<std::string, std::vector<std::string>> keywords;
  const std::string nameKey = "<keyword name=\"", refKey = "\" ref=\"";
  for (std::size_t at = qhp.find(nameKey); at != std::string::npos;
       at = qhp.find(nameKey, at + 1)) {
    const std::size_t name = at + nameKey.size();
    const std::size_t ref = qhp.find(refKey, name);
    const std::size_t end = ref == std::string::npos ? ref : qhp.find('"', ref + refKey.size());
    if (end == std::string::npos) break;
    keywords[XmlUnescape(qhp.substr(ref + refKey.size(), end - ref - refKey.size()))].push_back(
        XmlUnescape(qhp.substr(name, ref - name)));
  }
  return keywords;
}

// The words a page is found by beyond its text: its index entries, and for an element's page
// its Russian names in the genitive too (the stems of "свинец" and "свинца" differ) and its
// number.
std::string IndexWords(const std::vector<std::string>& keywords, int element) {
  std::string words;
  for (const std::string& word : keywords) {
    words += word + " ";
    if (element > 0 && word.size() > 1 && static_cast<unsigned char>(word[0]) >= 0xD0)
      words += RussianGenitive(word) + " ";
  }
  return element > 0 ? words + std::to_string(element) : words;
}

std::vector<IndexedPage> IndexedPages(const fs::path& source, const BodrElements& bodr) {
  const auto keywords = ProjectKeywords(ReadFile(source / "Table.qhp"));
  std::map<std::string, const ElementRecord*> elementPages;
  for (const ElementRecord& record : BuiltinRecords())
    elementPages[ElementPagePath(record.Symbol)] = &record;
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(source / "html"))
    if (entry.is_regular_file() && entry.path().string().ends_with(".htm"))
      files.push_back(entry.path());
  std::sort(files.begin(), files.end());

  std::vector<IndexedPage> pages;
  for (const fs::path& file : files) {
    const PageText text = ReadPageText(ReadFile(file));
    IndexedPage page{"html/" + file.filename().string(), text.title, {}, text.text, 0, {}};
    const auto element = elementPages.find(page.path);
    if (element != elementPages.end()) {
      const ElementRecord& record = *element->second;
      const auto facts = bodr.find(record.Number);
      const BodrElement* b = facts != bodr.end() ? &facts->second : nullptr;
      page.element = record.Number;
      page.symbol = CardSymbol(record);
      if (page.symbol.empty() && b) page.symbol = b->symbol;
    }
    const auto entries = keywords.find(page.path);
    if (entries != keywords.end()) page.keywords = IndexWords(entries->second, page.element);
    pages.push_back(std::move(page));
  }
  if (pages.empty()) throw DataError("folder '" + (source / "html").string() + "' holds no page");
  return pages;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s HELP_SOURCE BODR_FOLDER INDEX_FILE\n", argv[0]);
    return 2;
  }
  try {
    const fs::path bodrFolder = argv[2];
    const BodrElements bodr = ReadBodrElements((bodrFolder / "elements.xml").string(),
                                               (bodrFolder / "isotopes.xml").string());
    WriteSearchIndex(argv[3], IndexedPages(argv[1], bodr));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
