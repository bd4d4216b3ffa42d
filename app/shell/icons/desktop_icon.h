#pragma once

#include <QIcon>
#include <QString>

namespace table {

// The desktop theme's icon named themeName when the desktop names a theme of its own, otherwise
// the program's own SVG image at ownPath. The fallback theme "hicolor" has none of the standard
// icons, and searching it costs the start-up every image-format plugin.
QIcon DesktopOrOwnIcon(const QString& themeName, const QString& ownPath);

// Whether the desktop names an icon theme of its own (not none, not the fallback "hicolor").
bool DesktopHasIconTheme();

}  // namespace table
