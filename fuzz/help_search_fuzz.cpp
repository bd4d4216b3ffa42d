#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "help/search/help_search.h"
#include "help/search/page_text.h"
#include "help/search/search_index_writer.h"

namespace {

// A small index of pages made of the input's own kind of text, written once per run.
periodic::HelpSearch& Search() {
  static const std::string file = "/tmp/help-search-fuzz-" + std::to_string(::getpid()) + ".db";
  static periodic::HelpSearch* search = [] {
    periodic::WriteSearchIndex(
        file, {{"html/Fe.htm", "26. Железо", "Железо железа Fe 26",
                "Железо — Ferrum (Fe) <b>&amp; \"щёлочноземельный\" 3d6 4s2", 26, "Fe"},
               {"html/A.htm", "Введение", "", "Поиск оксид лантаноиды NEAR AND OR * ( )", 0, ""}});
    auto* opened = new periodic::HelpSearch(file);
    std::remove(file.c_str());  // the open index stays readable; nothing is left behind
    return opened;
  }();
  return *search;
}

}  // namespace

// Feeds arbitrary bytes to the help search as a query and as a page: a query is never taken as
// search syntax, so it finds pages or nothing and never fails; a passage holds no markup but
// the bold of the matched words; a page's text never grows a tag.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  for (const periodic::SearchHit& hit : Search().find(input, 5)) {
    std::string text = hit.snippet;
    for (const std::string tag : {"<b>", "</b>"})
      for (std::size_t at; (at = text.find(tag)) != std::string::npos;) text.erase(at, tag.size());
    if (text.find_first_of("<>\"") != std::string::npos) __builtin_trap();
  }
  std::size_t characters = 0;
  for (const char c : input) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  for (const periodic::MatchedWord& word : Search().matchedWords(input, input))
    if (word.length == 0 || word.start + word.length > characters) __builtin_trap();
  (void)periodic::ReadPageText(input);
  return 0;
}
