// The program on a real desktop: Xvfb with the openbox window manager, driven through the X
// test extension as a user drives it. Each test has a desktop of its own; a failing test
// leaves a picture of its screen in the build's desktop-artefacts folder.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <algorithm>
#include <iostream>
#include <map>
#include <memory>
#include <set>

#include "card/element_card.h"
#include "data/builtin_records.h"
#include "desktop_session.h"
#include "table/table_layout.h"

namespace {

using desktop::DesktopSession;
using desktop::WaitUntil;
using desktop::WindowId;

constexpr int kTwipsPerPixel = 15;

QString Caption(int n) {
  return QString::fromStdString(periodic::CardCaption(periodic::BuiltinRecords()[n - 1]));
}

bool Dark(QRgb pixel) {
  return qRed(pixel) < 60 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

// Pixels whose colour is far from a grey: the card in colour has many, in black and white none.
int ColouredPixels(const QImage& screen, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb p = screen.pixel(x, y);
      const int high = std::max({qRed(p), qGreen(p), qBlue(p)});
      const int low = std::min({qRed(p), qGreen(p), qBlue(p)});
      if (high - low > 60) ++count;
    }
  }
  return count;
}

class Desktop : public ::testing::Test {
 protected:
  void SetUp() override {
    // A picture from an earlier run that failed would outlive its fault.
    QFile::remove(DesktopSession::artefact(testName()));
    session = std::make_unique<DesktopSession>();
    if (!session->error().isEmpty()) {
      // Said, and tried once more: a desktop that does not come up twice is a fault.
      std::cerr << "desktop not started, once more: " << session->error().toStdString() << "\n";
      session = std::make_unique<DesktopSession>();
    }
    ASSERT_TRUE(session->error().isEmpty()) << session->error().toStdString();
    // The whole table in view, with room above it for the cards.
    placeMainWindow({100, 250}, {1000, 760});
  }

  void TearDown() override {
    if (HasFailure() && session) session->screenshot(testName());
    session.reset();
  }

  static QString testName() {
    return QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name());
  }
  desktop::XDisplay& x() { return session->x(); }
  WindowId main() { return session->mainWindow(); }

  // Moves the main window's frame to `frameTopLeft` (its client area then lies inside it) and
  // finds where the table is drawn.
  void placeMainWindow(QPoint frameTopLeft, QSize size = {}) {
    if (size.isValid())
      session->xdotool({"windowsize", QString::number(main()), QString::number(size.width()),
                        QString::number(size.height())});
    const QRect client = x().client(main());
    const QRect frame = x().frame(main());
    const QPoint target = frameTopLeft + (client.topLeft() - frame.topLeft());
    session->xdotool({"windowmove", QString::number(main()), QString::number(target.x()),
                      QString::number(target.y())});
    ASSERT_TRUE(WaitUntil([&] {
      return x().frame(main()).topLeft() == frameTopLeft &&
             (!size.isValid() || x().client(main()).size() == size);
    })) << "the main window did not move";
    locateTable();
  }

  // The table's drawing starts with the dark line of its frame: below the menu bar and the
  // tool bar on the client area's left edge, and at the left of that.
  void locateTable() {
    const QRect client = x().client(main());
    ASSERT_TRUE(WaitUntil([&] {
      const QImage screen = session->grab();
      if (screen.isNull()) return false;
      const int column = client.left() + 2;
      int top = client.top() + 30;
      while (top < client.bottom() && !Dark(screen.pixel(column, top))) ++top;
      int left = std::max(0, client.left() - 2);
      while (left < client.right() && !Dark(screen.pixel(left, top + 10))) ++left;
      m_tableOrigin = QPoint(left, top);
      return top < client.bottom() && left < client.left() + 10;
    })) << "the table is not drawn";
  }

  // The middle of element n's cell on the screen, in the table's starting form at 100 %.
  QPoint cell(int n) {
    QPoint found;
    periodic::WalkCells(periodic::DisplayOptions{}, [&](int element, double x, double y) {
      if (element == n)
        found = QPoint(int(x + periodic::kCellWidth / 2), int(y + periodic::kCellHeight / 2)) /
                kTwipsPerPixel;
    });
    return m_tableOrigin + found;
  }

  // Double-clicks element n's cell and waits for its card; returns it, or 0.
  WindowId openCard(int n) { return openCardAt(cell(n), n); }

  WindowId openCardAt(QPoint click, int n) {
    session->click(click, 2);
    WindowId card = 0;
    // Open once it is on the screen and has the focus that opening it gives.
    WaitUntil([&] {
      card = session->windowTitled(Caption(n));
      return card != 0 && !x().frame(card).isEmpty() && x().activeWindow() == card;
    });
    return card;
  }

  // Opens a menu of the active window by its underlined letter and runs its item at `index`
  // (0 for the first, -1 for the last).
  void runMenuItem(const QString& menuKey, int index) {
    session->key("alt+" + menuKey);
    ASSERT_TRUE(WaitUntil([&] { return x().menuShown(); }))
        << "no menu for " << menuKey.toStdString();
    for (int i = 0; i < index; ++i) session->key("Down");
    for (int i = 0; i < -index; ++i) session->key("Up");
    session->key("Return");
    ASSERT_TRUE(WaitUntil([&] { return !x().menuShown(); }));
  }

  std::unique_ptr<DesktopSession> session;

 private:
  QPoint m_tableOrigin;
};

// Cards opened one after another on neighbouring cells: each stands clear of its click, none
// covers the cell clicked next, and all fifteen open.
TEST_F(Desktop, NeighbouringCellsOpenFifteenCardsClearOfTheirClicks) {
  std::vector<int> elements;
  for (int n = 19; n <= 33; ++n) elements.push_back(n);  // K to As, over two rows
  std::vector<WindowId> open;
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const QPoint click = cell(elements[i]);
    const WindowId card = openCardAt(click, elements[i]);
    ASSERT_NE(card, 0u) << "no card for " << elements[i] << " after " << open.size();
    const QRect frame = x().frame(card);
    EXPECT_LT(frame.bottom(), click.y()) << elements[i];
    EXPECT_NEAR(frame.bottom(), click.y() - 7, 1) << elements[i] << ": 100 twips above";
    EXPECT_NEAR(frame.center().x(), click.x(), 1) << elements[i];
    EXPECT_TRUE(x().screen().contains(frame)) << elements[i];
    open.push_back(card);
    if (i + 1 < elements.size()) {
      const QPoint next = cell(elements[i + 1]);
      for (WindowId shown : open)
        EXPECT_FALSE(x().frame(shown).contains(next)) << elements[i + 1] << " covered";
    }
  }
  EXPECT_EQ(session->cards().size(), 15u);
}

// The cards stay above the main window when it is clicked, keep their own entries in the
// task bar, and "Свернуть все окна" minimises them and nothing else.
TEST_F(Desktop, CardsStayAboveTheMainWindowAndMinimiseAlone) {
  const WindowId card = openCard(26);
  ASSERT_NE(card, 0u);
  // A single click on the table, on a cell far from the card.
  session->click(cell(87));
  ASSERT_TRUE(WaitUntil([&] { return x().activeWindow() == main(); }));
  const std::vector<WindowId> stacking = x().stacking();
  const auto position = [&](WindowId w) {
    return std::find(stacking.begin(), stacking.end(), w) - stacking.begin();
  };
  EXPECT_GT(position(card), position(main())) << "the card went behind the main window";
  EXPECT_FALSE(x().netWmState(card).contains("_NET_WM_STATE_SKIP_TASKBAR"));
  const std::vector<WindowId> clients = x().clientList();
  EXPECT_NE(std::find(clients.begin(), clients.end(), card), clients.end());

  runMenuItem("Cyrillic_ef", 1);  // Файл, Свернуть все окна
  EXPECT_TRUE(WaitUntil([&] { return x().iconic(card); })) << "the card was not minimised";
  EXPECT_FALSE(x().iconic(main()));
}

// At every edge of the screen the card's whole frame, title bar included, stays on it.
TEST_F(Desktop, CardsAtTheScreenEdgesKeepTheirTitleBarOnTheScreen) {
  const QRect screen = x().screen();
  const struct {
    const char* edge;
    QPoint mainWindow;
    int element;
  } cases[] = {
      {"top", {300, 0}, 1},                          // H in the first period
      {"left", {0, 300}, 3},                         // Li in the first column
      {"right", {screen.width() - 700, 300}, 28},    // Ni in the last column
      {"bottom", {300, screen.height() - 520}, 87},  // Fr low in the table
  };
  for (const auto& c : cases) {
    placeMainWindow(c.mainWindow);
    const QPoint click = cell(c.element);
    ASSERT_TRUE(screen.contains(click)) << c.edge;
    const WindowId card = openCardAt(click, c.element);
    ASSERT_NE(card, 0u) << c.edge;
    const QRect frame = x().frame(card);
    EXPECT_TRUE(screen.contains(frame)) << c.edge << ": frame off the screen";
    EXPECT_GE(frame.top(), 0) << c.edge << ": title bar off the screen";
    if (c.element != 1) {
      EXPECT_LT(frame.bottom(), click.y()) << c.edge << ": covers the click";
    }
    session->key("Escape");
    ASSERT_TRUE(WaitUntil([&] { return session->windowTitled(Caption(c.element)) == 0; }));
  }
}

// Typing a number into a freshly opened card shows that element, also when its first digit is
// the number shown.
TEST_F(Desktop, NumberBoxTakesNumbersStartingWithTheShownOne) {
  const struct {
    int shown;
    const char* typed;
    int expected;
  } cases[] = {{1, "12", 12}, {2, "26", 26}, {5, "56", 56}};
  for (const auto& c : cases) {
    const WindowId card = openCard(c.shown);
    ASSERT_NE(card, 0u) << c.shown;
    // The opened card gives the number box the focus with its number selected, as a user sees
    // it; a click into the box would only put the caret after the number.
    session->type(QString::fromLatin1(c.typed));
    EXPECT_TRUE(WaitUntil([&] { return x().title(card) == Caption(c.expected); }, 3))
        << c.typed << " on " << Caption(c.shown).toStdString() << " shows "
        << x().title(card).toStdString();
  }
}

// Cancelling the print dialog returns to the card as the user left it.
TEST_F(Desktop, CancelledPrintKeepsTheCardsViewSwitches) {
  const WindowId card = openCard(26);
  ASSERT_NE(card, 0u);
  const auto colouredCard = [&] {
    const QImage screen = session->grab();
    return ColouredPixels(screen, x().client(card).adjusted(2, 30, -2, -30));
  };
  ASSERT_GT(colouredCard(), 200);
  runMenuItem("Cyrillic_ve", 0);  // Вид, Черно-белое изображение
  ASSERT_TRUE(WaitUntil([&] { return colouredCard() == 0; })) << "black and white did not show";

  const auto dialogs = [&] {
    int count = 0;
    for (WindowId w : x().clientList())
      if (w != main() && w != card && !x().title(w).contains(" - ")) ++count;
    return count;
  };
  runMenuItem("Cyrillic_pe", 3);  // Просмотр, Печать...
  ASSERT_TRUE(WaitUntil([&] { return dialogs() == 1; })) << "no print dialog";
  session->key("Escape");
  ASSERT_TRUE(WaitUntil([&] { return dialogs() == 0; })) << "the print dialog stayed";
  ASSERT_TRUE(WaitUntil([&] { return x().activeWindow() == card; }));
  desktop::Pause(300);
  EXPECT_EQ(colouredCard(), 0) << "the card went back to colour";
}

// Enter presses OK in the options and the colour dialogs: the dialog closes.
TEST_F(Desktop, EnterPressesOkInTheOptionsAndColourDialogs) {
  const struct {
    const char* title;
    const char* menuKey;
    int item;
  } cases[] = {
      {"Опции", "Cyrillic_en", 0},   // Настройка, Опции...
      {"Цвета", "Cyrillic_ve", -2},  // Вид, Цвета... (above the property views)
  };
  for (const auto& c : cases) {
    const QString title = QString::fromUtf8(c.title);
    runMenuItem(QString::fromLatin1(c.menuKey), c.item);
    WindowId dialog = 0;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = session->windowTitled(title)) != 0; }))
        << c.title << " did not open";
    ASSERT_TRUE(WaitUntil([&] { return x().activeWindow() == dialog; }));
    session->key("Return");
    const bool closed = WaitUntil([&] { return session->windowTitled(title) == 0; }, 3);
    EXPECT_TRUE(closed) << "Enter left " << c.title << " open";
    if (!closed) {
      session->screenshot(testName() + QStringLiteral("_") + QString::fromUtf8(c.title));
      session->key("Escape");
      ASSERT_TRUE(WaitUntil([&] { return session->windowTitled(title) == 0; }));
    }
  }
}

// Help whose library is missing or is no library at all says so; the program then still quits
// as closing its main window does, with its settings saved.
TEST(DesktopHelp, ProgramWithABrokenHelpLibraryStillQuits) {
  const struct {
    const char* name;
    QByteArray library;  // empty: no library beside the program
  } cases[] = {{"missing", {}}, {"garbage", QByteArray(40000, '\x5a')}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DesktopSession session(QSize(1280, 1024), [&](const QString& folder) {
      QFile library(QDir(folder).filePath(QStringLiteral("libTableHelp.so")));
      if (!c.library.isEmpty() && library.open(QIODevice::WriteOnly)) library.write(c.library);
    });
    ASSERT_TRUE(session.error().isEmpty()) << session.error().toStdString();
    const WindowId main = session.mainWindow();
    session.xdotool({"windowactivate", "--sync", QString::number(main)});
    session.key("F1");
    ASSERT_TRUE(WaitUntil([&] { return session.x().clientList().size() == 2; }))
        << "no message about the help";
    ASSERT_TRUE(WaitUntil([&] { return session.x().activeWindow() != main; }));
    session.key("Return");
    ASSERT_TRUE(WaitUntil([&] { return session.x().clientList().size() == 1; }));
    session.xdotool({"windowactivate", "--sync", QString::number(main)});
    session.key("alt+F4");
    QProcess& program = session.program();
    const bool ended = program.waitForFinished(10000);
    if (!ended) session.screenshot(QStringLiteral("BrokenHelpLibrary_") + c.name);
    ASSERT_TRUE(ended) << "the program did not quit";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(QFileInfo(QDir(session.programFolder()).filePath("Table.ini")).size(), 166);
  }
}

}  // namespace
