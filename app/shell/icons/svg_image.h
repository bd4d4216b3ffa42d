#pragma once

#include <QImage>
#include <QSize>

class QSvgRenderer;

namespace table {

// The SVG image drawn on a transparent picture as large as the box allows in the image's own
// proportions (the whole box when the image names no size); a null image when the SVG could
// not be read or the box is empty.
QImage DrawSvgImage(QSvgRenderer& renderer, const QSize& box);

}  // namespace table
