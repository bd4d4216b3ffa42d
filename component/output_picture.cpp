#include "component/output_picture.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include "component/vexel.h"
#include "platform/drawing_renderer.h"
#include "platform/painter_sink.h"

namespace vexel {

OutputPicture::OutputPicture(Vexel& control, QWidget* parent)
    : QWidget(parent), m_control(control) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void OutputPicture::setZoom(int zoom) {
  m_zoom = zoom;
  update();
}

void OutputPicture::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setClipRegion(event->region());
  // Only the exposed part is painted, straight from the retained picture at this zoom, so the
  // table stays sharp at any zoom and device pixel ratio.
  periodic::PainterSink sink(painter, m_zoom / 100.0 / periodic::kTwipsPerPixel);
  m_control.fullPicture().replay(sink);
  m_control.paintMarks(painter, m_zoom / 100.0 / periodic::kTwipsPerPixel);
}

bool OutputPicture::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QPointF p = QPointF(help->pos()) * periodic::kTwipsPerPixel;
  const int n = m_control.elementAtOutput(static_cast<float>(p.x()), static_cast<float>(p.y()));
  if (n == 0) {
    QToolTip::hideText();
    event->ignore();
    return true;
  }
  // The tip stays while the pointer is over the same cell.
  const QRectF cell = m_control.cellOnOutput(n);
  const QRect area(
      QRectF(cell.topLeft() / periodic::kTwipsPerPixel, cell.size() / periodic::kTwipsPerPixel)
          .toAlignedRect());
  QToolTip::showText(help->globalPos(), m_control.elementFacts(n), this, area);
  return true;
}

void OutputPicture::mousePressEvent(QMouseEvent* event) {
  const QPointF p = event->position() * periodic::kTwipsPerPixel;
  m_control.onOutputMousePress(static_cast<float>(p.x()), static_cast<float>(p.y()));
  QWidget::mousePressEvent(event);
}

void OutputPicture::mouseReleaseEvent(QMouseEvent* event) {
  const QPointF p = event->position() * periodic::kTwipsPerPixel;
  m_control.onOutputMouseUp(event->button(), event->modifiers(), static_cast<float>(p.x()),
                            static_cast<float>(p.y()));
}

void OutputPicture::mouseDoubleClickEvent(QMouseEvent* /*event*/) {
  m_control.onOutputDoubleClick();
}

}  // namespace vexel
