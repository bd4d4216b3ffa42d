#include "app/shell/main_window/viewer_windows.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "app/program_info.h"
#include "app/shell/about/frm_about.h"
#include "app/shell/main_window/frm_table_viewer.h"
#include "app/viewer/frm_element_viewer.h"
#include "platform/window_manager.h"

namespace table {

namespace {

constexpr int kTwipsPerPixel = 15;
// The card stands this far above the clicked point, over its own height.
constexpr int kGapAbovePointTwips = 100;

int ToPixels(float twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

}  // namespace

QPoint ViewerPlacement(QPoint click, QSize frame, const QRect& screen) {
  int left = click.x() - frame.width() / 2;
  left = std::min(left, screen.left() + screen.width() - frame.width());
  left = std::max(left, screen.left());
  int top = click.y() - frame.height() - kGapAbovePointTwips / kTwipsPerPixel;
  top = std::min(top, screen.top() + screen.height() - frame.height());
  top = std::max(top, screen.top());
  return {left, top};
}

ViewerWindows::ViewerWindows(frmTableViewer& main) : m_main(main) {
  connectCommands();
}

ViewerWindows::~ViewerWindows() {
  for (QPointer<frmTElementViewer>& window : m_windows) delete window.data();
}

void ViewerWindows::connectCommands() {
  const auto connectItem = [this](const char* name, void (ViewerWindows::*command)()) {
    if (QAction* item = m_main.findChild<QAction*>(name))
      connect(item, &QAction::triggered, this, command);
  };
  connectItem("mnuFile_RunElementViewer", &ViewerWindows::RunElementViewer);
  connectItem("mnuMinimizeAllWindows", &ViewerWindows::MinimizeAllWindows);
  connectItem("mnuCloseAllWindows", &ViewerWindows::CloseAllWindows);
  if (vexel::VexelControl* halden = m_main.Halden()) {
    connect(halden->widget(), SIGNAL(AdditionalInfoAsked(int, float, float)), this,
            SLOT(onAdditionalInfoAsked(int, float, float)));
  }
}

frmTElementViewer* ViewerWindows::window(int slot) {
  if (slot < 1 || slot > kSlots) return nullptr;
  QPointer<frmTElementViewer>& window = m_windows[static_cast<std::size_t>(slot - 1)];
  // A closed window destroys itself; its slot gets a new one.
  if (!window || window->isClosed()) window = new frmTElementViewer(*this);
  return window;
}

void ViewerWindows::createAll(const std::function<void()>& progress) {
  for (int slot = 1; slot <= kSlots; ++slot) {
    window(slot);
    if (progress) progress();
  }
}

int ViewerWindows::firstFreeSlot() {
  for (int slot = 1; slot <= kSlots; ++slot) {
    if (!window(slot)->isVisible()) return slot;
  }
  return 0;
}

void ViewerWindows::onAdditionalInfoAsked(int elementNum, float x, float y) {
  OpenElementViewer(elementNum, x, y);
}

void ViewerWindows::OpenElementViewer(int elementNum, float x, float y) {
  if (elementNum == 0) return;
  vexel::VexelControl* halden = m_main.Halden();
  if (halden) {
    m_main.options().ViewerInvertColors = halden->InvertColors();
    m_main.options().ViewerBlackAndWhite =
        !(halden->DifferSPDF() || halden->DifferMetalsNonmetals());
  }
  const int slot = firstFreeSlot();
  if (slot == 0) {
    Prompts().warning(&m_main, ProgramTitle(),
                      "Нельзя открывать более " + QString::number(kSlots) +
                          " окон просмотра дополнительной информации по элементу. Закройте "
                          "одно из окон и попробуйте снова.");
    return;
  }
  frmTElementViewer* viewer = window(slot);
  const QWidget* origin = halden ? halden->widget() : static_cast<QWidget*>(&m_main);
  placeCard(*viewer, origin->mapToGlobal(QPoint(ToPixels(x), ToPixels(y))));
  viewer->setTag(QString::number(elementNum));
  viewer->show();
  periodic::KeepAboveItsGroup(*viewer->windowHandle());
  viewer->raise();
  viewer->activateWindow();
}

QMargins ViewerWindows::cardFrame(frmTElementViewer& viewer, bool& guessed) {
  guessed = false;
  if (!m_cardFrame) {
    viewer.winId();
    m_cardFrame = periodic::RequestFrameExtents(*viewer.windowHandle());
  }
  if (m_cardFrame) return *m_cardFrame;
  // A window manager that does not tell frames the main window's as the nearest guess.
  guessed = true;
  const QWindow* main = m_main.windowHandle();
  return main ? main->frameMargins() : QMargins();
}

void ViewerWindows::placeCard(frmTElementViewer& viewer, QPoint click) {
  // The window's size is settled before it is first shown, so that it can be placed.
  viewer.ensureBuilt();
  viewer.ensurePolished();
  viewer.layout()->activate();
  const QScreen* screen = m_main.screen();
  const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
  bool guessed = false;
  const QMargins frame = cardFrame(viewer, guessed);
  const QSize client = viewer.size();
  const QPoint outer = ViewerPlacement(click, client.grownBy(frame), area);
  // The geometry of the client area, not the frame's: it holds whatever the window manager
  // and the toolkit know of the frame at the time the window is mapped.
  viewer.setGeometry(QRect(outer + QPoint(frame.left(), frame.top()), client));
  if (guessed && QGuiApplication::platformName() == QLatin1String("xcb")) {
    QWindow* handle = viewer.windowHandle();
    if (m_unsurePlacements.count(handle) == 0) {
      handle->installEventFilter(this);
      connect(handle, &QObject::destroyed, this,
              [this](QObject* gone) { m_unsurePlacements.erase(gone); });
    }
    m_unsurePlacements[handle] = {&viewer, click, frame};
  }
}

bool ViewerWindows::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Expose) return false;
  const auto found = m_unsurePlacements.find(watched);
  if (found == m_unsurePlacements.end()) return false;
  const QMargins frame = static_cast<QWindow*>(watched)->frameMargins();
  if (frame.isNull()) return false;
  const UnsurePlacement placement = found->second;
  m_unsurePlacements.erase(found);
  watched->removeEventFilter(this);
  m_cardFrame = frame;
  if (placement.viewer && frame != placement.guess) placeCard(*placement.viewer, placement.click);
  return false;
}

void ViewerWindows::RunElementViewer() {
  const QScreen* screen = m_main.screen();
  const QSize size = screen ? screen->geometry().size() : QSize(1024, 768);
  OpenElementViewer(1, static_cast<float>(size.width() * kTwipsPerPixel / 2.0),
                    static_cast<float>(size.height() * kTwipsPerPixel / 2.0));
}

void ViewerWindows::RebuildWindowList() {
  for (QAction* entry : m_entries) delete entry;
  m_entries.clear();
  QMenu* file = m_main.findChild<QMenu*>("mnuFile");
  QAction* bar1 = m_main.findChild<QAction*>("mnuFile_Bar1");
  QAction* bar2 = m_main.findChild<QAction*>("mnuFile_Bar2");
  if (!file || !bar1 || !bar2) return;
  for (int slot = 1; slot <= kSlots; ++slot) {
    const frmTElementViewer* viewer = m_windows[static_cast<std::size_t>(slot - 1)];
    if (!viewer || !viewer->isVisible()) continue;
    auto* entry = new QAction(viewer->windowTitle(), file);
    entry->setObjectName(QString("mnuWindowList_%1").arg(m_entries.size() + 1));
    entry->setData(slot);
    connect(entry, &QAction::triggered, this, [this, slot] { activateSlot(slot); });
    file->insertAction(bar2, entry);
    m_entries.push_back(entry);
  }
  bar1->setVisible(!m_entries.empty());
}

void ViewerWindows::activateSlot(int slot) {
  frmTElementViewer* viewer = window(slot);
  if (!viewer) return;
  if (viewer->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) viewer->showNormal();
  viewer->raise();
  viewer->activateWindow();
  viewer->setFocus();
}

void ViewerWindows::MinimizeAllWindows() {
  for (QPointer<frmTElementViewer>& viewer : m_windows) {
    if (!viewer) continue;
    if (viewer->isVisible()) {
      viewer->showMinimized();
    } else {
      // A hidden window is not kept: its slot makes a new one when it is next needed.
      delete viewer.data();
    }
  }
}

void ViewerWindows::CloseAllWindows() {
  for (QPointer<frmTElementViewer>& viewer : m_windows) {
    if (!viewer) continue;
    viewer->setWindowState(viewer->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    viewer->hide();
  }
  RebuildWindowList();
}

void ViewerWindows::CloseForShutdown() {
  m_appClosing = true;
  for (QPointer<frmTElementViewer>& viewer : m_windows) {
    if (!viewer) continue;
    viewer->close();
    QCoreApplication::processEvents();
  }
}

periodic::ElementRecord ViewerWindows::ReadElementRecord(int n) {
  return m_main.dataFile().ReadElementRecord(n);
}

periodic::clsTableColors ViewerWindows::ColorScheme() {
  periodic::clsTableColors scheme;
  vexel::VexelControl* halden = m_main.Halden();
  const vexel::TableColorsControl* colors = halden ? halden->Colors() : nullptr;
  if (!colors) return scheme;
  scheme.setSColor(colors->SColor());
  scheme.setPColor(colors->PColor());
  scheme.setDColor(colors->DColor());
  scheme.setFColor(colors->FColor());
  scheme.setMetallColor(colors->MetallColor());
  scheme.setNonMetallColor(colors->NonMetallColor());
  scheme.setAmfoternColor(colors->AmfoternColor());
  scheme.setInertGassColor(colors->InertGassColor());
  scheme.setAlkalineColor(colors->AlkalineColor());
  scheme.setAlkalineplainColor(colors->AlkalineplainColor());
  scheme.setHalogenColor(colors->HalogenColor());
  scheme.setTransitionalColor(colors->TransitionalColor());
  scheme.setDifferByElementType(colors->DifferByElementType());
  return scheme;
}

periodic::CardView ViewerWindows::ViewerDefaults() {
  return {m_main.options().ViewerInvertColors, m_main.options().ViewerBlackAndWhite};
}

HelpCalls& ViewerWindows::Help() {
  return m_main.help();
}

PrinterSetup& ViewerWindows::Printers() {
  return m_main.printerSetup();
}

UserPrompts& ViewerWindows::Prompts() {
  return m_main.prompts();
}

void ViewerWindows::ShowAbout(QWidget* parent) {
  frmAbout about(m_main.registry(), m_main.starter(), m_main.prompts(), parent);
  about.exec();
}

}  // namespace table
