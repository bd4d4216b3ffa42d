#include "component/output_picture.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

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
