#include "app/shell/icons/predrawn_image.h"

#include <cstdint>
#include <cstring>

namespace table {
namespace {

constexpr qsizetype kHeaderBytes = 2 * sizeof(std::uint32_t);
constexpr qsizetype kPixelBytes = 4;

}  // namespace

QByteArray PredrawnImageBytes(const QImage& image) {
  const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const std::uint32_t size[2] = {static_cast<std::uint32_t>(pixels.width()),
                                 static_cast<std::uint32_t>(pixels.height())};
  QByteArray bytes(reinterpret_cast<const char*>(size), kHeaderBytes);
  const qsizetype rowBytes = pixels.width() * kPixelBytes;
  for (int y = 0; y < pixels.height(); ++y)
    bytes.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), rowBytes);
  return bytes;
}

QImage PredrawnImageFromBytes(const QByteArray& bytes, int maxSide) {
  if (maxSide <= 0 || bytes.size() < kHeaderBytes) return QImage();
  std::uint32_t size[2];
  std::memcpy(size, bytes.constData(), kHeaderBytes);
  const auto limit = static_cast<std::uint32_t>(maxSide);
  if (size[0] == 0 || size[1] == 0 || size[0] > limit || size[1] > limit) return QImage();
  const int width = static_cast<int>(size[0]);
  const int height = static_cast<int>(size[1]);
  const qsizetype rowBytes = qsizetype{width} * kPixelBytes;
  if (bytes.size() != kHeaderBytes + rowBytes * height) return QImage();
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return QImage();
  for (int y = 0; y < height; ++y)
    std::memcpy(image.scanLine(y), bytes.constData() + kHeaderBytes + rowBytes * y,
                static_cast<std::size_t>(rowBytes));
  return image;
}

}  // namespace table
