#include "app/shell/icons/program_logo.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <algorithm>

namespace table {

QPixmap DrawProgramLogo(int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);

  // Eighteen groups, seven periods, and the two f rows set apart below.
  constexpr double kColumns = 18;
  constexpr double kRows = 9.5;
  const double cell = std::min(width / kColumns, height / kRows);
  const double left = (width - cell * kColumns) / 2;
  const double top = (height - cell * kRows) / 2;

  const QColor sBlock(232, 96, 96);
  const QColor pBlock(240, 200, 64);
  const QColor dBlock(96, 144, 224);
  const QColor fBlock(96, 184, 96);

  QPainter painter(&pixmap);
  painter.setPen(QPen(QColor(48, 48, 48), cell >= 6 ? 1.0 : 0.5));
  const auto box = [&](double column, double row, const QColor& colour) {
    painter.setBrush(colour);
    painter.drawRect(QRectF(left + column * cell, top + row * cell, cell, cell));
  };
  for (int period = 0; period < 7; ++period) {
    for (int group = 0; group < 18; ++group) {
      const bool present = period == 0   ? (group == 0 || group == 17)
                           : period <= 2 ? (group < 2 || group >= 12)
                                         : true;
      if (!present) continue;
      const QColor colour = group < 2 ? sBlock : group < 12 ? dBlock : pBlock;
      box(group, period, period == 0 && group == 17 ? sBlock : colour);
    }
  }
  for (int row = 0; row < 2; ++row) {
    for (int column = 3; column < 17; ++column) box(column, 7.5 + row, fBlock);
  }
  return pixmap;
}

}  // namespace table
