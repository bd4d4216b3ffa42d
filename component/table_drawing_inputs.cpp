#include "component/table_drawing_inputs.h"

#include <system_error>

#include "component/library_state.h"
#include "component/table_colors_object.h"

namespace vexel {

std::optional<TableDrawingInputs> CurrentDrawingInputs(LibraryState& state,
                                                       std::int32_t backColor) {
  if (!state.dataFile.IsOpen()) return std::nullopt;
  TableDrawingInputs inputs;
  inputs.options = state.options;
  inputs.colors = state.colors().scheme();
  inputs.backColor = backColor;
  inputs.dataFile = state.dataFile.Path();
  std::error_code error;
  inputs.dataFileWritten = std::filesystem::last_write_time(inputs.dataFile, error);
  if (error) return std::nullopt;
  inputs.dataFileSize = std::filesystem::file_size(inputs.dataFile, error);
  if (error) return std::nullopt;
  return inputs;
}

}  // namespace vexel
