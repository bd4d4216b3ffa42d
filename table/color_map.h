#pragma once

#include "table/color.h"

namespace periodic {

// The viridis colour map, perceptually uniform and readable with every common colour-vision
// deficiency: t = 0 gives its first colour (dark violet), t = 1 its last (yellow); t outside
// 0..1 is clamped.
Color ViridisColor(double t);

// Relative luminance and contrast ratio as the web accessibility guidelines define them.
double RelativeLuminance(Color c);
double ContrastRatio(Color a, Color b);

// Black or white, whichever contrasts more with the fill.
Color TextColorOn(Color fill);

}  // namespace periodic
