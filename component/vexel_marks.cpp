#include <QKeyEvent>
#include <QPainter>
#include <QPen>
#include <QScrollBar>
#include <cmath>
#include <optional>

#include "component/library_state.h"
#include "component/output_picture.h"
#include "component/scroll_into_view.h"
#include "component/table_accessible.h"
#include "component/vexel.h"
#include "data/data_error.h"
#include "platform/painter_sink.h"
#include "table/cell_navigation.h"
#include "table/element_facts.h"
#include "table/table_layout.h"

namespace vexel {
namespace {

bool IsElement(std::int32_t n) {
  return n >= 1 && n <= periodic::kElementCount;
}

Error NotAnElement(std::int32_t n) {
  return {5, QString("Invalid procedure call: there is no element %1").arg(n), "Vexel"};
}

// The keys that move the focus frame, and where to.
std::optional<periodic::CellMove> MoveFor(int key) {
  switch (key) {
    case Qt::Key_Left:
      return periodic::CellMove::Left;
    case Qt::Key_Right:
      return periodic::CellMove::Right;
    case Qt::Key_Up:
      return periodic::CellMove::Up;
    case Qt::Key_Down:
      return periodic::CellMove::Down;
    case Qt::Key_Home:
      return periodic::CellMove::First;
    case Qt::Key_End:
      return periodic::CellMove::Last;
    default:
      return std::nullopt;
  }
}

// Element n's cell in twips on the full-size picture.
QRectF CellAtFullSize(int n, const periodic::DisplayOptions& options) {
  const periodic::CellPlace cell = periodic::CellPlacesOf(options)[n];
  return {cell.x, cell.y, periodic::kCellWidth, periodic::kCellHeight};
}

// A cell's outline in device pixels, on the same whole pixels as the drawn cell borders.
QRectF CellInPixels(const QRectF& twips, double pixelsPerTwip) {
  return QRectF(
      QPointF(std::round(twips.left() * pixelsPerTwip), std::round(twips.top() * pixelsPerTwip)),
      QPointF(std::round(twips.right() * pixelsPerTwip),
              std::round(twips.bottom() * pixelsPerTwip)));
}

}  // namespace

QRectF Vexel::cellOnOutput(int n) const {
  if (!IsElement(n)) return {};
  const QRectF cell = CellAtFullSize(n, m_state.options);
  const double scale = m_state.options.ZoomVal / 100.0;
  return {cell.topLeft() * scale, cell.size() * scale};
}

int Vexel::elementAtOutput(float x, float y) const {
  return periodic::ElementAtPoint(x, y, m_state.options);
}

Error Vexel::MarkElement(std::int32_t n) {
  if (n != 0 && !IsElement(n)) return NotAnElement(n);
  m_markedElement = n;
  picOutput->update();
  return {};
}

Error Vexel::ScrollToElement(std::int32_t n) {
  if (!IsElement(n)) return NotAnElement(n);
  const QRectF cell = cellOnOutput(n);
  const double step = m_state.scrollStep;
  const double barHeight = hscrPicRightLeft->isHidden() ? 0 : hscrPicRightLeft->height();
  const double barWidth = vscrPicUpDown->isHidden() ? 0 : vscrPicUpDown->width();
  const double visibleWidth = (picContainer->width() - barWidth) * periodic::kTwipsPerPixel;
  const double visibleHeight = (picContainer->height() - barHeight) * periodic::kTwipsPerPixel;
  // Moving a bar moves the picture through the bar's own scroll handler.
  if (!hscrPicRightLeft->isHidden())
    hscrPicRightLeft->setValue(periodic::ScrollValueToShow(
        cell.left(), cell.right(), static_cast<std::int16_t>(hscrPicRightLeft->value()),
        visibleWidth, step, static_cast<std::int16_t>(hscrPicRightLeft->maximum())));
  if (!vscrPicUpDown->isHidden())
    vscrPicUpDown->setValue(periodic::ScrollValueToShow(
        cell.top(), cell.bottom(), static_cast<std::int16_t>(vscrPicUpDown->value()), visibleHeight,
        step, static_cast<std::int16_t>(vscrPicUpDown->maximum())));
  return {};
}

Error Vexel::setFocusedElement(std::int32_t n) {
  if (!IsElement(n)) return NotAnElement(n);
  if (m_focusedElement != n) picOutput->update();
  m_focusedElement = n;
  showFocusFrame(true);
  ScrollToElement(n);
  NotifyFocusedCell(*this, n);
  return {};
}

void Vexel::showFocusFrame(bool visible) {
  if (m_focusFrameVisible == visible) return;
  m_focusFrameVisible = visible;
  picOutput->update();
}

Error Vexel::AskElementInfo(std::int32_t n) {
  if (!IsElement(n)) return NotAnElement(n);
  const QRectF cell = cellOnOutput(n);
  emit AdditionalInfoAsked(n, static_cast<float>(m_outLeft + cell.center().x()),
                           static_cast<float>(m_outTop + cell.center().y()));
  return {};
}

void Vexel::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers held =
      event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  const int key = event->key();
  if (held != Qt::NoModifier) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (const auto move = MoveFor(key)) {
    // The first key only shows where the frame stands, unless it names its own target.
    const bool reveal = !m_focusFrameVisible && key != Qt::Key_Home && key != Qt::Key_End;
    setFocusedElement(reveal ? m_focusedElement
                             : periodic::MoveFocus(m_focusedElement, *move, m_state.options));
  } else if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
    showFocusFrame(true);
    AskElementInfo(m_focusedElement);
  } else {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
}

void Vexel::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
    setFocusedElement(m_focusedElement);
}

void Vexel::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  showFocusFrame(false);
}

void Vexel::onOutputMousePress(float x, float y) {
  showFocusFrame(false);
  // The keyboard goes on from the cell the mouse chose.
  if (const int n = periodic::ElementAtPoint(x, y, m_state.options)) m_focusedElement = n;
}

void Vexel::paintMarks(QPainter& painter, double pixelsPerTwip) const {
  if (!IsElement(m_markedElement) && !m_focusFrameVisible) return;
  // Both lie on the cell's border, so they cover none of the cell's texts.
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  if (IsElement(m_markedElement)) {
    painter.setPen(QPen(QColor(200, 0, 0), 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(CellInPixels(CellAtFullSize(m_markedElement, m_state.options), pixelsPerTwip));
  }
  if (m_focusFrameVisible && IsElement(m_focusedElement)) {
    // Blue and white dashes show on every cell colour; on a marked cell they go round the mark.
    QRectF frame = CellInPixels(CellAtFullSize(m_focusedElement, m_state.options), pixelsPerTwip);
    if (m_focusedElement == m_markedElement) frame.adjust(-4, -4, 4, 4);
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(frame);
    QPen dashes(QColor(20, 40, 160), 3, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    dashes.setDashPattern({2, 1.34});
    painter.setPen(dashes);
    painter.drawRect(frame);
  }
  painter.restore();
}

QString Vexel::elementFacts(int n) {
  if (!IsElement(n)) return {};
  try {
    QString facts = QString::fromStdString(
        periodic::ElementFactsHtml(n, m_state.dataFile.ReadElementRecord(n)));
    QString viewFact =
        QString::fromStdString(periodic::PropertyViewFact(m_propertyView, n)).toHtmlEscaped();
    if (!viewFact.isEmpty()) facts += "<br>" + viewFact.replace('\n', "<br>");
    return facts;
  } catch (const periodic::DataError&) {
    return QString("Элемент %1").arg(n);
  }
}

QString Vexel::spokenName(int n) {
  if (!IsElement(n)) return {};
  try {
    return QString::fromStdString(
        periodic::ElementSpokenName(n, m_state.dataFile.ReadElementRecord(n)));
  } catch (const periodic::DataError&) {
    return QString("Элемент %1").arg(n);
  }
}

}  // namespace vexel
