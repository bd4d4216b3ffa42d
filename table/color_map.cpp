#include "table/color_map.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace periodic {
namespace {

// The map's published colours at nine evenly spaced points; between them it is interpolated.
constexpr std::array<Color, 9> kViridisStops = {
    RgbColor(0x44, 0x01, 0x54), RgbColor(0x47, 0x2c, 0x7a), RgbColor(0x3b, 0x51, 0x8b),
    RgbColor(0x2c, 0x71, 0x8e), RgbColor(0x21, 0x90, 0x8d), RgbColor(0x27, 0xad, 0x81),
    RgbColor(0x5c, 0xc8, 0x63), RgbColor(0xaa, 0xdc, 0x32), RgbColor(0xfd, 0xe7, 0x25),
};

int Mix(int a, int b, double f) {
  return static_cast<int>(std::lround(a + (b - a) * f));
}

double Linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

Color ViridisColor(double t) {
  if (!(t > 0)) return kViridisStops.front();
  if (t >= 1) return kViridisStops.back();
  const double position = t * (kViridisStops.size() - 1);
  const auto index = static_cast<std::size_t>(position);
  const double f = position - static_cast<double>(index);
  const Color a = kViridisStops[index];
  const Color b = kViridisStops[index + 1];
  return RgbColor(Mix(RedOf(a), RedOf(b), f), Mix(GreenOf(a), GreenOf(b), f),
                  Mix(BlueOf(a), BlueOf(b), f));
}

double RelativeLuminance(Color c) {
  return 0.2126 * Linear(RedOf(c)) + 0.7152 * Linear(GreenOf(c)) + 0.0722 * Linear(BlueOf(c));
}

double ContrastRatio(Color a, Color b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Color TextColorOn(Color fill) {
  return ContrastRatio(fill, kBlack) >= ContrastRatio(fill, kWhite) ? kBlack : kWhite;
}

}  // namespace periodic
