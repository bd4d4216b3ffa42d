#pragma once

#include <QWidget>

namespace vexel {

class Vexel;

// picOutput: the visible picture. It paints the control's full-size picture scaled by the zoom,
// at the screen's own resolution with the control's mark and focus frame over it, passes mouse
// presses, releases and double clicks to the control, and shows an element's facts on hover.
class OutputPicture : public QWidget {
  Q_OBJECT

 public:
  OutputPicture(Vexel& control, QWidget* parent);

  void setZoom(int zoom);
  int zoom() const { return m_zoom; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  Vexel& m_control;
  int m_zoom = 100;
};

}  // namespace vexel
