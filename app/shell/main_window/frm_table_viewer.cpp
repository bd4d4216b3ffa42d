#include "app/shell/main_window/frm_table_viewer.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWheelEvent>

#include "app/program_info.h"
#include "app/shell/about/frm_about.h"
#include "app/shell/find/element_finder.h"
#include "app/shell/icons/svg_icon.h"
#include "app/shell/main_window/wheel_scroll.h"
#include "app/shell/property_views/property_view_chooser.h"
#include "app/shell/property_views/property_view_settings.h"
#include "app/shell/services/control_loader.h"
#include "app/shell/services/file_list_guard.h"
#include "app/shell/services/lazy_help.h"
#include "data/data_error.h"
#include "platform/editing_keys.h"
#include "platform/virtual_key.h"

// The icons are compiled into a static library, whose resources load only when asked for.
static void LoadIconResources() {
  Q_INIT_RESOURCE(icons);
}

namespace table {
namespace {

constexpr int kTwipsPerPixel = 15;

}  // namespace

frmTableViewer::frmTableViewer(const MainWindowSetup& setup) : m_setup(setup) {
  if (!m_setup.prompts) m_ownPrompts = std::make_unique<DialogPrompts>();
  if (!m_setup.registry) m_ownRegistry = std::make_unique<LinuxRegistry>();
  if (!m_setup.starter) m_ownStarter = std::make_unique<ProcessStarter>();
  m_prompts = m_setup.prompts ? m_setup.prompts : m_ownPrompts.get();
  m_registry = m_setup.registry ? m_setup.registry : m_ownRegistry.get();
  m_starter = m_setup.starter ? m_setup.starter : m_ownStarter.get();
  if (!m_setup.printerSetup) m_ownPrinterSetup = std::make_unique<DialogPrinterSetup>();
  if (!m_setup.help) {
    m_ownHelp = std::make_unique<LazyHelp>(
        [this](const QString& text) { m_prompts->warning(this, ProgramTitle(), text); },
        m_setup.libraryFolder);
  }
  m_printerSetup = m_setup.printerSetup ? m_setup.printerSetup : m_ownPrinterSetup.get();
  m_help = m_setup.help ? m_setup.help : m_ownHelp.get();
  LoadIconResources();
  setObjectName("frmTableViewer");
  setWindowTitle(ProgramTitle());
  setWindowIcon(SvgIcon(":/icons/app.svg"));
  resize(11565 / kTwipsPerPixel, 6420 / kTwipsPerPixel);

  createMenus();
  createToolbar();
  createStatusBar();

  ControlLoader loader(m_setup.libraryFolder);
  m_halden = loader.create(this);
  m_viewerWindows = std::make_unique<ViewerWindows>(*this);
  if (!m_halden) {
    m_loadError = loader.errorText();
    return;
  }
  if (loader.creationError().failed()) m_dataProblem = DataFileProblem(loader.creationError());
  m_halden->widget()->setObjectName("Halden");
  setCentralWidget(m_halden->widget());
  m_halden->InitProperties();
  connectControl();
  runLoadSequence();
  m_finder = new ElementFinder(*this, *tlbToolbar, *m_halden, m_dataFile);
  m_propertyViews = new PropertyViewChooser(*this, *menuBar()->findChild<QMenu*>("mnuView"),
                                            *tlbToolbar, *m_halden, PropertyViewIniPath());
}

frmTableViewer::~frmTableViewer() {
  qApp->removeEventFilter(this);
  // The control's widget belongs to the control, not to the window.
  if (m_halden) takeCentralWidget();
}

void frmTableViewer::connectControl() {
  QWidget* control = m_halden->widget();
  connect(control, SIGNAL(ChangeStatusbarText(QString)), this, SLOT(onStatusText(QString)));
  m_halden->SetMessageHandler([this](const QString& text) { m_prompts->warning(this, {}, text); });
  // The text fields of every window of the program take their editing keys whatever the layout.
  qApp->installEventFilter(new periodic::EditingKeysForAnyLayout(this));
  // No file list of the program reads the files it lists (a look into /proc would hang).
  qApp->installEventFilter(new FileListGuard(this));
  // Key preview: this window sees every key press before the focused control.
  qApp->installEventFilter(this);
}

void frmTableViewer::createStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("sbrProgramStatus");
  m_statusText = new QLabel;
  m_statusText->setObjectName("sbrProgramStatus_Text");
  m_statusDate = new QLabel;
  m_statusDate->setObjectName("sbrProgramStatus_Date");
  m_statusTime = new QLabel;
  m_statusTime->setObjectName("sbrProgramStatus_Time");
  bar->addWidget(m_statusText, 1);
  bar->addPermanentWidget(m_statusDate);
  bar->addPermanentWidget(m_statusTime);
  m_clock = new QTimer(this);
  const auto tick = [this] {
    const QDateTime now = QDateTime::currentDateTime();
    m_statusDate->setText(QLocale().toString(now.date(), QLocale::ShortFormat));
    m_statusTime->setText(QLocale().toString(now.time(), QLocale::ShortFormat));
  };
  connect(m_clock, &QTimer::timeout, this, tick);
  tick();
  m_clock->start(1000);
}

void frmTableViewer::setStatusText(const QString& text) {
  m_statusText->setText(text);
}

void frmTableViewer::onStatusText(const QString& text) {
  if (text == "Ошибка") m_tableFailed = true;
  if (text == "Готово") m_tableFailed = false;
  setStatusText(text);
}

void frmTableViewer::reportProgress(int value) {
  if (m_setup.progress) m_setup.progress(value);
}

void frmTableViewer::runLoadSequence() {
  setStatusText("Загружаю...");
  reportProgress(5);
  m_halden->setAutoRefreshOnResize(false);
  reportProgress(10);
  LoadConfiguration();
  reportProgress(50);
  QCoreApplication::processEvents();
  // The stored size was fitted to the screen when it was applied.
  reportProgress(60);
  m_initialRefreshPending = true;
  cmbZoom->setCurrentIndex(3);
  openDataFile();
  reportProgress(65);
}

void frmTableViewer::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!m_halden) return;
  m_halden->setAutoRefreshOnResize(true);
  if (m_initialRefreshPending) {
    m_initialRefreshPending = false;
    tableDrawn(m_halden->Refresh());
  }
  setStatusText(m_tableFailed ? "Ошибка" : "Готово");
}

void frmTableViewer::closeEvent(QCloseEvent* event) {
  if (m_shutDown) {
    event->accept();
    return;
  }
  m_shutDown = true;
  if (m_halden) {
    SaveConfiguration();
    m_viewerWindows->CloseForShutdown();
    closeColorsDialog();
    m_halden->UnloadMe();
  }
  m_dataFile.Close();
  m_help->CloseAllHelp();
  event->accept();
}

bool frmTableViewer::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == this && (type == QEvent::Move || type == QEvent::Resize)) keepOuterSize();
  if ((type != QEvent::KeyPress && type != QEvent::Wheel) || !watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  if (widget->window() != this) return false;
  if (type == QEvent::Wheel) {
    // The wheel follows one rule over the whole window: the scroll bars and the zoom list
    // never see it.
    const auto* wheel = static_cast<QWheelEvent*>(event);
    m_wheel.turn(m_halden.get(), wheel->angleDelta().y(), wheel->modifiers(), wheel->buttons());
    return true;
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  if (m_finder && m_finder->ownsKey(watched, *key)) return false;
  // Ctrl+V pastes in a text field; on the table it opens a card.
  if (periodic::IsTextField(watched) && periodic::IsEditingKey(*key)) return false;
  return handleKey(periodic::VirtualKey(*key), key->modifiers());
}

bool frmTableViewer::handleKey(int key, Qt::KeyboardModifiers modifiers) {
  const Qt::KeyboardModifiers held =
      modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  const auto only = [held](Qt::KeyboardModifiers m) { return held == m; };
  if (key == Qt::Key_Q && only(Qt::AltModifier)) {
    m_menuItems["mnuFileExit"]->trigger();
  } else if (key == Qt::Key_V && only(Qt::ControlModifier)) {
    m_menuItems["mnuFile_RunElementViewer"]->trigger();
  } else if (key == Qt::Key_P && only(Qt::ControlModifier)) {
    m_menuItems["mnuFile_PrintTable"]->trigger();
  } else if (key == Qt::Key_P) {
    toggleView("LongPeriods");
  } else if (key == Qt::Key_F1 && only(Qt::AltModifier)) {
    m_menuItems["mnuHelp_Introduction"]->trigger();
  } else if (key == Qt::Key_F1 && only(Qt::ControlModifier)) {
    m_menuItems["mnuHelp_HelpOnTable"]->trigger();
  } else if (key == Qt::Key_F1 && only(Qt::NoModifier)) {
    m_menuItems["mnuHelp_HowToUseProgram"]->trigger();
  } else if (key == Qt::Key_Z && only(Qt::ControlModifier | Qt::AltModifier)) {
    promptZoom();
  } else if (key == Qt::Key_F && only(Qt::ControlModifier) && m_finder) {
    m_finder->open();
  } else {
    return false;
  }
  return true;
}

void frmTableViewer::promptZoom() {
  if (!m_halden) return;
  const std::optional<QString> answer = m_prompts->askText(this, ProgramTitle(), "Zoom: ");
  if (!answer || answer->isEmpty()) return;
  bool ok = false;
  const qlonglong zoom = answer->trimmed().toLongLong(&ok);
  if (!ok) {
    m_prompts->warning(this, ProgramTitle(), "Масштаб должен быть целым числом.");
    return;
  }
  // The control ignores a value it cannot show; the user is told what it takes.
  if (zoom < vexel::kMinZoomVal || zoom > vexel::kMaxZoomVal) {
    m_prompts->warning(this, ProgramTitle(),
                       QString("Масштаб должен быть от %1 до %2 %.")
                           .arg(vexel::kMinZoomVal)
                           .arg(vexel::kMaxZoomVal));
    return;
  }
  m_halden->setZoomVal(static_cast<std::int32_t>(zoom));
}

void frmTableViewer::showAbout() {
  frmAbout about(*m_registry, *m_starter, *m_prompts, this);
  about.exec();
}

void frmTableViewer::savePosition() {
  m_options.SaveWindowPos = true;
  SaveConfiguration();
  m_options.SaveWindowPos = false;
}

}  // namespace table
