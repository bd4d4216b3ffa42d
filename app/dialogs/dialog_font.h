#pragma once

#include <QFont>

#include "platform/table_font.h"

namespace table {

// The dialogs are laid out in twips for an 8-point sans-serif face; the table's stand-in face
// keeps the captions inside their controls.
inline QFont DialogFont(double points = 8.0) {
  QFont font(QString::fromLatin1(periodic::kArialSubstitute));
  font.setPointSizeF(points);
  return font;
}

}  // namespace table
