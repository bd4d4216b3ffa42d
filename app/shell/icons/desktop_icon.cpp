#include "app/shell/icons/desktop_icon.h"

#include "app/shell/icons/svg_icon.h"

namespace table {

bool DesktopHasIconTheme() {
  const QString theme = QIcon::themeName();
  return !theme.isEmpty() && theme != QLatin1String("hicolor");
}

QIcon DesktopOrOwnIcon(const QString& themeName, const QString& ownPath) {
  const QIcon own = SvgIcon(ownPath);
  return !themeName.isEmpty() && DesktopHasIconTheme() ? QIcon::fromTheme(themeName, own) : own;
}

}  // namespace table
