#include "app/shell/icons/svg_icon.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QResource>
#include <QStyle>
#include <QStyleOption>
#include <optional>

#include "app/shell/icons/predrawn_image.h"

namespace table {

QString PredrawnIconPath(const QString& svgPath, int side) {
  const QLatin1String resource(":/"), svg(".svg");
  if (!svgPath.startsWith(resource) || !svgPath.endsWith(svg)) return QString();
  const QString stem = svgPath.mid(resource.size(), svgPath.size() - resource.size() - svg.size());
  return QStringLiteral(":/predrawn/%1.%2.pixels").arg(stem).arg(side);
}

namespace {

// The picture drawn at build time for a square box, or a null image where there is none.
QImage PredrawnImage(const QString& svgPath, const QSize& box) {
  if (box.width() != box.height()) return QImage();
  const QResource resource(PredrawnIconPath(svgPath, box.width()));
  if (!resource.isValid()) return QImage();
  return PredrawnImageFromBytes(resource.uncompressedData(), box.width());
}

class SvgIconEngine : public QIconEngine {
 public:
  explicit SvgIconEngine(QString path) : m_path(std::move(path)) {}

  QIconEngine* clone() const override { return new SvgIconEngine(m_path); }
  QString key() const override { return QStringLiteral("svg"); }
  bool isNull() override { return !QFile::exists(m_path); }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    QPixmap cached;
    if (QPixmapCache::find(cacheKey(size, QIcon::Normal), &cached)) return cached.size();
    const QImage predrawn = PredrawnImage(m_path, size);
    if (!predrawn.isNull()) return predrawn.size();
    return drawnByToolkit().actualSize(size);
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap image = pixmap(rect.size() * ratio, mode, state);
    image.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect.topLeft(), image);
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    // Kept in the application's pixmap cache, so that every icon of one image shares its
    // drawings and the cache's limit holds for them.
    const QString key = cacheKey(size, mode);
    QPixmap image;
    if (QPixmapCache::find(key, &image)) return image;
    // Drawn at build time for the sizes the program shows at start, so that a start neither
    // reads nor draws SVG; drawn now for any other size.
    const QImage predrawn = PredrawnImage(m_path, size);
    image = predrawn.isNull() ? drawnByToolkit().pixmap(size, 1.0) : QPixmap::fromImage(predrawn);
    if (image.isNull()) return image;
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
  QString cacheKey(const QSize& size, QIcon::Mode mode) const {
    return QStringLiteral("table_svg_%1_%2x%3_%4")
        .arg(m_path)
        .arg(size.width())
        .arg(size.height())
        .arg(static_cast<int>(mode));
  }

  // The toolkit's own SVG icon, made on first use: its plugin and the SVG library load with it.
  QIcon& drawnByToolkit() {
    if (!m_drawnByToolkit) m_drawnByToolkit = QIcon(m_path);
    return *m_drawnByToolkit;
  }

  QString m_path;
  std::optional<QIcon> m_drawnByToolkit;
};

}  // namespace

QIcon SvgIcon(const QString& path) {
  return QIcon(new SvgIconEngine(path));
}

}  // namespace table
