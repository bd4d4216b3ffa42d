#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHelpEngine>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "app/help/frm_help.h"
#include "app/help/help_collection.h"
#include "app/help/help_search_pane.h"
#include "app/help/help_topics.h"
#include "app/help/qt_help.h"
#include "app/main_window_host.h"
#include "app/shell/services/lazy_help.h"
#include "russian_key_events.h"

using namespace table;

TEST(HelpTopics, MatchCommandsWithoutRegardToCase) {
  const struct {
    const char* text;
    HelpCommand command;
  } cases[] = {
      {"TOC", HelpCommand::Contents},
      {"toc", HelpCommand::Contents},
      {"table of contents", HelpCommand::Contents},
      {"Table Of Contents", HelpCommand::Contents},
      {"INDEX", HelpCommand::Index},
      {"index", HelpCommand::Index},
      {"Search", HelpCommand::Search},
      {"INDEX ", HelpCommand::None},
      {" TOC", HelpCommand::None},
      {"", HelpCommand::None},
      {"CONTENTS", HelpCommand::None},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseHelpCommand(c.text), c.command) << c.text;
}

TEST(HelpTopics, NormalizeTheCallersPathsAndContexts) {
  const struct {
    const char* page;
    const char* path;
  } cases[] = {
      {"html\\Fe.htm", "html/Fe.htm"},
      {"html/HelpOnViewer.htm", "html/HelpOnViewer.htm"},
      {"C:\\Table\\Table.chm::/html/Introduction.htm", "html/Introduction.htm"},
      {"/html/Fe.htm", "html/Fe.htm"},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalizeTopic(c.page), c.path) << c.page;

  EXPECT_EQ(ContextTopic(1026), "html/Fe.htm");
  EXPECT_EQ(ContextTopic(1057), "html/La.htm");
  EXPECT_EQ(ContextTopic(1089), "html/Ac.htm");
  EXPECT_EQ(ContextTopic(1110), "html/.htm");
  EXPECT_EQ(ContextTopic(1), "html/HowToUseProgram.htm");
  for (int none : {0, 1000, 1111, -1}) EXPECT_EQ(ContextTopic(none), "") << none;
}

namespace {

// The help over the collection the build wrote, with its index in a folder of the test's own.
struct HelpFixture {
  explicit HelpFixture(const QString& helpFile = HELP_FILE) : help(helpFile, cache.path()) {}
  QTemporaryDir cache;
  QtHelp help;
};

QString PageText(frmHelp* window) {
  return window->findChild<QTextBrowser*>("txtHelpPage")->toPlainText();
}

QStringList SearchWithWindow(frmHelp* window, const QString& words) {
  HelpSearchPane* pane = window->searchPane();
  QSignalSpy finished(pane, &HelpSearchPane::searchFinished);
  pane->search(words);
  EXPECT_EQ(finished.count(), 1);
  QStringList titles;
  auto* results = pane->findChild<QListWidget*>("lstSearchResults");
  for (int i = 0; i < results->count(); ++i) titles << results->item(i)->text();
  return titles;
}

}  // namespace

TEST(QtHelp, ShowsPagesInOneReusedWindow) {
  HelpFixture f;
  f.help.ShowHelpCommand("INDEX ");
  EXPECT_EQ(f.help.window(), nullptr);

  f.help.ShowHelpTopic("html\\Fe.htm");
  frmHelp* window = f.help.window();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(window->hasHelp()) << window->problem().toStdString();
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->currentTopic(), "html/Fe.htm");
  EXPECT_TRUE(PageText(window).contains("Железо — Ferrum (Fe)"));

  f.help.ShowHelpContext(1057);
  EXPECT_EQ(f.help.window(), window);
  EXPECT_EQ(window->currentTopic(), "html/La.htm");
  f.help.ShowHelpContext(1110);
  EXPECT_TRUE(PageText(window).contains("Элемент 110"));
  f.help.ShowHelpTopic("html/NoSuchPage.htm");
  EXPECT_TRUE(PageText(window).contains("Страница не найдена"));

  auto* tabs = window->findChild<QTabWidget*>("tbsNavigation");
  f.help.ShowHelpCommand("Search");
  EXPECT_EQ(tabs->currentIndex(), 2);
  f.help.ShowHelpCommand("index");
  EXPECT_EQ(tabs->currentIndex(), 1);
  f.help.ShowHelpCommand("table of contents");
  EXPECT_EQ(tabs->currentIndex(), 0);

  auto* back = window->findChild<QAction*>("cmdBack");
  ASSERT_TRUE(back->isEnabled());
  back->trigger();
  EXPECT_EQ(window->currentTopic(), "html/.htm");
  back->trigger();
  EXPECT_EQ(window->currentTopic(), "html/La.htm");
  window->findChild<QAction*>("cmdForward")->trigger();
  EXPECT_EQ(window->currentTopic(), "html/.htm");

  window->close();
  f.help.ShowHelpTopic("html\\HelpOnTable.htm");
  EXPECT_EQ(f.help.window(), window);
  EXPECT_TRUE(window->isVisible());
  f.help.CloseAllHelp();
  EXPECT_EQ(f.help.window(), nullptr);
}

// The help window fits the available area of the screen it opens on, its frame included: at 2x
// scaling its design size of 900 x 640 once opened as 1800 x 1280 pixels on a 1080-pixel screen.
// The offscreen screen (800 x 600) is smaller than the design size too.
TEST(HelpWindow, FitsTheAvailableAreaOfItsScreen) {
  frmHelp window(nullptr, "Справка недоступна.");
  const QRect available = window.screen()->availableGeometry();
  ASSERT_TRUE(available.width() < 900 + 16 || available.height() < 640 + 48)
      << "the screen has room for the design size";
  window.show();
  QCoreApplication::processEvents();
  EXPECT_LE(window.frameGeometry().width(), available.width());
  EXPECT_LE(window.frameGeometry().height(), available.height());
  EXPECT_LE(window.width(), 900);
  EXPECT_LE(window.height(), 640);
  // Where the screen has room the window keeps its design size.
  EXPECT_EQ(FittedHelpSize(QSize(100, 80), window.screen()), QSize(100, 80));
  EXPECT_EQ(FittedHelpSize(QSize(900, 640), nullptr), QSize(900, 640));
}

TEST(QtHelp, FollowsRelativeLinksAndLoadsPictures) {
  HelpFixture f;
  f.help.ShowHelpTopic("html/HelpOnTable.htm");
  frmHelp* window = f.help.window();
  ASSERT_TRUE(window->hasHelp()) << window->problem().toStdString();
  auto* browser = window->findChild<QTextBrowser*>("txtHelpPage");
  EXPECT_FALSE(browser->loadResource(QTextDocument::ImageResource, QUrl("pictures/long.png"))
                   .toByteArray()
                   .isEmpty());
  EXPECT_TRUE(browser->loadResource(QTextDocument::StyleSheetResource, QUrl("../style.css"))
                  .toByteArray()
                  .contains("h1"));
  emit browser->anchorClicked(QUrl("Fe.htm"));
  EXPECT_EQ(window->currentTopic(), "html/Fe.htm");
  emit browser->anchorClicked(QUrl(".htm"));
  EXPECT_EQ(window->currentTopic(), "html/.htm");
}

TEST(HelpCollectionFolder, BelongsToOneVersionOfTheHelpFile) {
  QTemporaryDir program, cache;
  const QString helpFile = program.filePath("Table.qch");
  ASSERT_TRUE(QFile::copy(HELP_FILE, helpFile));
  QString problem;
  const QString first = OpenHelpEngine(helpFile, cache.path(), problem)->collectionFile();
  EXPECT_EQ(OpenHelpEngine(helpFile, cache.path(), problem)->collectionFile(), first);
  EXPECT_TRUE(first.startsWith(cache.path() + "/"));
  // A reinstalled help file gets a collection and search index of its own.
  QFile file(helpFile);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  file.setFileTime(QDateTime::currentDateTime().addDays(1), QFileDevice::FileModificationTime);
  file.close();
  const auto engine = OpenHelpEngine(helpFile, cache.path(), problem);
  ASSERT_NE(engine, nullptr) << problem.toStdString();
  EXPECT_NE(engine->collectionFile(), first);
}

TEST(QtHelp, SearchesFromAReadOnlyProgramFolder) {
  QTemporaryDir program;
  const QString helpFile = program.filePath("Table.qch");
  ASSERT_TRUE(QFile::copy(HELP_FILE, helpFile));
  const QString indexFile = program.filePath("TableSearch.db");
  ASSERT_TRUE(QFile::copy(SEARCH_INDEX, indexFile));
  for (const QString& file : {helpFile, indexFile})
    QFile(file).setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  QFile(program.path()).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
  const QStringList before = QDir(program.path()).entryList(QDir::AllEntries | QDir::Hidden);

  {
    HelpFixture f(helpFile);
    f.help.ShowHelpCommand("SEARCH");
    ASSERT_TRUE(f.help.window()->hasHelp()) << f.help.window()->problem().toStdString();
    EXPECT_TRUE(SearchWithWindow(f.help.window(), "железо").contains("26. Железо"));
  }
  // Nothing was written beside the program: the help engine's files live in the cache folder.
  EXPECT_EQ(QDir(program.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
  QFile(program.path()).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

namespace {

// Types text key by key, as a keyboard with the text's letters would.
void TypeText(QWidget* target, const QString& text) {
  for (const QChar c : text) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent event(type, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QCoreApplication::sendEvent(target, &event);
    }
  }
}

}  // namespace

TEST(QtHelp, SearchesAsTheUserTypesAndMarksTheWordsFound) {
  HelpFixture f;
  f.help.ShowHelpCommand("SEARCH");
  frmHelp* window = f.help.window();
  ASSERT_TRUE(window->hasHelp()) << window->problem().toStdString();
  auto* query = window->findChild<QLineEdit*>("txtSearch");
  auto* results = window->findChild<QListWidget*>("lstSearchResults");
  TypeText(query, "железа");
  ASSERT_GT(results->count(), 0);
  EXPECT_EQ(results->item(0)->text(), "26. Железо");
  EXPECT_TRUE(results->item(0)->data(Qt::UserRole + 1).toString().contains("<b>Железо</b>"));
  QTest::keyClick(query, Qt::Key_Return);
  EXPECT_EQ(window->currentTopic(), "html/Fe.htm");
  TypeText(query, " qwzxj");
  EXPECT_EQ(results->count(), 0);
  EXPECT_EQ(window->findChild<QLabel*>("lblSearchStatus")->text(), "Ничего не найдено.");

  query->setText("щёлочноземельные металлы");
  ASSERT_GT(results->count(), 1);
  emit results->itemClicked(results->item(0));
  EXPECT_EQ(window->currentTopic(), "html/HelpOnTable.htm");
  const auto* browser = window->findChild<QTextBrowser*>("txtHelpPage");
  const QList<QTextEdit::ExtraSelection> marks = browser->extraSelections();
  ASSERT_GE(marks.size(), 2);
  for (const QTextEdit::ExtraSelection& mark : marks) {
    const QString word = mark.cursor.selectedText().toLower().replace("ё", "е");
    EXPECT_TRUE(word.startsWith("щелочноземельн") || word.startsWith("металл"))
        << word.toStdString();
  }
  f.help.ShowHelpTopic("html/Fe.htm");
  EXPECT_TRUE(browser->extraSelections().isEmpty());
}

TEST(QtHelp, SaysWhenTheSearchIndexIsMissing) {
  QTemporaryDir program;
  const QString helpFile = program.filePath("Table.qch");
  ASSERT_TRUE(QFile::copy(HELP_FILE, helpFile));
  HelpFixture f(helpFile);
  f.help.ShowHelpCommand("SEARCH");
  ASSERT_TRUE(f.help.window()->hasHelp());
  EXPECT_TRUE(SearchWithWindow(f.help.window(), "железо").isEmpty());
  const QString status = f.help.window()->findChild<QLabel*>("lblSearchStatus")->text();
  EXPECT_TRUE(status.startsWith("Поиск недоступен: не читается указатель " +
                                program.filePath("TableSearch.db")))
      << status.toStdString();
}

TEST(QtHelp, SaysInRussianWhenTheHelpIsMissingOrBroken) {
  QTemporaryDir folder;
  const QString missing = folder.filePath("Table.qch");
  HelpFixture absent(missing);
  absent.help.ShowHelpCommand("TOC");
  ASSERT_NE(absent.help.window(), nullptr);
  EXPECT_FALSE(absent.help.window()->hasHelp());
  EXPECT_EQ(absent.help.window()->findChild<QLabel*>("lblHelpProblem")->text(),
            "Справка не установлена: не найден файл " + missing + ".");
  absent.help.ShowHelpContext(1026);  // no crash, the same message

  QFile broken(missing);
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("this is not a help file");
  broken.close();
  HelpFixture garbled(missing);
  garbled.help.ShowHelpTopic("html\\Fe.htm");
  EXPECT_FALSE(garbled.help.window()->hasHelp());
  const QString text = garbled.help.window()->findChild<QLabel*>("lblHelpProblem")->text();
  EXPECT_TRUE(text.startsWith("Справка не установлена: файл " + missing + " повреждён"))
      << text.toStdString();
}

TEST(MainWindowHelp, MenusButtonAndKeysCallTheHelp) {
  MainWindowHost host;
  host.show();
  host.menuItem("mnuHelp_TOC")->trigger();
  host.menuItem("mnuHelp_Index")->trigger();
  host.menuItem("mnuHelp_Search")->trigger();
  host.button("HelpContents")->trigger();
  host.menuItem("mnuHelp_HowToUseProgram")->trigger();
  QTest::keyClick(host.window.get(), Qt::Key_F1, Qt::AltModifier);
  QTest::keyClick(host.window.get(), Qt::Key_F1, Qt::ControlModifier);
  QTest::keyClick(host.window.get(), Qt::Key_F1);
  EXPECT_EQ(host.help.calls,
            QStringList({"command TOC", "command INDEX", "command SEARCH", "command TOC",
                         "topic html\\HowToUseProgram.htm", "topic html\\Introduction.htm",
                         "topic html\\HelpOnTable.htm", "topic html\\HowToUseProgram.htm"}));
  host.window->close();
  EXPECT_EQ(host.help.calls.last(), "close all");
}

namespace {

bool HelpLibraryLoaded() {
  QFile maps("/proc/self/maps");
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libTableHelp.so");
}

QWidget* ShownHelpWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == "frmHelp" && widget->isVisible()) return widget;
  }
  return nullptr;
}

}  // namespace

TEST(LazyHelp, LoadsTheHelpLibraryOnlyWhenHelpIsFirstShown) {
  QStringList reports;
  LazyHelp help([&](const QString& text) { reports << text; }, VEXEL_LIBRARY_DIR);
  help.CloseAllHelp();
  EXPECT_FALSE(HelpLibraryLoaded());
  help.ShowHelpTopic("html\\Fe.htm");
  EXPECT_TRUE(HelpLibraryLoaded());
  EXPECT_NE(ShownHelpWindow(), nullptr);
  help.CloseAllHelp();
  EXPECT_EQ(ShownHelpWindow(), nullptr);
  EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

TEST(LazyHelp, SaysInRussianWhyTheHelpLibraryCannotBeLoaded) {
  const struct {
    const char* what;
    void (*make)(const QString& file);
    const char* cause;
  } cases[] = {
      {"nothing", [](const QString&) {}, "не найдена"},
      {"a folder", [](const QString& file) { QDir().mkdir(file); }, "не удалось загрузить"},
      {"garbage",
       [](const QString& file) {
         QFile out(file);
         ASSERT_TRUE(out.open(QIODevice::WriteOnly));
         out.write("not a library");
       },
       "повреждена"},
      // Loaded, a truncated library ends the program with SIGBUS.
      {"truncated",
       [](const QString& file) {
         QFile whole(QStringLiteral(HELP_LIBRARY_FILE));
         ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
         QFile cut(file);
         ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
         cut.write(whole.read(whole.size() - 4096));
       },
       "обрезан"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath("libTableHelp.so");
    c.make(file);
    QStringList reports;
    LazyHelp help([&](const QString& text) { reports << text; }, folder.path());
    help.ShowHelpContext(1026);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].startsWith("Справка недоступна")) << reports[0].toStdString();
    EXPECT_TRUE(reports[0].contains(c.cause)) << reports[0].toStdString();
    EXPECT_TRUE(reports[0].contains(file)) << reports[0].toStdString();
    EXPECT_EQ(ShownHelpWindow(), nullptr);
  }
}
