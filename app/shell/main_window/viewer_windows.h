#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "app/viewer/viewer_host.h"

class QAction;

namespace table {

class frmTableViewer;
class frmTElementViewer;

// Where the outer frame (title bar and borders included) of a card opened by a click at
// `click` (pixels on the screen) has its top-left corner: centred on the point, its lower edge
// 100 twips above it, and moved in so that the whole frame lies on `screen`; where the frame
// cannot fit, its left and top edges stay on the screen.
QPoint ViewerPlacement(QPoint click, QSize frame, const QRect& screen);

// The pool of fifteen element card windows and the main window's list of the open ones. A
// slot's window is free while hidden. A window that was closed or destroyed is made anew,
// hidden, the next time its slot is looked at.
class ViewerWindows : public QObject, public ViewerHost {
  Q_OBJECT

 public:
  static constexpr int kSlots = 15;

  explicit ViewerWindows(frmTableViewer& main);
  ~ViewerWindows() override;

  // The window of slot 1..15, made hidden when the slot is empty; null for any other slot.
  frmTElementViewer* window(int slot);
  // Makes every slot's window, calling progress after each (the start's splash steps).
  void createAll(const std::function<void()>& progress = {});

  // Opens a card for element n (0: none) for a click at (x, y), twips inside the control.
  void OpenElementViewer(int elementNum, float x, float y);
  // Opens element 1 as if clicked at the middle of the screen.
  void RunElementViewer();
  void RebuildWindowList();
  // The window list's entry for slot: restores its window and gives it the focus.
  void activateSlot(int slot);
  void MinimizeAllWindows();
  void CloseAllWindows();
  // The shutdown's part: AppClosing set, then every slot's window closed in slot order.
  void CloseForShutdown();

  // The File menu's entries for the open cards, in slot order.
  const std::vector<QAction*>& windowListEntries() const { return m_entries; }

  // What the cards ask of the program.
  periodic::ElementRecord ReadElementRecord(int n) override;
  periodic::clsTableColors ColorScheme() override;
  periodic::CardView ViewerDefaults() override;
  HelpCalls& Help() override;
  PrinterSetup& Printers() override;
  UserPrompts& Prompts() override;
  void ShowAbout(QWidget* parent) override;
  bool AppClosing() const override { return m_appClosing; }

 private slots:
  void onAdditionalInfoAsked(int elementNum, float x, float y);

 private:
  void connectCommands();
  int firstFreeSlot();
  // The frame that the window manager puts around a card, known before the card is shown
  // where the window manager tells it; otherwise guessed and `guessed` set.
  QMargins cardFrame(frmTElementViewer& viewer, bool& guessed);
  void placeCard(frmTElementViewer& viewer, QPoint click);
  // A card placed by a guessed frame is placed again once it is shown and its frame is known.
  bool eventFilter(QObject* watched, QEvent* event) override;

  frmTableViewer& m_main;
  std::array<QPointer<frmTElementViewer>, kSlots> m_windows;
  std::vector<QAction*> m_entries;
  bool m_appClosing = false;
  // Every card has the same frame: once the window manager has told it, it is kept.
  std::optional<QMargins> m_cardFrame;
  struct UnsurePlacement {
    QPointer<frmTElementViewer> viewer;
    QPoint click;
    QMargins guess;
  };
  std::map<QObject*, UnsurePlacement> m_unsurePlacements;
};

}  // namespace table
