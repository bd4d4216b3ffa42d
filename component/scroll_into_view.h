#pragma once

#include <cstdint>

namespace periodic {

// The scroll bar value that brings the span [start, end) of the picture into view, moving the
// least. The bar shows the picture from value × step on, over `visible` twips; the result
// stays within 0..max. A span longer than the view shows its start.
std::int16_t ScrollValueToShow(double start, double end, std::int16_t value, double visible,
                               double step, std::int16_t max);

}  // namespace periodic
