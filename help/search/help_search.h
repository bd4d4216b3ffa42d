#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "help/search/sqlite_handles.h"
#include "help/search/word_stems.h"

namespace periodic {

// One page a search found.
struct SearchHit {
  std::string path;     // inside the help collection: "html/Fe.htm"
  std::string title;    // "26. Железо"
  std::string snippet;  // HTML: a passage of the page, the matched words in <b>
};

// A word of a text that a query matches: its first character and its length, counted in
// characters (code points), as a text view counts them.
struct MatchedWord {
  std::size_t start = 0;
  std::size_t length = 0;
};

// The full-text search over the index the build writes beside the help (see
// search_index_writer.h). Words match in any grammatical form and as the beginning of longer
// words; all words of a query must be on a page; pages come best first. The index is opened
// read-only and never changed, so it may lie in a read-only folder.
class HelpSearch {
 public:
  // Throws SearchIndexError naming the file when it is missing or is no search index.
  explicit HelpSearch(const std::string& file);

  // The pages that hold every word of the query, best first, at most `limit`. A query that is
  // an element's symbol or number ("Fe", "26") puts that element's page first. A query without
  // words finds nothing; no character of it is taken as search syntax.
  std::vector<SearchHit> find(std::string_view query, int limit);

  // The stems a query looks for, in order, without repeats.
  std::vector<std::string> queryStems(std::string_view query);

  // The words of `text` that the query matches, to mark them on the page shown.
  std::vector<MatchedWord> matchedWords(std::string_view text, std::string_view query);

 private:
  int pinnedElementPage(std::string_view query);
  SearchHit hit(sqlite3_stmt* row, const std::vector<std::string>& stems);

  std::string m_file;
  Database m_db;
  Statement m_match;
  Statement m_element;
  WordStemmer m_stemmer;
};

}  // namespace periodic
