#pragma once

#include <QWidget>

#include "table/drawing.h"

namespace table {

// picElement: shows the card from its recording, replayed at the screen's own resolution, so
// the card stays sharp at any device pixel ratio. Repainting never redraws the card.
class CardPicture : public QWidget {
  Q_OBJECT

 public:
  CardPicture(const periodic::Drawing& drawing, QWidget* parent);

  // Times the picture has been painted since it was made.
  int paintCount() const { return m_paintCount; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const periodic::Drawing& m_drawing;
  int m_paintCount = 0;
};

}  // namespace table
