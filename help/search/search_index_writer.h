#pragma once

#include <string>
#include <vector>

namespace periodic {

// One help page as the search index lists it.
struct IndexedPage {
  std::string path;      // inside the help collection: "html/Fe.htm"
  std::string title;     // "26. Железо"
  std::string keywords;  // words that lead to the page beyond its text: an element's names
  std::string text;      // the readable text of the page
  int element = 0;       // the element the page is about, 0 for the other pages
  std::string symbol;    // that element's symbol, "Fe"
};

// Writes the search index of the pages into a new SQLite file `file` (an existing one is
// replaced): the pages as they are, for titles and snippets, and their stemmed words in a
// full-text table. Throws SearchIndexError naming the file when it cannot be written.
void WriteSearchIndex(const std::string& file, const std::vector<IndexedPage>& pages);

}  // namespace periodic
