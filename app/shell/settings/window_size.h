#pragma once

#include <QSize>

namespace table {

// The main window's design size: its outer width and height in twips.
inline constexpr float kDesignWidthTwips = 11565.0f;
inline constexpr float kDesignHeightTwips = 6420.0f;

// The outer size in pixels for a stored outer size in twips (15 twips a pixel): no larger than
// the available screen area, and never smaller than the smallest start size (5000 x 3000 twips),
// which also stands in for sizes that are not finite numbers. `available` may be invalid when no
// screen is known; then only the minimum applies.
QSize OuterPixels(float widthTwips, float heightTwips, QSize available);

// The client size that gives a window with the given frame the outer size `outer`.
QSize ClientSizeFor(QSize outer, QSize frameExtra);

}  // namespace table
