#include <QScrollBar>
#include <cmath>

#include "component/library_path.h"
#include "component/library_state.h"
#include "component/output_picture.h"
#include "component/scroll_arrangement.h"
#include "component/table_colors_object.h"
#include "component/table_drawing_inputs.h"
#include "component/vexel.h"
#include "platform/painter_sink.h"
#include "platform/qt_text_metrics.h"
#include "table/table_drawing.h"

namespace vexel {
namespace {

using periodic::kTwipsPerPixel;

int ToPixels(float twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
float ToTwips(int pixels) {
  return static_cast<float>(pixels * kTwipsPerPixel);
}

periodic::ScrollBarState StateOf(const QScrollBar* bar) {
  return {!bar->isHidden(), static_cast<std::int16_t>(bar->value()),
          static_cast<std::int16_t>(bar->maximum())};
}

const periodic::QtTextMetrics& TableMetrics() {
  static const periodic::QtTextMetrics metrics;
  return metrics;
}

}  // namespace

Error Vexel::Refresh() {
  return ShowTable();
}

Error Vexel::ShowTable() {
  emit ChangeStatusbarText(QStringLiteral("Рисую таблицу..."));
  std::optional<TableDrawingInputs> inputs = CurrentDrawingInputs(m_state, m_backColor);
  if (inputs) inputs->view = m_propertyView;
  if (!inputs || inputs != m_drawnFrom) {
    m_drawnFrom.reset();
    periodic::DrawingSurface surface(m_picOutPicture, TableMetrics());
    surface.setBackColor(m_backColor);
    try {
      if (m_propertyView.kind == periodic::PropertyViewKind::None)
        periodic::DrawTable(surface, m_state.options, m_state.colors().scheme(), m_state.dataFile);
      else
        periodic::DrawTable(surface, m_state.options, m_state.colors().scheme(), m_state.dataFile,
                            periodic::PropertyViewPainter(m_propertyView));
    } catch (const periodic::DataError& e) {
      picOutput->update();
      // The host's status bar does not stay on "drawing" for a table that cannot be drawn.
      emit ChangeStatusbarText(QStringLiteral("Ошибка"));
      return FromDataError(e);
    }
    m_drawnFrom = std::move(inputs);
  }
  return ZoomTable(m_state.options.ZoomVal);
}

Error Vexel::ZoomTable(int z) {
  m_state.options.ZoomVal = z;
  emit ChangeStatusbarText(QStringLiteral("Изменяю размеры таблицы..."));
  m_outWidth = static_cast<float>(z * m_picOutPicture.width() / 100);
  m_outHeight = static_cast<float>(z * m_picOutPicture.height() / 100);
  picOutput->setZoom(z);
  placeOutput();
  Error error = RefreshScrollbars();
  if (error.failed()) return error;
  emit ChangeStatusbarText(QStringLiteral("Готово"));
  return {};
}

void Vexel::placeOutput() {
  picOutput->setGeometry(ToPixels(m_outLeft), ToPixels(m_outTop), ToPixels(m_outWidth),
                         ToPixels(m_outHeight));
}

QRectF Vexel::outputGeometry() const {
  return {m_outLeft, m_outTop, m_outWidth, m_outHeight};
}

int Vexel::arrangeScrollBars() {
  periodic::ScrollArrangementInput in;
  in.W = m_outWidth;
  in.H = m_outHeight;
  in.CW = ToTwips(picContainer->width());
  in.CH = ToTwips(picContainer->height());
  in.BH = ToTwips(hscrPicRightLeft->height());
  in.BW = ToTwips(vscrPicUpDown->width());
  in.HBar = StateOf(hscrPicRightLeft);
  in.VBar = StateOf(vscrPicUpDown);
  const periodic::ScrollArrangement out = periodic::ArrangeScrollBars(in);

  const QSignalBlocker blockH(hscrPicRightLeft);
  const QSignalBlocker blockV(vscrPicUpDown);
  hscrPicRightLeft->hide();
  vscrPicUpDown->hide();
  picScrollBarsSquare->hide();
  if (out.VBar.Visible) {
    vscrPicUpDown->setGeometry(ToPixels(out.VBar.Left), ToPixels(out.VBar.Top),
                               vscrPicUpDown->width(), ToPixels(out.VBar.Length));
    vscrPicUpDown->setRange(0, out.VBar.Max);
    vscrPicUpDown->setValue(out.VBar.Value);
    vscrPicUpDown->show();
    vscrPicUpDown->raise();
  }
  if (out.HBar.Visible) {
    hscrPicRightLeft->setGeometry(ToPixels(out.HBar.Left), ToPixels(out.HBar.Top),
                                  ToPixels(out.HBar.Length), hscrPicRightLeft->height());
    hscrPicRightLeft->setRange(0, out.HBar.Max);
    hscrPicRightLeft->setValue(out.HBar.Value);
    hscrPicRightLeft->show();
    hscrPicRightLeft->raise();
  }
  if (out.SquareVisible) {
    picScrollBarsSquare->setGeometry(ToPixels(out.SquareLeft), ToPixels(out.SquareTop),
                                     vscrPicUpDown->width(), hscrPicRightLeft->height());
    picScrollBarsSquare->show();
    picScrollBarsSquare->raise();
  }
  if (out.ResetLeft) m_outLeft = *out.ResetLeft;
  if (out.ResetTop) m_outTop = *out.ResetTop;
  placeOutput();
  return out.Result;
}

Error Vexel::RefreshScrollbars() {
  const int shown = arrangeScrollBars();
  if (shown & 1) onHorizontalScroll(hscrPicRightLeft->value());
  if (shown & 2) onVerticalScroll(vscrPicUpDown->value());
  return {};
}

void Vexel::onHorizontalScroll(int value) {
  m_outLeft = -static_cast<float>(m_state.scrollStep * value);
  placeOutput();
}

void Vexel::onVerticalScroll(int value) {
  m_outTop = -static_cast<float>(m_state.scrollStep * value);
  placeOutput();
}

Error Vexel::UpdateHScrollbar() {
  // Brings the picture to the horizontal bar's current position.
  onHorizontalScroll(hscrPicRightLeft->value());
  return {};
}

void Vexel::onOutputMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y) {
  m_lastButton = button;
  m_lastShift = shift;
  m_lastX = x;
  m_lastY = y;
  if (button != Qt::LeftButton || m_state.options.OpenViewerOnDblClick) return;
  const int n = periodic::ElementAtPoint(x, y, m_state.options);
  emit AdditionalInfoAsked(n, m_outLeft + x, m_outTop + y);
}

void Vexel::onOutputDoubleClick() {
  if (m_lastButton != Qt::LeftButton || !m_state.options.OpenViewerOnDblClick) return;
  const int n = periodic::ElementAtPoint(m_lastX, m_lastY, m_state.options);
  emit AdditionalInfoAsked(n, m_outLeft + m_lastX, m_outTop + m_lastY);
}

}  // namespace vexel
