#include "app/shell/icons/svg_image.h"

#include <QPainter>
#include <QSvgRenderer>

namespace table {
namespace {

QSize SvgImageSize(const QSvgRenderer& renderer, const QSize& box) {
  QSize image = renderer.defaultSize();
  if (image.isEmpty()) return box;
  image.scale(box, Qt::KeepAspectRatio);
  return image;
}

}  // namespace

QImage DrawSvgImage(QSvgRenderer& renderer, const QSize& box) {
  const QSize drawn = SvgImageSize(renderer, box);
  if (drawn.isEmpty() || !renderer.isValid()) return QImage();
  QImage image(drawn, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(QPointF(0, 0), drawn));
  return image;
}

}  // namespace table
