#include "app/viewer/card_picture.h"

#include <QPaintEvent>
#include <QPainter>

#include "platform/painter_sink.h"

namespace table {

CardPicture::CardPicture(const periodic::Drawing& drawing, QWidget* parent)
    : QWidget(parent), m_drawing(drawing) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CardPicture::paintEvent(QPaintEvent* event) {
  ++m_paintCount;
  QPainter painter(this);
  painter.setClipRegion(event->region());
  // A card not drawn yet (every card starts with a clear) shows the window's own background.
  const auto& commands = m_drawing.commands();
  if (commands.empty() || commands.front().kind != periodic::DrawCommand::Kind::Clear) {
    painter.fillRect(rect(), palette().window());
    return;
  }
  periodic::PainterSink sink(painter, 1.0 / periodic::kTwipsPerPixel);
  m_drawing.replay(sink);
}

}  // namespace table
