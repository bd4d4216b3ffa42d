#include "app/shell/desktop_icon.h"

#include "app/shell/svg_icon.h"

namespace table {

QIcon DesktopOrOwnIcon(const QString& themeName, const QString& ownPath) {
  const QIcon own = SvgIcon(ownPath);
  const QString desktopTheme = QIcon::themeName();
  const bool themed = !themeName.isEmpty() && !desktopTheme.isEmpty() && desktopTheme != "hicolor";
  return themed ? QIcon::fromTheme(themeName, own) : own;
}

}  // namespace table
