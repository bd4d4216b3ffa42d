#include <QAction>
#include <QComboBox>
#include <QIcon>
#include <QToolBar>
#include <QWidget>

#include "app/shell/icons/desktop_icon.h"
#include "app/shell/main_window/frm_table_viewer.h"

namespace table {
namespace {

constexpr int kTwipsPerPixel = 15;

// Images for which the desktop theme has a standard icon; the others are the program's own.
QString ThemeNameOf(const QString& image) {
  if (image == "Print") return "document-print";
  if (image == "ZoomIn") return "zoom-in";
  if (image == "ZoomOut") return "zoom-out";
  if (image == "CHMHelp1") return "help-contents";
  return QString();
}

QWidget* Placeholder(int widthTwips) {
  auto* spacer = new QWidget;
  spacer->setFixedWidth(widthTwips / kTwipsPerPixel);
  return spacer;
}

}  // namespace

QIcon frmTableViewer::toolbarIcon(const QString& image) const {
  // Each icon is made once: the mirror swaps images at every switch of the period form.
  if (const auto found = m_icons.find(image); found != m_icons.end()) return found->second;
  const QIcon icon = DesktopOrOwnIcon(ThemeNameOf(image), ":/icons/" + image + ".svg");
  m_icons.emplace(image, icon);
  return icon;
}

void frmTableViewer::addToolButton(const char* key, const QString& tooltip, const char* image,
                                   bool check) {
  QAction* button = tlbToolbar->addAction(toolbarIcon(QString::fromLatin1(image)), tooltip);
  const QString name = QString::fromLatin1(key);
  button->setObjectName("tlbToolbar_" + name);
  button->setData(name);
  button->setToolTip(tooltip);
  button->setCheckable(check);
  m_buttons[name] = button;
  connect(button, &QAction::triggered, this, [this, name] {
    // A check button's own state is never read: the command sets it from the property.
    onToolbarKey(name);
  });
}

void frmTableViewer::createToolbar() {
  tlbToolbar = addToolBar("Панель инструментов");
  tlbToolbar->setObjectName("tlbToolbar");
  tlbToolbar->setIconSize(QSize(16, 16));
  tlbToolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  tlbToolbar->setMovable(false);
  tlbToolbar->setFloatable(false);
  addToolButton("Print", "Печать", "Print", false);
  tlbToolbar->addSeparator();
  addToolButton("OpenViewer", "Дополнительные сведения по элементам", "ElementViewer", false);
  tlbToolbar->addSeparator();
  addToolButton("ZoomOut", "Уменьшить", "ZoomOut", false);
  cmbZoom = new QComboBox;
  cmbZoom->setObjectName("cmbZoom");
  cmbZoom->addItems({"25%", "50%", "75%", "100%", "150%", "200%"});
  cmbZoom->setFixedWidth(1200 / kTwipsPerPixel);
  cmbZoom->setFocusPolicy(Qt::NoFocus);
  tlbToolbar->addWidget(cmbZoom);
  connect(cmbZoom, &QComboBox::currentIndexChanged, this, &frmTableViewer::onZoomSelected);
  addToolButton("ZoomIn", "Увеличить", "ZoomIn", false);
  tlbToolbar->addSeparator();
  addToolButton("ShortLongPeriods", "Длинные периоды", "LngPrds", false);
  tlbToolbar->addSeparator();
  addToolButton("OxidesTable", "Показать оксиды и гидриды", "OxidesTable", true);
  addToolButton("MoveOutInertGases", "Перенести инертные газы", "OutInertGases", true);
  addToolButton("LatRus", "Латинские названия вместо русских", "LatRus", true);
  tlbToolbar->addSeparator();
  addToolButton("DifferSPDF", "Различать s, p, d и f элементы по цвету", "DifferSPDF", true);
  addToolButton("DifferMtlsNonmtls", "Различать элементы по металлическим свойствам",
                "DifferMetlsNonmetls", true);
  addToolButton("InvertColors", "Инвертировать цвета", "Invert2", true);
  addToolButton("ChangeColors", "Изменить/просмотреть цвета", "pt16x16x16M(A)1", false);
  tlbToolbar->addWidget(Placeholder(250));
  addToolButton("HelpContents", "Справка - содержание", "CHMHelp1", false);
}

void frmTableViewer::onToolbarKey(const QString& key) {
  if (key == "Print") {
    m_menuItems["mnuFile_PrintTable"]->trigger();
  } else if (key == "OpenViewer") {
    m_menuItems["mnuFile_RunElementViewer"]->trigger();
  } else if (key == "ShortLongPeriods") {
    toggleView("LongPeriods");
  } else if (key == "ZoomOut") {
    zoomOut();
  } else if (key == "ZoomIn") {
    zoomIn();
  } else if (key == "LatRus") {
    toggleView("LatInsteadOfRus");
  } else if (key == "OxidesTable") {
    toggleView("ShowHighestOxidesTable");
  } else if (key == "MoveOutInertGases") {
    toggleView("MoveOutInertGases");
  } else if (key == "DifferSPDF") {
    toggleView("DifferSPDF");
  } else if (key == "DifferMtlsNonmtls") {
    toggleView("DifferMetalsNonmetals");
  } else if (key == "InvertColors") {
    toggleView("InvertColors");
  } else if (key == "ChangeColors") {
    m_menuItems["mnuView_Colors"]->trigger();
  } else if (key == "HelpContents") {
    m_menuItems["mnuHelp_TOC"]->trigger();
  }
}

void frmTableViewer::zoomOut() {
  if (cmbZoom->currentIndex() > 0) cmbZoom->setCurrentIndex(cmbZoom->currentIndex() - 1);
}

void frmTableViewer::zoomIn() {
  if (cmbZoom->currentIndex() < cmbZoom->count() - 1)
    cmbZoom->setCurrentIndex(cmbZoom->currentIndex() + 1);
}

void frmTableViewer::onZoomSelected(int index) {
  if (m_initialRefreshPending || !m_halden || index < 0) return;
  QString text = cmbZoom->itemText(index);
  text.chop(1);
  m_halden->setZoomVal(text.toInt());
}

void frmTableViewer::setButtonImage(const char* key, const QString& image) {
  m_buttons[QString::fromLatin1(key)]->setIcon(toolbarIcon(image));
  m_buttons[QString::fromLatin1(key)]->setProperty("imageKey", image);
}

void frmTableViewer::setButtonPressed(const char* key, bool pressed) {
  m_buttons[QString::fromLatin1(key)]->setChecked(pressed);
}

void frmTableViewer::setButtonVisible(const char* key, bool visible) {
  m_buttons[QString::fromLatin1(key)]->setVisible(visible);
}

}  // namespace table
