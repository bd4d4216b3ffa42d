#pragma once

#include <QWidget>

namespace vexel {

class Vexel;

// picOutput: the visible picture. It paints the control's full-size picture scaled by the zoom,
// at the screen's own resolution, and passes mouse releases and double clicks to the control.
class OutputPicture : public QWidget {
  Q_OBJECT

 public:
  OutputPicture(Vexel& control, QWidget* parent);

  void setZoom(int zoom);
  int zoom() const { return m_zoom; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  Vexel& m_control;
  int m_zoom = 100;
};

}  // namespace vexel
