#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace table {

// The help's search index as the program reads it: TableSearch.db beside the help file.
inline constexpr const char* kSearchIndexFileName = "TableSearch.db";

// The command line `Table --search-help WORDS` (or --search-help=WORDS): prints the titles of
// the help pages that hold the words, best first, at most ten, one a line. Needs no display.
// Returns nothing when the arguments ask for something else; otherwise the exit status: 0 when
// pages were found, 1 when none, 2 when the index cannot be read or the words are missing.
std::optional<int> RunSearchHelpCommand(int argc, char** argv);

// The same over the index file `indexFile`, writing to `out` and `err`.
int SearchHelp(const std::string& indexFile, const std::string& words, std::FILE* out,
               std::FILE* err);

}  // namespace table
