#pragma once

#include <QIcon>
#include <QString>

namespace table {

// An icon drawn from an SVG image, read when it is first drawn rather than when it is made: the
// program makes all its icons at start, before any is on the screen.
QIcon SvgIcon(const QString& path);

}  // namespace table
