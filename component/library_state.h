#pragma once

#include <memory>

#include "data/element_data_file.h"
#include "table/display_options.h"

class QPrinter;

namespace vexel {

class TableColorsObject;

// What every control on one thread shares: the display options, the one colour scheme, the
// open element data file, the scroll step, the unload flag and the current printer.
struct LibraryState {
  LibraryState();
  ~LibraryState();

  periodic::DisplayOptions options;
  periodic::ElementDataFile dataFile;
  // The controls alive on the thread; the data file stays open while any of them draws from it.
  int controls = 0;
  int scrollStep = 100;
  bool unloading = false;

  // Created on first use.
  TableColorsObject& colors();
  QPrinter& printer();

 private:
  std::unique_ptr<TableColorsObject> m_colors;
  std::unique_ptr<QPrinter> m_printer;
};

// The state of the calling thread, created the first time the library runs on it.
LibraryState& ThreadState();

}  // namespace vexel
