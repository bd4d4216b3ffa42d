#include "component/library_state.h"

#include <QPrinter>

#include "component/table_colors_object.h"

namespace vexel {

LibraryState::LibraryState() = default;
LibraryState::~LibraryState() = default;

TableColorsObject& LibraryState::colors() {
  if (!m_colors) m_colors = std::make_unique<TableColorsObject>();
  return *m_colors;
}

QPrinter& LibraryState::printer() {
  if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *m_printer;
}

LibraryState& ThreadState() {
  thread_local LibraryState state;
  return state;
}

}  // namespace vexel
