#include "app/shell/resource_icon_style.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QStyleOption>
#include <QWidget>
#include <initializer_list>

namespace table {
namespace {

const QString kStyleImages = QStringLiteral(":/qt-project.org/styles/commonstyle/images/");

// An icon of the given style images; a null icon when one of them cannot be read.
QIcon PngIcon(std::initializer_list<const char*> names) {
  QIcon icon;
  for (const char* name : names) {
    QImageReader reader(kStyleImages + QLatin1String(name), "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull()) return QIcon();
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

bool DesktopHasIconTheme() {
  const QString theme = QIcon::themeName();
  return !theme.isEmpty() && theme != QLatin1String("hicolor");
}

}  // namespace

ResourceIconStyle::ResourceIconStyle(const QString& baseStyleName) : QProxyStyle(baseStyleName) {}

QIcon ResourceIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                      const QWidget* widget) const {
  const bool rightToLeft =
      (option != nullptr   ? option->direction
       : widget != nullptr ? widget->layoutDirection()
                           : QGuiApplication::layoutDirection()) == Qt::RightToLeft;
  QIcon own;
  if (!rightToLeft) {
    switch (icon) {
      case SP_ToolBarHorizontalExtensionButton:
        own = PngIcon({"toolbar-ext-h-8.png", "toolbar-ext-h-16.png", "toolbar-ext-h-32.png"});
        break;
      case SP_ToolBarVerticalExtensionButton:
        own = PngIcon({"toolbar-ext-v-5.png", "toolbar-ext-v-10.png", "toolbar-ext-v-20.png"});
        break;
      case SP_LineEditClearButton:
        if (!DesktopHasIconTheme()) own = PngIcon({"cleartext-16.png"});
        break;
      default:
        break;
    }
  }
  return own.isNull() ? QProxyStyle::standardIcon(icon, option, widget) : own;
}

}  // namespace table
