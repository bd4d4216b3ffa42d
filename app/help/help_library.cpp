// The entry point of the help library, which the program loads on its first help call: the
// help's toolkit libraries then cost the start nothing.
#include "app/shell/services/help_library.h"

#include <cstdio>

#include "app/help/qt_help.h"
#include "app/help/search_help.h"

extern "C" __attribute__((visibility("default"))) table::HelpCalls* CreateTableHelp() {
  return new table::QtHelp();
}

extern "C" __attribute__((visibility("default"))) int SearchTableHelp(const char* indexFile,
                                                                      const char* words) {
  return table::SearchHelp(indexFile ? indexFile : "", words ? words : "", stdout, stderr);
}
