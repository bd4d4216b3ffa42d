#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cerrno>

#include "app/command_fakes.h"
#include "app/main_window_host.h"
#include "app/shell/services/calculator.h"
#include "russian_key_events.h"

namespace {

// Runs a command-line tool and returns what it printed; empty when it could not run.
QString RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(20000) || process.exitCode() != 0) return {};
  return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// Messages that also run a check while they are shown.
struct WatchedPrompts : ScriptedPrompts {
  void warning(QWidget* parent, const QString& title, const QString& text) override {
    if (whileShown) whileShown();
    ScriptedPrompts::warning(parent, title, text);
  }
  std::function<void()> whileShown;
};

// The main window with scripted messages, save and printer dialogs, shown.
struct CommandsFixture {
  CommandsFixture()
      : host(QString(), QStringLiteral(VEXEL_LIBRARY_DIR),
             [this](table::MainWindowSetup& setup) { setup.prompts = &prompts; }),
        saveFile(host.saveFile),
        printer(host.printer) {
    host.show();
  }
  QString statusText() { return host.window->findChild<QLabel*>("sbrProgramStatus_Text")->text(); }

  WatchedPrompts prompts;
  MainWindowHost host;
  ScriptedSaveFile& saveFile;
  PdfPrinterSetup& printer;
  QTemporaryDir dir;
};

TEST(SaveAsBitmap, WritesTheZoomedPictureAsAWindowsBitmap) {
  CommandsFixture f;
  f.host.window->Halden()->setZoomVal(50);
  const QString file = f.dir.filePath("table.bmp");
  f.saveFile.answer = table::SaveFileChoice{file, 0};
  QString statusWhileOpen;
  f.saveFile.whileOpen = [&] { statusWhileOpen = f.statusText(); };
  f.host.menuItem("mnuFile_SaveAsBitmap")->trigger();

  ASSERT_EQ(f.saveFile.requests.size(), 1u);
  const table::SaveFileRequest& request = f.saveFile.requests.front();
  EXPECT_EQ(request.initialName, "*.bmp");
  EXPECT_EQ(request.defaultExtension, "bmp");
  ASSERT_EQ(request.filters.size(), 4);  // the bitmap first, then PNG, SVG and PDF
  EXPECT_EQ(request.filters.first(), "Точечные рисунки Bitmap (*.bmp)");
  EXPECT_EQ(statusWhileOpen, "Сохранение рисунка...");
  EXPECT_EQ(f.statusText(), "Готово");
  EXPECT_TRUE(f.prompts.messages.isEmpty());

  QFile bytes(file);
  ASSERT_TRUE(bytes.open(QIODevice::ReadOnly));
  EXPECT_EQ(bytes.read(2), "BM");
  const QImage saved(file, "BMP");
  auto* output = f.host.window->Halden()->widget()->findChild<QWidget*>("picOutput");
  ASSERT_NE(output, nullptr);
  ASSERT_EQ(saved.size(), output->size());
  // Pixel for pixel what the table shows.
  const QImage shown = output->grab().toImage().convertToFormat(saved.format());
  EXPECT_EQ(saved, shown);
  // An image viewer of its own reads it as a bitmap of the same size.
  const QString identified = RunTool("identify", {"-format", "%m %w %h", file});
  EXPECT_TRUE(QRegularExpression(QString("^BMP\\d? %1 %2$").arg(saved.width()).arg(saved.height()))
                  .match(identified)
                  .hasMatch())
      << identified.toStdString();
}

TEST(SaveAsBitmap, CancelAPatternOrAFailure) {
  struct Case {
    const char* what;
    std::optional<QString> answer;  // relative to the temporary folder
    QString message;                // after "Error: N\n", the file's path in place of %1
  };
  const Case cases[] = {
      {"cancelled", std::nullopt, {}},
      {"name left as the pattern", QString("*.bmp"), {}},
      {"folder missing", QString("missing/table.bmp"),
       QString("Error: %1\nНе удалось сохранить рисунок в файл \"%2\": файл не найден.")
           .arg(ENOENT)},
      {"a folder in the way", QString("folder.bmp"),
       QString("Error: %1\nНе удалось сохранить рисунок в файл \"%2\": на этом месте папка, а "
               "не файл.")
           .arg(EISDIR)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CommandsFixture f;
    ASSERT_TRUE(QDir(f.dir.path()).mkdir("folder.bmp"));
    if (c.answer) f.saveFile.answer = table::SaveFileChoice{f.dir.filePath(*c.answer), 0};
    QString statusAtMessage;
    f.prompts.whileShown = [&] { statusAtMessage = f.statusText(); };
    f.host.menuItem("mnuFile_SaveAsBitmap")->trigger();
    EXPECT_EQ(f.statusText(), "Готово");
    EXPECT_TRUE(QDir(f.dir.path()).entryList(QDir::Files).isEmpty());
    ASSERT_EQ(f.prompts.messages.size(), c.message.isEmpty() ? 0 : 1);
    if (!c.message.isEmpty()) {
      EXPECT_EQ(statusAtMessage, "Ошибка");
      EXPECT_EQ(f.prompts.messages.first(), c.message.arg(f.dir.filePath(*c.answer)));
    }
  }
}

TEST(SaveAsBitmap, CommonDialogFiltersBecomeQtNameFilters) {
  const std::pair<QString, QStringList> cases[] = {
      {"Точечные рисунки Bitmap (*.bmp)|*.bmp", {"Точечные рисунки Bitmap (*.bmp)"}},
      {"Рисунки PNG|*.png;*.PNG|Все файлы (*.*)|*.*",
       {"Рисунки PNG (*.png *.PNG)", "Все файлы (*.*)"}},
      {"", {}},
  };
  for (const auto& [filter, expected] : cases)
    EXPECT_EQ(table::NameFiltersFrom(filter), expected) << filter.toStdString();
}

TEST(SaveAsBitmap, TheTypeFollowsTheChosenFilterAndTheExtension) {
  enum { Bmp, Png, Svg, Pdf };
  struct Case {
    const char* answer;
    int filter;
    const char* written;
    QByteArray start;
  };
  const Case cases[] = {
      {"a", Png, "a.png", "\x89PNG"}, {"b", Svg, "b.svg", "<?xml"},
      {"c", Pdf, "c.pdf", "%PDF-"},   {"d.pdf", Bmp, "d.pdf", "%PDF-"},
      {"e.bmp", Svg, "e.bmp", "BM"},  {"f.svg", Bmp, "f.svg", "<?xml"},
      {"*.png", Png, nullptr, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    CommandsFixture f;
    f.saveFile.answer = table::SaveFileChoice{f.dir.filePath(c.answer), c.filter};
    f.host.menuItem("mnuFile_SaveAsBitmap")->trigger();
    EXPECT_TRUE(f.prompts.messages.isEmpty());
    const QStringList files = QDir(f.dir.path()).entryList(QDir::Files);
    if (!c.written) {
      EXPECT_TRUE(files.isEmpty());
      continue;
    }
    ASSERT_EQ(files, QStringList{c.written});
    QFile file(f.dir.filePath(c.written));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(c.start.size()) == c.start);
  }
  const std::pair<QString, QString> extensions[] = {
      {"Рисунки PNG (*.png)", "png"}, {"Рисунки PNG (*.png *.PNG)", "png"}, {"Все файлы (*)", ""}};
  for (const auto& [filter, extension] : extensions)
    EXPECT_EQ(table::FilterExtension(filter), extension) << filter.toStdString();
}

TEST(PrintTable, CtrlPPrintsOneLandscapePageAndRestoresTheOrientation) {
  CommandsFixture f;
  QPrinter& printer = f.host.window->Halden()->Printer();
  printer.setPageOrientation(QPageLayout::Portrait);
  f.printer.accept = true;
  f.printer.pdfFile = f.dir.filePath("table.pdf");
  SendRussianKey(f.host.window.get(), Qt::Key_P, Qt::ControlModifier);

  EXPECT_EQ(f.printer.orientations, QList<QPageLayout::Orientation>{QPageLayout::Landscape});
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
  EXPECT_TRUE(f.prompts.messages.isEmpty()) << f.prompts.messages.join("|").toStdString();
  printer.setOutputFileName(QString());

  const QString info = RunTool("pdfinfo", {f.printer.pdfFile});
  ASSERT_FALSE(info.isEmpty()) << "pdfinfo could not read the file";
  EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
  const QRegularExpressionMatch size =
      QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(info);
  ASSERT_TRUE(size.hasMatch()) << info.toStdString();
  EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble()) << "not landscape";

  // The whole table is on the page: the drawing ends before the page's right and bottom edges.
  ASSERT_TRUE(QProcess::execute("pdftoppm", {"-r", "30", "-png", "-singlefile", f.printer.pdfFile,
                                             f.dir.filePath("page")}) == 0);
  const QImage page(f.dir.filePath("page.png"));
  ASSERT_FALSE(page.isNull());
  int right = -1, bottom = -1;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (qGray(page.pixel(x, y)) < 200) {
        right = std::max(right, x);
        bottom = std::max(bottom, y);
      }
  EXPECT_GT(right, page.width() / 2);
  EXPECT_LT(right, page.width() - 2);
  EXPECT_LT(bottom, page.height() - 2);
}

TEST(PrintTable, ACancelledDialogPrintsNothingAndRestoresTheOrientation) {
  CommandsFixture f;
  QPrinter& printer = f.host.window->Halden()->Printer();
  printer.setPageOrientation(QPageLayout::Portrait);
  f.host.button("Print")->trigger();
  EXPECT_EQ(f.printer.orientations.size(), 1);
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
  EXPECT_TRUE(f.prompts.messages.isEmpty());
}

TEST(Calculator, StartsBesideTheProgramWithoutArgumentsOrSaysItIsMissing) {
  struct Case {
    const char* what;
    bool present;
    bool starts;
    const char* message;  // the start of the message, or null for none
  };
  const Case cases[] = {
      {"missing", false, false, "Химический калькулятор не установлен: не найден файл "},
      {"present", true, true, nullptr},
      {"does not start", true, false, "Не удалось запустить химический калькулятор "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QTemporaryDir folder;
    const QString program = folder.filePath("tarvik");
    if (c.present) {
      QFile file(program);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.setPermissions(QFile::ExeOwner | QFile::ReadOwner | QFile::WriteOwner);
    }
    ScriptedPrompts prompts;
    RecordingStarter starter;
    starter.succeeds = c.starts;
    table::StartCalculator(folder.path(), starter, prompts, nullptr);
    if (c.present) {
      EXPECT_EQ(starter.started, QStringList{program});
      EXPECT_EQ(starter.arguments, QList<QStringList>{QStringList()});
    } else {
      EXPECT_TRUE(starter.started.isEmpty());
    }
    if (c.message) {
      ASSERT_EQ(prompts.messages.size(), 1);
      EXPECT_TRUE(prompts.messages.first().startsWith(QString::fromUtf8(c.message)));
      EXPECT_TRUE(prompts.messages.first().contains(program));
    } else {
      EXPECT_TRUE(prompts.messages.isEmpty());
    }
  }
}

TEST(Calculator, TheMenuLooksBesideTheProgram) {
  MainWindowHost host;
  host.menuItem("mnuCommands_Tarvik")->trigger();
  const QString expected = QCoreApplication::applicationDirPath() + "/tarvik";
  if (QFileInfo(expected).exists()) GTEST_SKIP() << "a calculator lies beside the tests";
  ASSERT_EQ(host.prompts.messages.size(), 1);
  EXPECT_TRUE(host.prompts.messages.first().contains(expected));
}

}  // namespace
