#pragma once

#include <QImage>
#include <QSize>

class QSvgRenderer;

namespace table {

// The size an SVG image takes inside a box: its own proportions, as large as the box allows;
// the whole box when the image names no size.
QSize SvgImageSize(const QSvgRenderer& renderer, const QSize& box);

// The SVG image drawn on a transparent picture of SvgImageSize(renderer, box); a null image when
// the SVG could not be read or the box is empty.
QImage DrawSvgImage(QSvgRenderer& renderer, const QSize& box);

}  // namespace table
