#pragma once

#include <QPixmap>

namespace table {

// The program logo: a small periodic table, drawn to the given size. The splash and the About
// window show it.
QPixmap DrawProgramLogo(int width, int height);

}  // namespace table
