#pragma once

#include <sqlite3.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace periodic {

struct CloseDatabase {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct FinalizeStatement {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Database = std::unique_ptr<sqlite3, CloseDatabase>;
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

// A failure of the search index, naming the file and SQLite's reason.
class SearchIndexError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Prepares `sql`; throws SearchIndexError naming `file` when SQLite refuses it.
Statement Prepare(sqlite3* db, const std::string& sql, const std::string& file);

// The text of column `column` of the current row, empty for NULL.
std::string ColumnText(sqlite3_stmt* statement, int column);

}  // namespace periodic
