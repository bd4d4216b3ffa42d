#pragma once

#include <optional>

namespace table {

// The command line `Table --search-help WORDS` (or --search-help=WORDS): the help search of
// SearchHelp (search_help.h) over the index beside the program. It runs in the help library,
// which is loaded for it, so the program itself links no search code. Needs no display.
// Returns nothing when the arguments ask for something else; otherwise the exit status: 0 when
// pages were found, 1 when none, 2 when the words are missing or the search cannot run.
std::optional<int> RunSearchHelpCommand(int argc, char** argv);

}  // namespace table
