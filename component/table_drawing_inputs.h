#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "table/display_options.h"
#include "table/property_view.h"
#include "table/table_colors.h"

namespace vexel {

struct LibraryState;

// Everything a drawing of the table is made from: drawn again from equal inputs, the table comes
// out the same, so a Refresh that finds them unchanged keeps the drawing it has. The start draws
// the table three times over (after the settings are read, and at the window's and the
// control's first resize) from the same inputs.
struct TableDrawingInputs {
  periodic::DisplayOptions options;
  periodic::clsTableColors colors;
  std::int32_t backColor = 0;
  std::string dataFile;
  std::filesystem::file_time_type dataFileWritten;
  std::uintmax_t dataFileSize = 0;
  periodic::PropertyView view;

  bool operator==(const TableDrawingInputs&) const = default;
};

// The inputs as they stand; nothing when the data file is not open or its size and time of
// writing cannot be read, so that the table is always drawn anew then.
std::optional<TableDrawingInputs> CurrentDrawingInputs(LibraryState& state, std::int32_t backColor);

}  // namespace vexel
