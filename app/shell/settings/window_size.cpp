#include "app/shell/settings/window_size.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

#include "app/shell/settings/table_options.h"

namespace table {
namespace {

constexpr double kTwipsPerPixel = 15.0;

// Clamped in floating point before the conversion, which would overflow for huge values.
int Pixels(float twips, float minimumTwips, int available) {
  const double minimum = std::round(minimumTwips / kTwipsPerPixel);
  const double maximum = std::max(minimum, available > 0 ? available : double{QWIDGETSIZE_MAX});
  double pixels = std::isfinite(twips) ? std::round(twips / kTwipsPerPixel) : minimum;
  pixels = std::clamp(pixels, minimum, maximum);
  return static_cast<int>(pixels);
}

}  // namespace

QSize OuterPixels(float widthTwips, float heightTwips, QSize available) {
  return {Pixels(widthTwips, kMinimumWindowWidth, available.width()),
          Pixels(heightTwips, kMinimumWindowHeight, available.height())};
}

QSize ClientSizeFor(QSize outer, QSize frameExtra) {
  return {std::max(1, outer.width() - frameExtra.width()),
          std::max(1, outer.height() - frameExtra.height())};
}

}  // namespace table
