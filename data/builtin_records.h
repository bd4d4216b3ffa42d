#pragma once

#include <cstdint>
#include <vector>

#include "data/element_record.h"

namespace periodic {

// The 110 records the control library carries, in the order of their atomic numbers.
const std::vector<ElementRecord>& BuiltinRecords();

// The same records as they appear in Elements.dat: 110 x 180 = 19,800 bytes.
const std::vector<std::uint8_t>& BuiltinRecordBytes();

}  // namespace periodic
