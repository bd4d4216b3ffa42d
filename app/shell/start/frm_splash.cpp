#include "app/shell/start/frm_splash.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include "app/program_info.h"
#include "app/shell/icons/program_logo.h"

namespace table {

namespace {

// Client area 7035 × 3135 twips at 15 twips a pixel.
constexpr int kClientWidth = 7035 / 15;
constexpr int kClientHeight = 3135 / 15;

QFont SplashFont(qreal points, bool bold) {
  // Arial is missing on Linux; Liberation Sans has its metrics and the Cyrillic letters.
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QLabel* MakeLabel(const QString& name, const QString& text, const QFont& font, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setFont(font);
  return label;
}

}  // namespace

frmSplash::frmSplash(QWidget* parent) : QFrame(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("frmSplash"));
  // The window draws its own fixed border, as the window manager gives it none.
  setFrameStyle(QFrame::WinPanel | QFrame::Raised);
  setFixedSize(kClientWidth, kClientHeight);
  setFocusPolicy(Qt::StrongFocus);

  Frame1 = new QFrame(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setFrameShape(QFrame::Panel);
  Frame1->setFrameShadow(QFrame::Sunken);

  imgLogo = new QLabel(Frame1);
  imgLogo->setObjectName(QStringLiteral("imgLogo"));
  imgLogo->setPixmap(DrawProgramLogo(108, 58));
  imgLogo->setAlignment(Qt::AlignCenter);

  lblProductName = MakeLabel(QStringLiteral("lblProductName"),
                             QStringLiteral("Периодическая система"), SplashFont(18, true), Frame1);
  lblVersion = MakeLabel(QStringLiteral("lblVersion"), VersionText(), SplashFont(12, true), Frame1);
  // Built for Linux only; the text says so.
  lblPlatform = MakeLabel(QStringLiteral("lblPlatform"), QStringLiteral("Для Linux"),
                          SplashFont(12, true), Frame1);
  lblCopyright =
      MakeLabel(QStringLiteral("lblCopyright"), QStringLiteral("© 2002-2003 Авторы программы"),
                SplashFont(8.25, false), Frame1);
  lblCompany = MakeLabel(QStringLiteral("lblCompany"), QStringLiteral("Company: Home"),
                         SplashFont(8.25, false), Frame1);
  lblLoadProgress = MakeLabel(QStringLiteral("lblLoadProgress"), QStringLiteral("Идет загрузка:"),
                              SplashFont(8.25, false), Frame1);
  pgbLoadProgress = new QProgressBar(Frame1);
  pgbLoadProgress->setObjectName(QStringLiteral("pgbLoadProgress"));
  pgbLoadProgress->setRange(0, 100);
  pgbLoadProgress->setValue(0);
  pgbLoadProgress->setTextVisible(false);
  pgbLoadProgress->setFixedHeight(16);

  lblProductName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lblVersion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lblPlatform->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  auto* titles = new QVBoxLayout;
  titles->setSpacing(4);
  titles->addWidget(lblProductName);
  titles->addWidget(lblVersion);
  titles->addWidget(lblPlatform);
  titles->addStretch();

  auto* top = new QHBoxLayout;
  top->addWidget(imgLogo, 0, Qt::AlignTop);
  top->addSpacing(8);
  top->addLayout(titles, 1);

  auto* progress = new QHBoxLayout;
  progress->addWidget(lblLoadProgress);
  progress->addWidget(pgbLoadProgress, 1);

  auto* inner = new QVBoxLayout(Frame1);
  inner->setContentsMargins(12, 10, 12, 10);
  inner->setSpacing(2);
  inner->addLayout(top);
  inner->addStretch();
  inner->addWidget(lblCopyright);
  inner->addWidget(lblCompany);
  inner->addSpacing(6);
  inner->addLayout(progress);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(6, 4, 6, 6);
  outer->addWidget(Frame1);

  for (QWidget* child : {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(imgLogo),
                         static_cast<QWidget*>(lblProductName), static_cast<QWidget*>(lblVersion),
                         static_cast<QWidget*>(lblPlatform), static_cast<QWidget*>(lblCopyright),
                         static_cast<QWidget*>(lblCompany), static_cast<QWidget*>(lblLoadProgress),
                         static_cast<QWidget*>(pgbLoadProgress)}) {
    child->installEventFilter(this);
  }

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect area(QPoint(0, 0), size());
    area.moveCenter(screen->availableGeometry().center());
    move(area.topLeft());
  }
}

void frmSplash::setProgress(int value) {
  if (m_closed || value == pgbLoadProgress->value()) return;
  // The bar would repaint and flush itself at every step; a step shows at once only when a frame
  // has passed since the last one shown, and otherwise with the next frame, so that the start is
  // not spent drawing frames nobody sees.
  pgbLoadProgress->setUpdatesEnabled(false);
  pgbLoadProgress->setValue(value);
  pgbLoadProgress->setUpdatesEnabled(true);
  if (!m_sinceShown.isValid() || m_sinceShown.elapsed() >= kFrameMilliseconds) {
    pgbLoadProgress->repaint();
    m_sinceShown.start();
  }
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    // Clicks on the progress line are swallowed so that they do not reach the window.
    if (watched == lblLoadProgress || watched == pgbLoadProgress) return true;
    close();
    return true;
  }
  return QFrame::eventFilter(watched, event);
}

void frmSplash::mousePressEvent(QMouseEvent* event) {
  event->accept();
  close();
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
  // Only keys that type a character; Shift, the arrows and the like leave the window open.
  if (event->text().isEmpty()) {
    QFrame::keyPressEvent(event);
    return;
  }
  event->accept();
  close();
}

void frmSplash::paintEvent(QPaintEvent* event) {
  m_painted = true;
  QFrame::paintEvent(event);
}

void frmSplash::closeEvent(QCloseEvent* event) {
  m_closed = true;
  QFrame::closeEvent(event);
}

}  // namespace table
