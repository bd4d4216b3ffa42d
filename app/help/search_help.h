#pragma once

#include <cstdio>
#include <string>

namespace table {

// The help's search index as the program reads it: TableSearch.db beside the help file.
inline constexpr const char* kSearchIndexFileName = "TableSearch.db";

// The help search of the command line over the index file `indexFile`: prints the titles of the
// help pages that hold the words to `out`, best first, at most ten, one a line. Returns the exit
// status: 0 when pages were found, 1 when none, 2 (with the reason on `err`) when the index
// cannot be read.
int SearchHelp(const std::string& indexFile, const std::string& words, std::FILE* out,
               std::FILE* err);

}  // namespace table
