#include "app/shell/icons/resource_icon_style.h"

#include "app/shell/icons/desktop_icon.h"

#include <QGuiApplication>
#include <QIcon>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>
#include <QWidget>
#include <initializer_list>
#include <vector>

namespace table {
namespace {

const QString kStyleImages = QStringLiteral(":/qt-project.org/styles/commonstyle/images/");

// An icon of some of the style's PNG images, read when it is first drawn or measured: most of
// these icons (the extension arrows of a bar that has room, the clear button of an empty field)
// are never drawn at all. Read as PNG and nothing else, so that no image-format plugin is asked.
class PngResourceIconEngine : public QIconEngine {
 public:
  explicit PngResourceIconEngine(QStringList names) : m_names(std::move(names)) {}

  QIconEngine* clone() const override { return new PngResourceIconEngine(m_names); }
  QString key() const override { return QStringLiteral("PngResourceIconEngine"); }

  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return icon().availableSizes(mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().actualSize(size, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().pixmap(size, mode, state);
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  bool isNull() override { return icon().isNull(); }

 private:
  QIcon& icon() {
    if (!m_read) {
      m_read = true;
      for (const QString& name : m_names) {
        QImageReader reader(kStyleImages + name, "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull()) m_icon.addPixmap(QPixmap::fromImage(image));
      }
    }
    return m_icon;
  }

  QStringList m_names;
  bool m_read = false;
  QIcon m_icon;
};

QIcon PngIcon(std::initializer_list<const char*> names) {
  QStringList list;
  for (const char* name : names) list << QLatin1String(name);
  return QIcon(new PngResourceIconEngine(list));
}

}  // namespace

ResourceIconStyle::ResourceIconStyle(const QString& baseStyleName) : QProxyStyle(baseStyleName) {}

QIcon ResourceIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                      const QWidget* widget) const {
  const bool rightToLeft =
      (option != nullptr   ? option->direction
       : widget != nullptr ? widget->layoutDirection()
                           : QGuiApplication::layoutDirection()) == Qt::RightToLeft;
  if (!rightToLeft) {
    switch (icon) {
      case SP_ToolBarHorizontalExtensionButton:
        return PngIcon({"toolbar-ext-h-8.png", "toolbar-ext-h-16.png", "toolbar-ext-h-32.png"});
      case SP_ToolBarVerticalExtensionButton:
        return PngIcon({"toolbar-ext-v-5.png", "toolbar-ext-v-10.png", "toolbar-ext-v-20.png"});
      case SP_LineEditClearButton:
        if (!DesktopHasIconTheme()) return PngIcon({"cleartext-16.png"});
        break;
      default:
        break;
    }
  }
  return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace table
