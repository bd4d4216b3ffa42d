#include "app/dialogs/frm_options.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

#include "app/dialogs/dialog_font.h"
#include "app/dialogs/option_group_tabbing.h"
#include "app/dialogs/twips.h"
#include "app/shell/settings/table_options.h"
#include "component/vexel_interface.h"
#include "platform/virtual_key.h"

namespace table {
namespace {

// Where a page container stands while its tab is not selected.
constexpr int kHiddenPageLeftTwips = -20000;

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

frmOptions::frmOptions(vexel::VexelControl& halden, TableOptions& options,
                       std::function<void()> applyBarsLayout, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_halden(halden),
      m_options(options),
      m_applyBarsLayout(std::move(applyBarsLayout)) {
  setObjectName("frmOptions");
  setWindowTitle("Опции");
  setFont(DialogFont());
  setModal(true);
  setFixedSize(TwipsRect(0, 0, 6150, 4920).size());
  createControls();
  setTabOrder();
  load();
  // Key preview: the dialog sees every key press before its controls.
  qApp->installEventFilter(this);
}

frmOptions::~frmOptions() {
  qApp->removeEventFilter(this);
}

void frmOptions::createControls() {
  tbsOptions = Named(new QTabWidget(this), "tbsOptions");
  PlaceInTwips(tbsOptions, 105, 120, 5895, 4245);
  const int tab = tbsOptions->addTab(new QWidget, "Настройка");
  tbsOptions->tabBar()->setTabData(tab, QStringLiteral("Configure"));
  tbsOptions->setTabToolTip(tab, "Настройка работы программы");
  connect(tbsOptions, &QTabWidget::currentChanged, this, [this] { showSelectedPage(); });

  // The page lies over the tab strip's client area, as its own container.
  QWidget* page = Named(new QWidget(this), "picOptions_0");
  PlaceInTwips(page, 210, 480, 5685, 3780);
  picOptions.push_back(page);

  fraOpenElViewer =
      Named(new QGroupBox("Открыть окно просмотра элемента (доп. инфо.)", page), "fraOpenElViewer");
  PlaceInTwips(fraOpenElViewer, 120, 240, 4815, 945);
  optOneClick =
      Named(new QRadioButton("по одному щелчку мышью на выбранном элементе", fraOpenElViewer),
            "optOneClick");
  PlaceInTwips(optOneClick, 120, 360, 4455, 195);
  optDblClick =
      Named(new QRadioButton("по двойному щелчку мышью на выбранном элементе", fraOpenElViewer),
            "optDblClick");
  PlaceInTwips(optDblClick, 120, 600, 4455, 255);
  chbShowToolbar = Named(new QCheckBox("Показывать панель инструментов", page), "chbShowToolbar");
  PlaceInTwips(chbShowToolbar, 120, 1560, 5055, 255);
  chbShowStatusbar = Named(new QCheckBox("Показывать строку состояния", page), "chbShowStatusbar");
  PlaceInTwips(chbShowStatusbar, 120, 1800, 5055, 255);

  cmdOK = Named(new QPushButton("OK", this), "cmdOK");
  PlaceInTwips(cmdOK, 2490, 4455, 1095, 375);
  cmdCancel = Named(new QPushButton("Отмена", this), "cmdCancel");
  PlaceInTwips(cmdCancel, 3720, 4455, 1095, 375);
  cmdApply = Named(new QPushButton("Применить", this), "cmdApply");
  PlaceInTwips(cmdApply, 4920, 4455, 1095, 375);
  // Enter presses the button that has the focus, else OK.
  for (QPushButton* button : {cmdOK, cmdCancel, cmdApply}) button->setAutoDefault(true);
  cmdOK->setDefault(true);
  auto* tabbing = new OptionGroupTabbing(this);
  for (QRadioButton* option : {optOneClick, optDblClick}) tabbing->watch(option);

  // Any click on a setting marks a change, even one that leaves the value as it was.
  for (QAbstractButton* setting : std::initializer_list<QAbstractButton*>{
           optOneClick, optDblClick, chbShowToolbar, chbShowStatusbar}) {
    connect(setting, &QAbstractButton::clicked, this, [this] { cmdApply->setEnabled(true); });
  }
  connect(cmdApply, &QPushButton::clicked, this, &frmOptions::SaveOptions);
  connect(cmdOK, &QPushButton::clicked, this, [this] {
    SaveOptions();
    accept();
  });
  // Esc rejects the dialog as Cancel does.
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmOptions::setTabOrder() {
  // The page container and the frame take no focus themselves; their controls follow them.
  QWidget* const order[] = {tbsOptions,  cmdOK,       cmdCancel,      cmdApply,
                            optOneClick, optDblClick, chbShowToolbar, chbShowStatusbar};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i)
    QWidget::setTabOrder(order[i], order[i + 1]);
}

void frmOptions::load() {
  if (m_halden.OpenViewerOnDblClick()) {
    optDblClick->setChecked(true);
  } else {
    optOneClick->setChecked(true);
  }
  chbShowToolbar->setChecked(m_options.ShowToolbar != 0);
  chbShowStatusbar->setChecked(m_options.ShowStatusbar != 0);
  showSelectedPage();
  cmdApply->setEnabled(false);
}

void frmOptions::SaveOptions() {
  if (!cmdApply->isEnabled()) return;
  m_halden.setOpenViewerOnDblClick(optDblClick->isChecked());
  m_options.SetShowToolbar(chbShowToolbar->isChecked());
  m_options.SetShowStatusbar(chbShowStatusbar->isChecked());
  if (m_applyBarsLayout) m_applyBarsLayout();
  cmdApply->setEnabled(false);
}

void frmOptions::showSelectedPage() {
  const int selected = tbsOptions->currentIndex();
  for (std::size_t i = 0; i < picOptions.size(); ++i) {
    QWidget* page = picOptions[i];
    const bool shown = static_cast<int>(i) == selected;
    page->move(TwipsToPixels(shown ? 210 : kHiddenPageLeftTwips), page->y());
    page->setEnabled(shown);
    if (shown) page->raise();
  }
}

bool frmOptions::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
  if (static_cast<QWidget*>(watched)->window() != this) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const Qt::KeyboardModifiers held =
      key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (periodic::VirtualKey(*key) != Qt::Key_Tab || held != Qt::ControlModifier) return false;
  // Ctrl+Tab: the next tab, and the first after the last.
  tbsOptions->setCurrentIndex((tbsOptions->currentIndex() + 1) % tbsOptions->count());
  showSelectedPage();
  return true;
}

void frmOptions::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (m_centred) return;
  m_centred = true;
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->geometry();
    const QSize outer = frameGeometry().size();
    move(area.left() + (area.width() - outer.width()) / 2,
         area.top() + (area.height() - outer.height()) / 2);
  }
}

}  // namespace table
