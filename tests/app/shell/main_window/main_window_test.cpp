#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QWheelEvent>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "app/main_window_host.h"
#include "data/builtin_records.h"
#include "russian_key_events.h"

namespace {

using vexel::VexelControl;

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

std::int16_t Int16At(const QByteArray& bytes, int offset) {
  return static_cast<std::int16_t>(static_cast<quint8>(bytes[offset]) |
                                   (static_cast<quint8>(bytes[offset + 1]) << 8));
}

TEST(MainWindow, MenusAndButtonsMirrorThePeriodForm) {
  MainWindowHost host;
  ASSERT_TRUE(host.window->hasControl()) << host.window->loadError().toStdString();
  VexelControl& halden = *host.window->Halden();
  EXPECT_EQ(host.menuItem("mnuView_ShortLongPeriods")->text(), "&Длинные периоды");
  EXPECT_EQ(host.button("ShortLongPeriods")->property("imageKey").toString(), "LngPrds");

  host.menuItem("mnuView_ShortLongPeriods")->trigger();
  EXPECT_TRUE(halden.LongPeriods());
  EXPECT_EQ(host.menuItem("mnuView_ShortLongPeriods")->text(), "&Короткие периоды");
  EXPECT_EQ(host.button("ShortLongPeriods")->property("imageKey").toString(), "ShrtPrds");
  EXPECT_EQ(host.button("ShortLongPeriods")->toolTip(), "Короткие периоды");
  EXPECT_FALSE(host.menuItem("mnuView_MoveOutInertGases")->isEnabled());
  EXPECT_FALSE(host.menuItem("mnuView_ShowHighestOxidesTable")->isEnabled());
  EXPECT_FALSE(host.button("OxidesTable")->isVisible());
  EXPECT_FALSE(host.button("MoveOutInertGases")->isVisible());

  host.button("ShortLongPeriods")->trigger();
  EXPECT_FALSE(halden.LongPeriods());
  // The same icon comes back, not a new one built at every switch.
  const qint64 shortIcon = host.button("ShortLongPeriods")->icon().cacheKey();
  host.button("ShortLongPeriods")->trigger();
  host.button("ShortLongPeriods")->trigger();
  EXPECT_EQ(host.button("ShortLongPeriods")->icon().cacheKey(), shortIcon);
  EXPECT_TRUE(host.menuItem("mnuView_ShowHighestOxidesTable")->isEnabled());
  EXPECT_TRUE(host.button("OxidesTable")->isVisible());
  EXPECT_EQ(host.menuItem("mnuView_ShowHighestOxidesTable")->isChecked(),
            halden.ShowHighestOxidesTable());
  EXPECT_EQ(host.button("OxidesTable")->isChecked(), halden.ShowHighestOxidesTable());
}

TEST(MainWindow, NamesAndColourTogglesMirrorTheirProperties) {
  MainWindowHost host;
  VexelControl& halden = *host.window->Halden();
  host.menuItem("mnuView_ShowRussianLatinName")->trigger();
  EXPECT_FALSE(halden.ShowElementsName());
  EXPECT_FALSE(host.menuItem("mnuView_ShowRussianLatinName")->isChecked());
  EXPECT_FALSE(host.menuItem("mnuView_ShowLatInsteadOfRus")->isEnabled());
  EXPECT_FALSE(host.button("LatRus")->isVisible());
  host.menuItem("mnuView_ShowRussianLatinName")->trigger();
  EXPECT_TRUE(host.button("LatRus")->isVisible());

  host.button("InvertColors")->trigger();
  EXPECT_TRUE(halden.InvertColors());
  EXPECT_TRUE(host.menuItem("mnuView_InvertColorCoding")->isChecked());
  EXPECT_TRUE(host.button("InvertColors")->isChecked());
  EXPECT_EQ(host.button("DifferSPDF")->property("imageKey").toString(), "DifferMetlsNonmetls");
  EXPECT_EQ(host.button("DifferMtlsNonmtls")->property("imageKey").toString(), "DifferSPDF");
  host.menuItem("mnuView_InvertColorCoding")->trigger();
  EXPECT_EQ(host.button("DifferSPDF")->property("imageKey").toString(), "DifferSPDF");

  // A check button's own state is overruled by the property it mirrors.
  host.button("DifferSPDF")->trigger();
  EXPECT_FALSE(halden.DifferSPDF());
  EXPECT_FALSE(host.button("DifferSPDF")->isChecked());
  EXPECT_FALSE(host.menuItem("mnuView_DifferSPDF")->isChecked());
  host.button("DifferSPDF")->trigger();
}

TEST(MainWindow, KeysFollowTheirTable) {
  MainWindowHost host;
  host.show();
  VexelControl& halden = *host.window->Halden();
  QSignalSpy printed(host.menuItem("mnuFile_PrintTable"), &QAction::triggered);
  const bool before = halden.LongPeriods();
  QTest::keyClick(host.window.get(), Qt::Key_P);
  EXPECT_NE(halden.LongPeriods(), before);
  QTest::keyClick(host.window.get(), Qt::Key_P, Qt::ShiftModifier);
  EXPECT_EQ(halden.LongPeriods(), before);
  QTest::keyClick(host.window.get(), Qt::Key_P, Qt::AltModifier);
  EXPECT_NE(halden.LongPeriods(), before);
  QTest::keyClick(host.window.get(), Qt::Key_P, Qt::ControlModifier);
  EXPECT_NE(halden.LongPeriods(), before);
  EXPECT_EQ(printed.count(), 1);
  host.window->toggleView("LongPeriods");

  host.prompts.answers = {QString("333"), QString(""), QString(), QString("abc")};
  const int shownIndex = host.window->findChild<QComboBox*>("cmbZoom")->currentIndex();
  QTest::keyClick(host.window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(host.prompts.prompts.value(0), "Zoom: ");
  EXPECT_EQ(halden.ZoomVal(), 333);
  EXPECT_EQ(host.window->findChild<QComboBox*>("cmbZoom")->currentIndex(), shownIndex);
  for (int i = 0; i < 3; ++i)
    QTest::keyClick(host.window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(halden.ZoomVal(), 333);
  EXPECT_EQ(host.prompts.messages.size(), 1);  // the text that is not a number

  QTest::keyClick(host.window.get(), Qt::Key_Q, Qt::AltModifier);
  EXPECT_FALSE(host.window->isVisible());
}

TEST(MainWindow, KeysActOnTheKeyUnderTheRussianLayout) {
  MainWindowHost host;
  host.show();
  VexelControl& halden = *host.window->Halden();
  QSignalSpy printed(host.menuItem("mnuFile_PrintTable"), &QAction::triggered);
  QSignalSpy viewer(host.menuItem("mnuFile_RunElementViewer"), &QAction::triggered);
  const bool before = halden.LongPeriods();
  SendRussianKey(host.window.get(), Qt::Key_P);
  EXPECT_NE(halden.LongPeriods(), before);
  SendRussianKey(host.window.get(), Qt::Key_P, Qt::ShiftModifier);
  EXPECT_EQ(halden.LongPeriods(), before);
  SendRussianKey(host.window.get(), Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(printed.count(), 1);
  SendRussianKey(host.window.get(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(viewer.count(), 1);
  host.prompts.answers = {QString("150")};
  SendRussianKey(host.window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(halden.ZoomVal(), 150);
  SendRussianKey(host.window.get(), Qt::Key_Q, Qt::AltModifier);
  EXPECT_FALSE(host.window->isVisible());
}

TEST(MainWindow, ZoomListWaitsForTheFirstResizeAndStopsAtItsEnds) {
  MainWindowHost host;
  auto* zoom = host.window->findChild<QComboBox*>("cmbZoom");
  VexelControl& halden = *host.window->Halden();
  EXPECT_EQ(zoom->currentText(), "100%");
  EXPECT_TRUE(host.window->initialRefreshPending());
  zoom->setCurrentIndex(5);
  EXPECT_EQ(halden.ZoomVal(), 100);
  zoom->setCurrentIndex(3);

  host.show();
  EXPECT_FALSE(host.window->initialRefreshPending());
  host.window->zoomIn();
  EXPECT_EQ(halden.ZoomVal(), 150);
  host.window->zoomIn();
  host.window->zoomIn();
  EXPECT_EQ(zoom->currentIndex(), 5);
  EXPECT_EQ(halden.ZoomVal(), 200);
  for (int i = 0; i < 7; ++i) host.button("ZoomOut")->trigger();
  EXPECT_EQ(zoom->currentIndex(), 0);
  EXPECT_EQ(halden.ZoomVal(), 25);
}

TEST(MainWindow, FirstRunWritesTheDefaultsInTheirLongForm) {
  MainWindowHost host;
  host.show();
  host.window->close();
  const QByteArray ini = ReadFile(host.configFolder() + "/Table.ini");
  // The fields take 156 bytes; the spare bytes after them keep the element-type switch.
  ASSERT_EQ(ini.size(), 166);
  EXPECT_EQ(Int16At(ini, 0), 0);   // SaveWindowPos
  EXPECT_EQ(Int16At(ini, 18), 3);  // WindowState as a 32-bit integer
  EXPECT_EQ(ini.mid(20, 4), QByteArray(4, '\0'));
  EXPECT_EQ(ini.mid(28, 101), QByteArray(" 255 16711680 10066176 9868950 12303359 10744303 "
                                         "11269045 13434879 13132850 6604850 16744703 3302600 "));
  EXPECT_EQ(Int16At(ini, 152), -1);  // toolbar
  EXPECT_EQ(Int16At(ini, 154), -1);  // status bar
  EXPECT_EQ(ini.mid(156), QByteArray("ET\0\0\0\0\0\0\0\0", 10));
  EXPECT_EQ(ReadFile(host.configFolder() + "/Table.cfg").size(), 34);
}

TEST(MainWindow, AFailedSaveIsReportedWithTheFilesNameAndCause) {
  QTemporaryDir dir;
  MainWindowHost host(dir.path());
  host.show();
  // A folder where Table.ini belongs: the file cannot be written. The start made no file of
  // its own there: it appears at the first save.
  ASSERT_FALSE(QFile::exists(dir.path() + "/Table.ini"));
  ASSERT_TRUE(QDir(dir.path()).mkdir("Table.ini"));
  host.window->close();
  ASSERT_EQ(host.prompts.messages.size(), 1);
  EXPECT_EQ(host.prompts.messages.first(), "Не удалось сохранить настройки в файл \"" + dir.path() +
                                               "/Table.ini\": на этом месте папка, а не файл.");
  EXPECT_EQ(ReadFile(dir.path() + "/Table.cfg").size(), 34);
}

TEST(MainWindow, SavedMaximisedWindowStartsMaximised) {
  QTemporaryDir dir;
  {
    MainWindowHost host(dir.path());
    host.show();
    host.window->showMaximized();
    QCoreApplication::processEvents();
    host.menuItem("mnuConfig_SavePosition")->trigger();
    const QByteArray saved = ReadFile(dir.path() + "/Table.ini");
    ASSERT_EQ(saved.size(), 166);
    EXPECT_EQ(Int16At(saved, 0), -1);
    EXPECT_EQ(Int16At(saved, 18), 2);
    EXPECT_EQ(Int16At(saved, 20), 2);
    host.window->close();
    EXPECT_EQ(Int16At(ReadFile(dir.path() + "/Table.ini"), 0), 0);
  }
  MainWindowHost again(dir.path());
  EXPECT_TRUE(again.window->windowState() & Qt::WindowMaximized);
}

// The colour dialog's "Типы элементов:" switch has no place in the colour text; it survives a
// restart in the record's spare bytes.
TEST(MainWindow, ElementTypeSwitchSurvivesARestart) {
  QTemporaryDir dir;
  {
    MainWindowHost host(dir.path());
    host.show();
    EXPECT_FALSE(host.window->Halden()->Colors()->DifferByElementType());
    host.window->Halden()->Colors()->setDifferByElementType(true);
    host.window->close();
  }
  EXPECT_EQ(ReadFile(dir.path() + "/Table.ini").mid(156, 3), QByteArray("ET\1", 3));
  {
    MainWindowHost again(dir.path());
    EXPECT_TRUE(again.window->Halden()->Colors()->DifferByElementType());
    again.window->Halden()->Colors()->setDifferByElementType(false);
    again.window->close();
  }
  EXPECT_EQ(ReadFile(dir.path() + "/Table.ini").mid(156, 3), QByteArray("ET\0", 3));
}

// A stored size ends between the smallest start size and the screen, however odd the number.
TEST(MainWindow, StoredSizesEndBetweenTheMinimumAndTheScreen) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  const QSize screen = QGuiApplication::primaryScreen()->availableSize();
  struct Case {
    float width, height;
    QSize expected;  // invalid: the screen's size
  };
  const Case cases[] = {
      {4000, 2000, {333, 200}}, {9000, 6000, {600, 400}}, {3e38f, 1e30f, {}},
      {-1e30f, -5, {333, 200}}, {kNaN, kNaN, {333, 200}}, {kInf, -kInf, {333, 200}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
    QTemporaryDir dir;
    table::TableOptions stored = table::DefaultTableOptions(0xFFFFFF, c.height, c.width);
    table::WriteTableIni((dir.path() + "/Table.ini").toStdString(), stored);
    MainWindowHost host(dir.path());
    EXPECT_EQ(host.window->frameGeometry().size(), c.expected.isValid() ? c.expected : screen);
  }
}

TEST(MainWindow, HiddenBarsLeaveTheTableTheWholeClientArea) {
  QTemporaryDir dir;
  table::TableOptions stored = table::DefaultTableOptions(0xFFFFFF, 6420, 11565);
  stored.SetShowToolbar(false);
  stored.SetShowStatusbar(false);
  table::WriteTableIni((dir.path() + "/Table.ini").toStdString(), stored);
  MainWindowHost host(dir.path());
  host.show();
  EXPECT_FALSE(host.window->findChild<QToolBar*>("tlbToolbar")->isVisible());
  EXPECT_FALSE(host.window->statusBar()->isVisible());
  QWidget* halden = host.window->Halden()->widget();
  const int menuHeight = host.window->menuWidget()->height();
  EXPECT_EQ(halden->geometry(),
            QRect(0, menuHeight, host.window->width(), host.window->height() - menuHeight));
}

TEST(MainWindow, WheelNotchesScrollTheTable) {
  MainWindowHost host;
  host.show();
  VexelControl& halden = *host.window->Halden();
  host.window->resize(400, 300);
  halden.setZoomVal(200);
  QCoreApplication::processEvents();
  ASSERT_TRUE(halden.VScrollBarVisible());
  const auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWheelEvent event(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, delta), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(host.window.get(), &event);
  };
  halden.setVScrollBarValue(5);
  wheel(120);
  EXPECT_EQ(halden.VScrollBarValue(), 0);
  wheel(-120);
  EXPECT_EQ(halden.VScrollBarValue(), std::min<int>(10, halden.VScrollBarMax()));
  wheel(-240);
  wheel(-120, Qt::ControlModifier);
  EXPECT_EQ(halden.VScrollBarValue(), std::min<int>(10, halden.VScrollBarMax()));
  for (int i = 0; i < 100; ++i) wheel(-120);
  EXPECT_EQ(halden.VScrollBarValue(), halden.VScrollBarMax());

  // Only the horizontal bar: the wheel scrolls sideways.
  host.window->resize(400, 900);
  halden.setZoomVal(100);
  QCoreApplication::processEvents();
  if (!halden.VScrollBarVisible() && halden.HScrollBarVisible()) {
    wheel(-120);
    EXPECT_EQ(halden.HScrollBarValue(), std::min<int>(10, halden.HScrollBarMax()));
  }
}

// Over the scroll bars and the zoom list the wheel follows the same rule as over the table, and
// small deltas count once they add up to a notch.
TEST(MainWindow, WheelRuleHoldsOverEveryPartOfTheWindow) {
  MainWindowHost host;
  host.show();
  VexelControl& halden = *host.window->Halden();
  host.window->resize(400, 300);
  halden.setZoomVal(200);
  QCoreApplication::processEvents();
  ASSERT_TRUE(halden.VScrollBarVisible());
  ASSERT_GE(halden.VScrollBarMax(), 40);
  auto* zoomList = host.window->findChild<QComboBox*>("cmbZoom");
  const int zoomIndex = zoomList->currentIndex();
  const auto wheel = [&](QWidget* target, int delta, Qt::KeyboardModifiers modifiers) {
    QWheelEvent event(QPointF(2, 2), target->mapToGlobal(QPointF(2, 2)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(target, &event);
  };
  struct Turn {
    const char* target;
    std::vector<int> deltas;
    Qt::KeyboardModifiers modifiers;
    int moved;
  };
  const Turn turns[] = {
      {"vscrPicUpDown", {-120}, Qt::NoModifier, 10},
      {"vscrPicUpDown", {-120}, Qt::ControlModifier, 0},
      {"hscrPicRightLeft", {-120}, Qt::NoModifier, 10},
      {"cmbZoom", {-120}, Qt::NoModifier, 10},
      {"cmbZoom", {120}, Qt::ControlModifier, 0},
      {"picOutput", {-40, -40, -40}, Qt::NoModifier, 10},
      {"picOutput", {-60, 30, -60}, Qt::NoModifier, 0},
      {"picOutput", {-100, -100, -40}, Qt::NoModifier, 20},
      {"picOutput", {30, 30, 30, 30}, Qt::NoModifier, -10},
  };
  for (const Turn& turn : turns) {
    SCOPED_TRACE(std::string(turn.target) + " " + std::to_string(turn.deltas.front()));
    auto* target = host.window->findChild<QWidget*>(turn.target);
    ASSERT_NE(target, nullptr);
    halden.setVScrollBarValue(20);
    for (int delta : turn.deltas) wheel(target, delta, turn.modifiers);
    EXPECT_EQ(halden.VScrollBarValue(), 20 + turn.moved);
    EXPECT_EQ(zoomList->currentIndex(), zoomIndex);
  }
}

// When the control's own data file cannot be read, one message names it and the reason; the
// table is drawn from the program's own file where one could be made, and otherwise the status
// bar says that drawing failed.
TEST(MainWindow, UnusableDataFilesAreReportedOnceAndReplaced) {
  struct Case {
    const char* name;
    std::function<void(const QString&)> make;  // makes Elements.dat in the folder given
    const char* cause;
    bool fallback;
  };
  // Twenty good records and no more.
  const auto shortFile = [](const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(periodic::BuiltinRecordBytes().data()), 180 * 20);
  };
  const Case cases[] = {
      {"folder", [](const QString& p) { ASSERT_TRUE(QDir().mkdir(p)); },
       "на этом месте папка, а не файл", true},
      {"link loop", [](const QString& p) { ASSERT_TRUE(QFile::link(p, p)); },
       "символические ссылки образуют петлю", true},
      {"device", [](const QString& p) { ASSERT_TRUE(QFile::link("/dev/null", p)); },
       "это не обычный файл", true},
      {"FIFO", [](const QString& p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p), 0600), 0); },
       "это не обычный файл", true},
      {"too short", shortFile, "файл неполон или не читается", false},
  };
  const QString fallback = QCoreApplication::applicationDirPath() + "/Data/Elements.dat";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir libraryDir;
    ASSERT_TRUE(QFile::copy(QStringLiteral(VEXEL_LIBRARY_DIR) + "/libVexel.so",
                            libraryDir.filePath("libVexel.so")));
    const QString own = libraryDir.filePath("Elements.dat");
    c.make(own);
    QFile::remove(fallback);
    MainWindowHost host(QString(), libraryDir.path());
    ASSERT_TRUE(host.window->hasControl());
    host.show();
    ASSERT_EQ(host.prompts.messages.size(), 1);
    const QString message = host.prompts.messages.first();
    EXPECT_TRUE(message.contains("\"" + own + "\"")) << message.toStdString();
    EXPECT_TRUE(message.contains(c.cause)) << message.toStdString();
    const auto* status = host.window->findChild<QLabel*>("sbrProgramStatus_Text");
    EXPECT_EQ(status->text(), c.fallback ? "Готово" : "Ошибка");
    if (c.fallback) {
      EXPECT_EQ(QString::fromStdString(host.window->dataFile().Path()), fallback);
      EXPECT_EQ(periodic::TrimRight(host.window->dataFile().ReadElementRecord(26).Symbol), "Fe");
      EXPECT_FALSE(host.window->Halden()->Refresh().failed());
    }
    host.window->resize(500, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(host.prompts.messages.size(), 1);
  }
}

// A library that cannot be loaded is named, with the reason in Russian only.
TEST(MainWindow, LibraryFailuresAreReportedWithTheirCauseInRussian) {
  struct Case {
    const char* name;
    std::function<void(const QString&)> make;
    const char* cause;
  };
  const Case cases[] = {
      {"missing", [](const QString&) {}, "Не найдена библиотека таблицы"},
      {"link loop", [](const QString& p) { ASSERT_TRUE(QFile::link(p, p)); },
       "символические ссылки образуют петлю"},
      {"not a library",
       [](const QString& p) {
         QFile file(p);
         ASSERT_TRUE(file.open(QIODevice::WriteOnly));
         file.write("not a library");
       },
       "не является библиотекой таблицы"},
      // Loaded, a truncated library ends the program with SIGBUS.
      {"truncated",
       [](const QString& p) {
         QFile whole(QStringLiteral(VEXEL_LIBRARY_DIR) + "/libVexel.so");
         ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
         QFile cut(p);
         ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
         cut.write(whole.read(whole.size() / 2));
       },
       "файл повреждён: он обрезан"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    const QString library = dir.filePath("libVexel.so");
    c.make(library);
    MainWindowHost host(QString(), dir.path());
    EXPECT_FALSE(host.window->hasControl());
    QString message = host.window->loadError();
    EXPECT_TRUE(message.contains("\"" + library + "\"")) << message.toStdString();
    EXPECT_TRUE(message.contains(c.cause)) << message.toStdString();
    message.remove(library);
    EXPECT_FALSE(message.contains(QRegularExpression("[A-Za-z]"))) << message.toStdString();
  }
}

// The zoom prompt takes what the control can show; any other number is answered with the range.
TEST(MainWindow, ZoomPromptNamesTheRangeForANumberOutsideIt) {
  MainWindowHost host;
  host.show();
  vexel::VexelControl& halden = *host.window->Halden();
  const QString range = "Масштаб должен быть от 2 до 349 %.";
  const struct {
    const char* answer;
    int zoom;         // the zoom afterwards
    QString message;  // empty: none
  } cases[] = {
      {"150", 150, {}}, {"1", 150, range}, {"350", 150, range},         {"2", 2, {}},
      {"-5", 2, range}, {"349", 349, {}},  {"99999999999", 349, range}, {" 75 ", 75, {}},
      {"0", 75, range}, {"", 75, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    host.prompts.messages.clear();
    host.prompts.answers = {QString::fromLatin1(c.answer)};
    QTest::keyClick(host.window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(halden.ZoomVal(), c.zoom);
    EXPECT_EQ(host.prompts.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
  }
}

}  // namespace
