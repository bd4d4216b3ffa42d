#include "help/search/sqlite_handles.h"

namespace periodic {

Statement Prepare(sqlite3* db, const std::string& sql, const std::string& file) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &statement, nullptr) !=
      SQLITE_OK)
    throw SearchIndexError("search index '" + file + "': " + sqlite3_errmsg(db));
  return Statement(statement);
}

std::string ColumnText(sqlite3_stmt* statement, int column) {
  const auto* text = sqlite3_column_text(statement, column);
  return text ? std::string(reinterpret_cast<const char*>(text),
                            static_cast<std::size_t>(sqlite3_column_bytes(statement, column)))
              : std::string();
}

}  // namespace periodic
