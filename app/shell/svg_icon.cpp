#include "app/shell/svg_icon.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <memory>

namespace table {
namespace {

class SvgIconEngine : public QIconEngine {
 public:
  explicit SvgIconEngine(QString path) : m_path(std::move(path)) {}

  QIconEngine* clone() const override { return new SvgIconEngine(m_path); }
  QString key() const override { return QStringLiteral("svg"); }
  bool isNull() override { return !QFile::exists(m_path); }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    QSize image = renderer().defaultSize();
    if (image.isEmpty()) return size;
    image.scale(size, Qt::KeepAspectRatio);
    return image;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap image = pixmap(rect.size() * ratio, mode, state);
    image.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect.topLeft(), image);
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    // Kept in the application's pixmap cache, so that every icon of one image shares its
    // drawings and the cache's limit holds for them.
    const QString key = QStringLiteral("table_svg_%1_%2x%3_%4")
                            .arg(m_path)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(static_cast<int>(mode));
    QPixmap image;
    if (QPixmapCache::find(key, &image)) return image;
    const QSize drawn = actualSize(size, mode, state);
    if (drawn.isEmpty() || !renderer().isValid()) return QPixmap();
    image = QPixmap(drawn);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      renderer().render(&painter, QRectF(QPointF(0, 0), drawn));
    }
    if (mode != QIcon::Normal) {
      // Greyed or highlighted as the style draws every other icon in that mode.
      QStyleOption option;
      option.palette = QGuiApplication::palette();
      const QPixmap styled = QApplication::style()->generatedIconPixmap(mode, image, &option);
      if (!styled.isNull()) image = styled;
    }
    QPixmapCache::insert(key, image);
    return image;
  }

 private:
  QSvgRenderer& renderer() {
    if (!m_renderer) m_renderer = std::make_unique<QSvgRenderer>(m_path);
    return *m_renderer;
  }

  QString m_path;
  std::unique_ptr<QSvgRenderer> m_renderer;
};

}  // namespace

QIcon SvgIcon(const QString& path) {
  return QIcon(new SvgIconEngine(path));
}

}  // namespace table
