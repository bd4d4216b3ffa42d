#pragma once

#include <QElapsedTimer>
#include <QFrame>
#include <QPixmap>

class QLabel;
class QProgressBar;

namespace table {

// The splash window shown while the program starts. A click on it or on one of its pictures and
// labels, or a key that types a character, closes it at once; the start goes on without it, and
// later progress has no visible effect.
class frmSplash : public QFrame {
  Q_OBJECT

 public:
  explicit frmSplash(QWidget* parent = nullptr);

  // Sets the start-up progress, 0 to 100. Does nothing once the window is closed.
  void setProgress(int value);
  bool isClosed() const { return m_closed; }
  // Whether the window has been painted since it was made.
  bool painted() const { return m_painted; }

  QFrame* Frame1 = nullptr;
  QLabel* imgLogo = nullptr;
  QLabel* lblProductName = nullptr;
  QLabel* lblVersion = nullptr;
  QLabel* lblPlatform = nullptr;
  QLabel* lblCopyright = nullptr;
  QLabel* lblCompany = nullptr;
  QLabel* lblLoadProgress = nullptr;
  QProgressBar* pgbLoadProgress = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  static constexpr qint64 kFrameMilliseconds = 16;

  bool m_closed = false;
  bool m_painted = false;
  QElapsedTimer m_sinceShown;  // since the bar was last shown at once
};

}  // namespace table
