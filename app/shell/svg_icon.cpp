#include "app/shell/svg_icon.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <map>
#include <memory>
#include <tuple>

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
    const auto key = std::make_tuple(size.width(), size.height(), static_cast<int>(mode));
    if (const auto found = m_drawn.find(key); found != m_drawn.end()) return found->second;
    const QSize drawn = actualSize(size, mode, state);
    if (drawn.isEmpty() || !renderer().isValid()) return QPixmap();
    QPixmap image(drawn);
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
    m_drawn.emplace(key, image);
    return image;
  }

 private:
  QSvgRenderer& renderer() {
    if (!m_renderer) m_renderer = std::make_unique<QSvgRenderer>(m_path);
    return *m_renderer;
  }

  QString m_path;
  std::unique_ptr<QSvgRenderer> m_renderer;
  std::map<std::tuple<int, int, int>, QPixmap> m_drawn;
};

}  // namespace

QIcon SvgIcon(const QString& path) {
  return QIcon(new SvgIconEngine(path));
}

}  // namespace table
