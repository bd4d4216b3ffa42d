#include "help/search/help_search.h"

#include <algorithm>
#include <charconv>

#include "help/search/snippet.h"

namespace periodic {
namespace {

// A file name as an SQLite URI: reserved characters percent-encoded.
std::string FileUri(const std::string& file) {
  std::string uri = "file:";
  for (const char c : file) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '%' || c == '?' || c == '#' || byte < 0x20) {
      static const char kHex[] = "0123456789ABCDEF";
      uri += '%';
      uri += kHex[byte >> 4];
      uri += kHex[byte & 0xF];
    } else {
      uri += c;
    }
  }
  // The index never changes while it is read: SQLite then needs no lock or journal files.
  return uri + "?immutable=1";
}

// The full-text query for the stems: each one quoted (so no word is read as search syntax) and
// matched as the beginning of a word; all of them must be present.
std::string MatchExpression(const std::vector<std::string>& stems) {
  std::string expression;
  for (const std::string& stem : stems) {
    if (!expression.empty()) expression += ' ';
    expression += '"';
    for (const char c : stem) expression += c == '"' ? std::string("\"\"") : std::string(1, c);
    expression += "\"*";
  }
  return expression;
}

std::size_t CodePoints(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

constexpr const char* kPageColumns = "p.path, p.title, p.text, w.body";

}  // namespace

HelpSearch::HelpSearch(const std::string& file) : m_file(file) {
  sqlite3* opened = nullptr;
  const int status = sqlite3_open_v2(FileUri(file).c_str(), &opened,
                                     SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
  m_db.reset(opened);
  if (status != SQLITE_OK)
    throw SearchIndexError("cannot open search index '" + file +
                           "': " + (m_db ? sqlite3_errmsg(m_db.get()) : "out of memory"));
  m_match = Prepare(m_db.get(),
                    std::string("SELECT ") + kPageColumns +
                        " FROM words w JOIN pages p ON p.id = w.rowid WHERE words MATCH ?1"
                        " AND p.element <> ?2 ORDER BY bm25(words, 10.0, 8.0, 1.0) LIMIT ?3",
                    m_file);
  m_element = Prepare(m_db.get(),
                      std::string("SELECT ") + kPageColumns +
                          " FROM pages p JOIN words w ON w.rowid = p.id WHERE p.element = ?1",
                      m_file);
}

std::vector<std::string> HelpSearch::queryStems(std::string_view query) {
  std::vector<std::string> stems;
  for (const TextWord& word : SplitWords(query)) {
    std::string stem = m_stemmer.stem(word.folded);
    if (std::find(stems.begin(), stems.end(), stem) == stems.end())
      stems.push_back(std::move(stem));
  }
  return stems;
}

int HelpSearch::pinnedElementPage(std::string_view query) {
  const std::vector<TextWord> words = SplitWords(query);
  if (words.size() != 1) return 0;
  const std::string& word = words.front().folded;
  int number = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
  if (error == std::errc() && end == word.data() + word.size()) return number;
  if (word.size() > 3) return 0;
  const Statement symbol = Prepare(
      m_db.get(), "SELECT element FROM pages WHERE element > 0 AND lower(symbol) = ?1", m_file);
  sqlite3_bind_text(symbol.get(), 1, word.data(), static_cast<int>(word.size()), SQLITE_TRANSIENT);
  return sqlite3_step(symbol.get()) == SQLITE_ROW ? sqlite3_column_int(symbol.get(), 0) : 0;
}

SearchHit HelpSearch::hit(sqlite3_stmt* row, const std::vector<std::string>& stems) {
  const std::string text = ColumnText(row, 2);
  return {ColumnText(row, 0), ColumnText(row, 1), MakeSnippet(text, ColumnText(row, 3), stems)};
}

std::vector<SearchHit> HelpSearch::find(std::string_view query, int limit) {
  std::vector<SearchHit> hits;
  const std::vector<std::string> stems = queryStems(query);
  if (stems.empty() || limit <= 0) return hits;
  const int pinned = pinnedElementPage(query);
  if (pinned > 0) {
    sqlite3_reset(m_element.get());
    sqlite3_bind_int(m_element.get(), 1, pinned);
    if (sqlite3_step(m_element.get()) == SQLITE_ROW) hits.push_back(hit(m_element.get(), stems));
  }
  sqlite3_stmt* match = m_match.get();
  sqlite3_reset(match);
  const std::string expression = MatchExpression(stems);
  sqlite3_bind_text(match, 1, expression.data(), static_cast<int>(expression.size()),
                    SQLITE_TRANSIENT);
  sqlite3_bind_int(match, 2, hits.empty() ? -1 : pinned);
  sqlite3_bind_int(match, 3, limit - static_cast<int>(hits.size()));
  int status = SQLITE_ROW;
  while ((status = sqlite3_step(match)) == SQLITE_ROW) hits.push_back(hit(match, stems));
  if (status != SQLITE_DONE)
    throw SearchIndexError("search index '" + m_file + "': " + sqlite3_errmsg(m_db.get()));
  return hits;
}

std::vector<MatchedWord> HelpSearch::matchedWords(std::string_view text, std::string_view query) {
  std::vector<MatchedWord> matched;
  const std::vector<std::string> stems = queryStems(query);
  if (stems.empty()) return matched;
  std::size_t at = 0, characters = 0;
  for (const TextWord& word : SplitWords(text)) {
    characters += CodePoints(text.substr(at, word.offset - at));
    const std::size_t length = CodePoints(text.substr(word.offset, word.length));
    if (StemMatches(m_stemmer.stem(word.folded), stems)) matched.push_back({characters, length});
    characters += length;
    at = word.offset + word.length;
  }
  return matched;
}

}  // namespace periodic
