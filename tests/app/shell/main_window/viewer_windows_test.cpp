#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QTest>
#include <cstdlib>

#include "app/main_window_host.h"
#include "app/shell/main_window/viewer_windows.h"
#include "app/viewer/frm_element_viewer.h"
#include "russian_key_events.h"

namespace {

using table::frmTElementViewer;
using table::ViewerWindows;

// The pool of the real main window over the control library.
struct PoolHost : MainWindowHost {
  PoolHost() { show(); }
  ViewerWindows& pool() { return window->viewerWindows(); }
  frmTElementViewer* slot(int n) { return pool().window(n); }
  // Opens element n as a click on the control at (x, y) twips would.
  void open(int n, float x = 3000, float y = 3000) {
    QMetaObject::invokeMethod(window->Halden()->widget(), "AdditionalInfoAsked", Q_ARG(int, n),
                              Q_ARG(float, x), Q_ARG(float, y));
    QCoreApplication::processEvents();
  }
  QStringList listCaptions() {
    QStringList captions;
    for (const QAction* entry : pool().windowListEntries()) captions << entry->text();
    return captions;
  }
  bool separatorShown() { return menuItem("mnuFile_Bar1")->isVisible(); }
};

TEST(ViewerPlacement, FrameCentredAboveTheClickAndWhollyOnTheScreen) {
  // A card of 196 x 160 pixels in openbox's frame (borders of 1, a title bar of 20): 198 x 181.
  const QSize frame(198, 181);
  const QRect screen(0, 0, 1280, 1024);
  const struct {
    const char* name;
    QPoint click;
    QRect screen;
    QPoint expected;
  } cases[] = {
      // The lower frame edge 100 twips (6 pixels) above the click, centred on it.
      {"middle", {600, 500}, screen, {501, 500 - 181 - 6}},
      {"left edge", {40, 500}, screen, {0, 313}},
      {"right edge", {1270, 500}, screen, {1280 - 198, 313}},
      // The title bar stays on the screen; the card then covers the click.
      {"top edge", {600, 100}, screen, {501, 0}},
      {"top left corner", {5, 5}, screen, {0, 0}},
      // A click below the screen (a main window half off it) still shows the whole card.
      {"below the screen", {600, 1100}, screen, {501, 1024 - 181}},
      // A second screen to the right, and one under a panel, keep the card on their own area.
      {"second screen", {1300, 100}, QRect(1280, 0, 1920, 1080), {1280, 0}},
      {"second screen right", {3190, 600}, QRect(1280, 0, 1920, 1080), {3200 - 198, 413}},
      {"below a panel", {600, 150}, QRect(0, 24, 1280, 1000), {501, 24}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(table::ViewerPlacement(c.click, frame, c.screen), c.expected) << c.name;
}

TEST(ViewerWindows, OpensACardForTheClickedElement) {
  PoolHost host;
  host.open(26);
  frmTElementViewer* card = host.slot(1);
  EXPECT_TRUE(card->isVisible());
  EXPECT_EQ(card->windowTitle(), "Fe - Железо");
  EXPECT_EQ(host.listCaptions(), QStringList{"Fe - Железо"});
  EXPECT_TRUE(host.separatorShown());
  // Element 0 (a click beside the cells) opens nothing and says nothing.
  host.open(0);
  EXPECT_FALSE(host.slot(2)->isVisible());
  EXPECT_TRUE(host.prompts.messages.isEmpty());
  // Ctrl+V, also with the Russian layout, opens element 1.
  SendRussianKey(host.window.get(), Qt::Key_V, Qt::ControlModifier);
  QCoreApplication::processEvents();
  EXPECT_TRUE(host.slot(2)->isVisible());
  EXPECT_EQ(host.slot(2)->windowTitle(), "H - Водород");
}

TEST(ViewerWindows, CardTakesTheTableColourModes) {
  PoolHost host;
  host.window->Halden()->setDifferSPDF(false);
  host.window->Halden()->setDifferMetalsNonmetals(false);
  host.open(26);
  EXPECT_TRUE(host.window->options().ViewerBlackAndWhite);
  EXPECT_TRUE(host.slot(1)->CardBlackAndWhite());
  EXPECT_EQ(host.slot(1)->picture().backColor(), periodic::kWhite);
}

TEST(ViewerWindows, FifteenAtMostAndSlotsReused) {
  PoolHost host;
  for (int n = 1; n <= 15; ++n) host.open(n);
  for (int slot = 1; slot <= 15; ++slot) EXPECT_TRUE(host.slot(slot)->isVisible()) << slot;
  EXPECT_TRUE(host.prompts.messages.isEmpty());
  host.open(16);
  ASSERT_EQ(host.prompts.messages.size(), 1);
  EXPECT_EQ(host.prompts.messages[0],
            "Нельзя открывать более 15 окон просмотра дополнительной информации по элементу. "
            "Закройте одно из окон и попробуйте снова.");

  host.menuItem("mnuCloseAllWindows")->trigger();
  for (int n = 1; n <= 5; ++n) host.open(n);
  host.slot(3)->close();
  QCoreApplication::processEvents();
  EXPECT_EQ(host.listCaptions().size(), 4);
  host.open(26);
  EXPECT_EQ(host.slot(3)->windowTitle(), "Fe - Железо");
  EXPECT_EQ(host.listCaptions(),
            QStringList({"H - Водород", "He - Гелий", "Fe - Железо", "Be - Бериллий", "B - Бор"}));
}

TEST(ViewerWindows, MinimiseAllCloseAllAndTheList) {
  PoolHost host;
  host.menuItem("mnuMinimizeAllWindows")->trigger();
  EXPECT_TRUE(host.listCaptions().isEmpty());
  EXPECT_FALSE(host.separatorShown());
  host.open(26);
  host.open(8);
  host.menuItem("mnuMinimizeAllWindows")->trigger();
  EXPECT_TRUE(host.slot(1)->isMinimized());
  EXPECT_EQ(host.listCaptions(), QStringList({"Fe - Железо", "O - Кислород"}));
  // An entry restores its card.
  host.pool().windowListEntries()[1]->trigger();
  EXPECT_FALSE(host.slot(2)->isMinimized());
  EXPECT_TRUE(host.slot(2)->isVisible());
  // The hidden windows were dropped and come back on use.
  EXPECT_FALSE(host.slot(3)->isVisible());

  host.menuItem("mnuCloseAllWindows")->trigger();
  EXPECT_FALSE(host.slot(1)->isVisible());
  EXPECT_FALSE(host.slot(2)->isVisible());
  EXPECT_TRUE(host.listCaptions().isEmpty());
  EXPECT_FALSE(host.separatorShown());
  // Closed by close-all, the windows stay in the pool.
  EXPECT_FALSE(host.slot(1)->isClosed());
}

// Every showing through the pool places the card anew, whichever window the slot holds: a new
// one, one kept hidden by close-all, one made anew after minimise-all or after its card closed.
TEST(ViewerWindows, EveryShowingPlacesTheCardAboveItsClick) {
  PoolHost host;
  const QWidget* control = host.window->Halden()->widget();
  const auto expectAbove = [&](int slot, QPoint twips, const char* when) {
    const QPoint click = control->mapToGlobal(twips / 15);
    const QRect frame = host.slot(slot)->frameGeometry();
    EXPECT_EQ(frame.bottom(), click.y() - 6 - 1) << when;
    EXPECT_LE(std::abs(frame.center().x() - click.x()), 1) << when;
  };
  host.open(26, 6000, 4500);
  expectAbove(1, {6000, 4500}, "first showing");
  host.menuItem("mnuCloseAllWindows")->trigger();
  host.open(27, 9000, 5100);
  expectAbove(1, {9000, 5100}, "a hidden window at another cell");
  host.open(28, 9900, 5100);
  host.slot(2)->close();
  QCoreApplication::processEvents();
  host.open(29, 3600, 6000);
  expectAbove(2, {3600, 6000}, "after the slot's card closed");
  host.menuItem("mnuMinimizeAllWindows")->trigger();
  host.open(30, 4500, 6600);
  expectAbove(3, {4500, 6600}, "after minimise-all");
}

TEST(ViewerWindows, ListFollowsStepsAndReopenedCards) {
  PoolHost host;
  host.open(26);
  host.slot(1)->nextElement();
  EXPECT_EQ(host.listCaptions(), QStringList{"Co - Кобальт"});
  // A hidden window shown again on its own element is listed again, in the table's colours.
  host.menuItem("mnuCloseAllWindows")->trigger();
  host.window->Halden()->setDifferSPDF(false);
  host.window->Halden()->setDifferMetalsNonmetals(false);
  host.open(27);
  EXPECT_EQ(host.listCaptions(), QStringList{"Co - Кобальт"});
  EXPECT_EQ(host.slot(1)->picture().backColor(), periodic::kWhite);
}

TEST(ViewerWindows, ShutdownClosesEveryCard) {
  PoolHost host;
  host.open(26);
  host.open(27);
  QPointer<frmTElementViewer> first = host.slot(1);
  host.window->close();
  EXPECT_TRUE(host.pool().AppClosing());
  EXPECT_TRUE(!first || !first->isVisible());
  // Closing cards left the list as it was.
  EXPECT_EQ(host.listCaptions().size(), 2);
}

}  // namespace
