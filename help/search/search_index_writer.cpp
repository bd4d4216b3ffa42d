#include "help/search/search_index_writer.h"

#include <cstdio>

#include "help/search/sqlite_handles.h"
#include "help/search/word_stems.h"

namespace periodic {
namespace {

void Execute(sqlite3* db, const std::string& sql, const std::string& file) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
    const std::string reason = message ? message : sqlite3_errmsg(db);
    sqlite3_free(message);
    throw SearchIndexError("search index '" + file + "': " + reason);
  }
}

void Bind(sqlite3_stmt* statement, int index, const std::string& text) {
  sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void Step(sqlite3* db, sqlite3_stmt* statement, const std::string& file) {
  if (sqlite3_step(statement) != SQLITE_DONE)
    throw SearchIndexError("search index '" + file + "': " + sqlite3_errmsg(db));
  sqlite3_reset(statement);
}

}  // namespace

void WriteSearchIndex(const std::string& file, const std::vector<IndexedPage>& pages) {
  std::remove(file.c_str());
  sqlite3* opened = nullptr;
  const int status =
      sqlite3_open_v2(file.c_str(), &opened, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  Database db(opened);
  if (status != SQLITE_OK)
    throw SearchIndexError("cannot write search index '" + file +
                           "': " + (db ? sqlite3_errmsg(db.get()) : "out of memory"));
  Execute(db.get(),
          "PRAGMA journal_mode=OFF; BEGIN;"
          "CREATE TABLE pages(id INTEGER PRIMARY KEY, path TEXT NOT NULL, title TEXT NOT NULL,"
          " text TEXT NOT NULL, element INTEGER NOT NULL, symbol TEXT NOT NULL);"
          "CREATE INDEX pages_element ON pages(element);"
          // The stems go in as blank-separated words, which the tokenizer takes as they are.
          "CREATE VIRTUAL TABLE words USING fts5(title, keywords, body,"
          " tokenize='unicode61 remove_diacritics 0');",
          file);
  const Statement addPage = Prepare(
      db.get(), "INSERT INTO pages(id, path, title, text, element, symbol) VALUES(?,?,?,?,?,?)",
      file);
  const Statement addWords =
      Prepare(db.get(), "INSERT INTO words(rowid, title, keywords, body) VALUES(?,?,?,?)", file);
  WordStemmer stemmer;
  int id = 0;
  for (const IndexedPage& page : pages) {
    ++id;
    sqlite3_bind_int(addPage.get(), 1, id);
    Bind(addPage.get(), 2, page.path);
    Bind(addPage.get(), 3, page.title);
    Bind(addPage.get(), 4, page.text);
    sqlite3_bind_int(addPage.get(), 5, page.element);
    Bind(addPage.get(), 6, page.symbol);
    Step(db.get(), addPage.get(), file);
    sqlite3_bind_int(addWords.get(), 1, id);
    Bind(addWords.get(), 2, stemmer.stemText(page.title));
    Bind(addWords.get(), 3, stemmer.stemText(page.keywords));
    Bind(addWords.get(), 4, stemmer.stemText(page.text));
    Step(db.get(), addWords.get(), file);
  }
  Execute(db.get(), "INSERT INTO words(words) VALUES('optimize'); COMMIT; VACUUM;", file);
}

}  // namespace periodic
