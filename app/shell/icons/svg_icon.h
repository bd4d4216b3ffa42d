#pragma once

#include <QIcon>
#include <QString>

namespace table {

// An icon drawn from an SVG image, read when it is first drawn rather than when it is made: the
// program makes all its icons at start, before any is on the screen.
QIcon SvgIcon(const QString& path);

// Where the picture of the SVG image at path (a resource, ":/folder/name.svg") drawn at build
// time for a square of side pixels lies: ":/predrawn/folder/name.side.pixels". Empty for a path
// that is not an SVG resource.
QString PredrawnIconPath(const QString& svgPath, int side);

}  // namespace table
