#include "app/viewer/frm_element_viewer.h"

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QWindow>

#include "app/shell/icons/svg_icon.h"
#include "app/viewer/card_picture.h"
#include "app/viewer/up_down_control.h"
#include "card/element_number.h"
#include "platform/table_font.h"

// The window icon is compiled into a static library, whose resources load only when asked for.
static void LoadViewerResources() {
  Q_INIT_RESOURCE(viewer);
}

namespace table {

namespace {

constexpr int kTwipsPerPixel = 15;

QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
               height / kTwipsPerPixel);
}

QString Blanks(int count) {
  return QString(count, QLatin1Char(' '));
}

}  // namespace

frmTElementViewer::frmTElementViewer(ViewerHost& host) : m_host(host) {
  LoadViewerResources();
  setObjectName("frmTElementViewer");
  // A fixed single border: no maximise box and no resizing.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setAttribute(Qt::WA_DeleteOnClose);
  m_canvas.setSize(periodic::kCardWidth, periodic::kCardHeight);
}

void frmTElementViewer::ensureBuilt() {
  if (m_built) return;
  m_built = true;
  setWindowIcon(table::SvgIcon(":/viewer/element_card.svg"));
  createControls();
  createMenus();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  runLoadSteps();
}

void frmTElementViewer::setVisible(bool visible) {
  if (visible) ensureBuilt();
  QMainWindow::setVisible(visible);
}

frmTElementViewer::~frmTElementViewer() = default;

void frmTElementViewer::createControls() {
  auto* client = new QWidget(this);
  client->setObjectName("client");
  client->setFixedSize(2940 / kTwipsPerPixel, 2115 / kTwipsPerPixel);
  // The controls are laid out in twips for an 8-point face; a larger desktop font would cut
  // the button's caption.
  QFont controlsFont(periodic::TableFontFamily("arial cyr"));
  controlsFont.setPointSize(8);
  client->setFont(controlsFont);
  setCentralWidget(client);

  picElement = new CardPicture(m_drawing, client);
  picElement->setObjectName("picElement");
  picElement->setGeometry(TwipsRect(0, 0, 2925, 1770));
  txtEntryNumber = new QLineEdit(client);
  txtEntryNumber->setObjectName("txtEntryNumber");
  txtEntryNumber->setGeometry(TwipsRect(120, 1800, 375, 315));
  updEntryNumber = new UpDownControl(client);
  updEntryNumber->setObjectName("updEntryNumber");
  updEntryNumber->setGeometry(TwipsRect(480, 1800, 480, 315));
  updEntryNumber->setRange(periodic::kFirstCardElement, periodic::kLastCardElement);
  cbCallElementHelp = new QPushButton("Справка по элементу", client);
  cbCallElementHelp->setObjectName("cbCallElementHelp");
  cbCallElementHelp->setGeometry(TwipsRect(960, 1800, 1815, 315));
  cbCallElementHelp->setAutoDefault(false);
  setTabOrder(picElement, txtEntryNumber);
  setTabOrder(txtEntryNumber, cbCallElementHelp);

  connect(updEntryNumber, &UpDownControl::valueChanged, this, &frmTElementViewer::onValueChanged);
  connect(txtEntryNumber, &QLineEdit::textChanged, this, &frmTElementViewer::onEntryTextChanged);
  connect(cbCallElementHelp, &QPushButton::clicked, this, &frmTElementViewer::callElementHelp);
  connect(qApp, &QGuiApplication::focusWindowChanged, this,
          &frmTElementViewer::onActiveWindowChanged);
  // Key preview: the window sees every key before the control that has the focus.
  watchKeys(this);
  for (QWidget* child : client->findChildren<QWidget*>()) watchKeys(child);
}

void frmTElementViewer::watchKeys(QWidget* widget) {
  widget->installEventFilter(this);
}

QAction* frmTElementViewer::addMenuItem(QMenu* menu, const char* name, const QString& caption,
                                        void (frmTElementViewer::*command)()) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(QString::fromLatin1(name));
  connect(item, &QAction::triggered, this, command);
  m_menuItems[item->objectName()] = item;
  return item;
}

QAction* frmTElementViewer::menuItem(const QString& name) {
  ensureBuilt();
  const auto found = m_menuItems.find(name);
  return found == m_menuItems.end() ? nullptr : found->second;
}

void frmTElementViewer::createMenus() {
  // The key names after the blanks are part of the captions; the window's key handler
  // serves the keys.
  QMenu* options = menuBar()->addMenu("&Просмотр");
  options->setObjectName("mnuOptions");
  addMenuItem(options, "mnuPreviousElement", "&Предыдущий элемент" + Blanks(5) + "P",
              &frmTElementViewer::previousElement);
  addMenuItem(options, "mnuNextElement", "&Следующий элемент" + Blanks(7) + "N",
              &frmTElementViewer::nextElement);
  options->addSeparator()->setObjectName("mnuOptions_Bar1");
  addMenuItem(options, "mnuOptions_PrintAsText", "Печатать как &текст...",
              &frmTElementViewer::printAsText);
  addMenuItem(options, "mnuOptions_Print", "Пе&чать...", &frmTElementViewer::printAsPicture);
  options->addSeparator()->setObjectName("mnuOptions_Bar2");
  QAction* close = options->addAction("&Закрыть" + Blanks(28) + "Esc, Q");
  close->setObjectName("mnuClose");
  connect(close, &QAction::triggered, this, &QWidget::close);
  m_menuItems["mnuClose"] = close;

  QMenu* view = menuBar()->addMenu("&Вид");
  view->setObjectName("mnuView");
  addMenuItem(view, "mnuView_BlackAndWhite", "Черно-&белое изображение",
              &frmTElementViewer::toggleBlackAndWhite)
      ->setCheckable(true);
  addMenuItem(view, "mnuView_InvertColors", "&Инвертирвать цвета",
              &frmTElementViewer::toggleInvertColors)
      ->setCheckable(true);

  QMenu* help = menuBar()->addMenu("&?");
  help->setObjectName("mnuHelp");
  QAction* legend =
      addMenuItem(help, "mnuHelp_HelpOnViewer", "О&бозначения", &frmTElementViewer::helpOnViewer);
  legend->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1));
  legend->setShortcutContext(Qt::WindowShortcut);
  help->addSeparator()->setObjectName("mnuHelp_Bar1");
  QAction* about = help->addAction("&О программе...");
  about->setObjectName("mnuHelpAbout");
  connect(about, &QAction::triggered, this, [this] {
    const OwnDialog about(*this);
    m_host.ShowAbout(this);
  });
  m_menuItems["mnuHelpAbout"] = about;
}

}  // namespace table
