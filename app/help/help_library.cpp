// The entry point of the help library, which the program loads on its first help call: the
// help's toolkit libraries then cost the start nothing.
#include "app/shell/services/help_library.h"

#include "app/help/qt_help.h"

extern "C" __attribute__((visibility("default"))) table::HelpCalls* CreateTableHelp() {
  return new table::QtHelp();
}
