#pragma once

#include "app/shell/services/help_calls.h"

// The function the help library exports under this name: the program's help, which the caller
// owns. Empty arguments, as QtHelp: Table.qch beside the program and the user's cache folder.
extern "C" table::HelpCalls* CreateTableHelp();
using CreateTableHelpFunction = table::HelpCalls* (*)();
inline constexpr const char* kCreateTableHelpName = "CreateTableHelp";
inline constexpr const char* kHelpLibraryFileName = "libTableHelp.so";

// The function the help library exports under this name: the command line's help search
// (SearchHelp in search_help.h) over the index file `indexFile`, printing to the standard
// output and error; returns the exit status.
extern "C" int SearchTableHelp(const char* indexFile, const char* words);
using SearchTableHelpFunction = int (*)(const char*, const char*);
inline constexpr const char* kSearchTableHelpName = "SearchTableHelp";
