#pragma once

#include <QByteArray>
#include <QImage>

namespace table {

// An image drawn when the program was built, kept as bytes that need no decoding: its width and
// height as two 32-bit numbers in the machine's own order, then its rows of premultiplied ARGB32
// pixels, four bytes to a pixel with no padding.
QByteArray PredrawnImageBytes(const QImage& image);

// The image those bytes hold; a null image for bytes of any other length or shape, or for an
// image larger than maxSide in either direction.
QImage PredrawnImageFromBytes(const QByteArray& bytes, int maxSide);

}  // namespace table
