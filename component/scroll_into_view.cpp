#include "component/scroll_into_view.h"

#include <algorithm>
#include <cmath>

namespace periodic {

std::int16_t ScrollValueToShow(double start, double end, std::int16_t value, double visible,
                               double step, std::int16_t max) {
  if (step <= 0 || max <= 0) return 0;
  double wanted = value;
  if (end > value * step + visible) wanted = std::ceil((end - visible) / step);
  if (start < wanted * step) wanted = std::floor(start / step);
  return static_cast<std::int16_t>(std::clamp(wanted, 0.0, static_cast<double>(max)));
}

}  // namespace periodic
