#pragma once

#include <cstdint>

namespace periodic {

// A colour as 0x00BBGGRR (red in the low byte). Values with the top bit set name system
// colours; the painter resolves them.
using Color = std::int32_t;

inline constexpr Color kBlack = 0;
inline constexpr Color kWhite = 16777215;
inline constexpr Color kYellow = 65535;
// The system's window background colour.
inline constexpr Color kSystemWindowBackground = static_cast<Color>(0x80000005u);

constexpr Color RgbColor(int red, int green, int blue) {
  return red + 256 * green + 65536 * blue;
}
constexpr int RedOf(Color c) {
  return c & 0xFF;
}
constexpr int GreenOf(Color c) {
  return (c >> 8) & 0xFF;
}
constexpr int BlueOf(Color c) {
  return (c >> 16) & 0xFF;
}
constexpr bool IsSystemColor(Color c) {
  return c < 0;
}

}  // namespace periodic
