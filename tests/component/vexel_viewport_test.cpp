#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPluginLoader>
#include <QPrinter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "file_size_limit.h"
#include "vexel_host.h"

namespace {

using vexel::VexelControl;

// The short form with its oxide rows is 13550 x 9600 twips at 100 %.
constexpr int kTableWidth = 13550;
constexpr int kTableHeight = 9600;

class VexelViewportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_host.control().InitProperties();
    m_host.resizeTwips(15000, 11000);
  }
  QWidget* output() { return m_host.child<QWidget>("picOutput"); }
  QScrollBar* hbar() { return m_host.child<QScrollBar>("hscrPicRightLeft"); }
  QScrollBar* vbar() { return m_host.child<QScrollBar>("vscrPicUpDown"); }

  VexelHost m_host;
};

TEST_F(VexelViewportTest, ZoomScalesThePictureWithoutRedrawing) {
  QSignalSpy status(&m_host.widget(), SIGNAL(ChangeStatusbarText(QString)));
  EXPECT_EQ(output()->size(), QSize(kTableWidth / 15, kTableHeight / 15));
  m_host.control().ZoomTable(50);
  EXPECT_EQ(output()->width(), qRound(kTableWidth / 2 / 15.0));
  EXPECT_EQ(output()->height(), kTableHeight / 2 / 15);
  EXPECT_EQ(status.count(), 2);
  EXPECT_EQ(status.at(0).at(0).toString(), "Изменяю размеры таблицы...");
  EXPECT_EQ(m_host.control().ZoomVal(), 50);
}

TEST_F(VexelViewportTest, ScrollBarsFollowThePictureAndTheViewport) {
  // The viewport is larger than the picture: no bar, picture at the corner.
  EXPECT_TRUE(hbar()->isHidden());
  EXPECT_TRUE(vbar()->isHidden());
  EXPECT_EQ(output()->pos(), QPoint(0, 0));

  // Wider than the viewport, well lower than it: the horizontal bar only.
  m_host.resizeTwips(9000, 11000);
  EXPECT_FALSE(hbar()->isHidden());
  EXPECT_TRUE(vbar()->isHidden());
  EXPECT_EQ(hbar()->maximum(), qRound((kTableWidth - 9000 + 50) / 100.0));

  // Both bars, when the picture exceeds the viewport both ways.
  m_host.resizeTwips(6000, 4500);
  ASSERT_FALSE(hbar()->isHidden());
  ASSERT_FALSE(vbar()->isHidden());
  EXPECT_FALSE(m_host.child<QWidget>("picScrollBarsSquare")->isHidden());

  // A bar's value scrolls the picture by 100 twips a step, and keeps its relative place
  // across a zoom.
  hbar()->setValue(hbar()->maximum() / 2);
  EXPECT_EQ(output()->x(), qRound(-100.0 * hbar()->value() / 15));
  m_host.control().ZoomTable(200);
  EXPECT_NEAR(static_cast<double>(hbar()->value()) / hbar()->maximum(), 0.5, 0.02);
  EXPECT_EQ(output()->x(), qRound(-100.0 * hbar()->value() / 15));
  EXPECT_EQ(m_host.control().HScrollBarValue(), hbar()->value());
}

TEST_F(VexelViewportTest, ClicksAskForTheElementUnderThePointer) {
  QSignalSpy asked(&m_host.widget(), SIGNAL(AdditionalInfoAsked(int, float, float)));
  // At 150 % the border between Li and Be lies exactly on pixel 181 (2715 twips).
  m_host.control().ZoomTable(150);
  const QPoint lithium((910 + 450) * 3 / 2 / 15, (610 + 900) * 3 / 2 / 15);
  const QPoint gap(181, lithium.y());

  m_host.control().setOpenViewerOnDblClick(false);
  QTest::mouseClick(output(), Qt::LeftButton, {}, lithium);
  QTest::mouseClick(output(), Qt::LeftButton, {}, gap);
  QTest::mouseClick(output(), Qt::RightButton, {}, lithium);
  ASSERT_EQ(asked.count(), 2);
  EXPECT_EQ(asked.at(0).at(0).toInt(), 3);
  EXPECT_FLOAT_EQ(asked.at(0).at(1).toFloat(), lithium.x() * 15.0f);
  EXPECT_FLOAT_EQ(asked.at(0).at(2).toFloat(), lithium.y() * 15.0f);
  EXPECT_EQ(asked.at(1).at(0).toInt(), 0);

  asked.clear();
  m_host.control().setOpenViewerOnDblClick(true);
  QTest::mouseClick(output(), Qt::LeftButton, {}, lithium);
  EXPECT_EQ(asked.count(), 0);
  QTest::mouseDClick(output(), Qt::LeftButton, {}, lithium);
  ASSERT_EQ(asked.count(), 1);
  EXPECT_EQ(asked.at(0).at(0).toInt(), 3);
  QTest::mouseClick(output(), Qt::RightButton, {}, lithium);
  QTest::mouseDClick(output(), Qt::RightButton, {}, lithium);
  EXPECT_EQ(asked.count(), 1);
}

TEST_F(VexelViewportTest, BitmapAtHalfZoomIsHalfAsLarge) {
  QTemporaryDir dir;
  QString full = dir.filePath("full.bmp");
  QString half = dir.filePath("half.bmp");
  EXPECT_FALSE(m_host.control().SaveAsBitmap(full).failed());
  m_host.control().ZoomTable(50);
  EXPECT_FALSE(m_host.control().SaveAsBitmap(half).failed());
  const QImage a(full, "BMP");
  const QImage b(half, "BMP");
  EXPECT_EQ(a.size(), QSize(903, 640));
  EXPECT_EQ(b.size(), output()->size());
  EXPECT_EQ(b.size(), QSize(452, 320));
  QFile file(full);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.read(2), "BM");

  QString bad = dir.filePath("missing/table.bmp");
  const vexel::Error error = m_host.control().SaveAsBitmap(bad);
  EXPECT_TRUE(error.failed());
  EXPECT_TRUE(error.description.contains("missing/table.bmp"));
}

// Each control saves its own picture at its own zoom, and goes on drawing from the shared data
// file when another control of the thread is destroyed.
TEST_F(VexelViewportTest, ControlsOfOneThreadKeepTheirOwnPictureAndDataFile) {
  QTemporaryDir dir;
  QString path = dir.filePath("table.bmp");
  {
    VexelHost other;
    other.control().InitProperties();
    other.resizeTwips(15000, 11000);
    ASSERT_FALSE(other.control().ZoomTable(50).failed());
    ASSERT_FALSE(m_host.control().SaveAsBitmap(path).failed());
    EXPECT_EQ(QImage(path, "BMP").size(), QSize(903, 640));
  }
  EXPECT_FALSE(m_host.control().Refresh().failed());
}

// A failed write (the file size limit stands in for a full disk) reports the system's error and
// leaves no file.
TEST_F(VexelViewportTest, FailedBitmapWriteLeavesNoFile) {
  QTemporaryDir dir;
  for (const QString name : {"small.bmp", "large.bmp"}) {
    SCOPED_TRACE(name.toStdString());
    QString path = dir.filePath(name);
    m_host.control().ZoomTable(name == "small.bmp" ? 25 : 200);
    vexel::Error error;
    {
      const FileSizeLimit limit(1000);
      error = m_host.control().SaveAsBitmap(path);
    }
    EXPECT_EQ(error.number, EFBIG);
    EXPECT_EQ(error.description, "cannot write file '" + path + "': File too large");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
  }
}

// A host calls the members that take a number with an ordinary int.
TEST_F(VexelViewportTest, NumberMembersAreCalledWithInt) {
  vexel::Error result;
  EXPECT_TRUE(QMetaObject::invokeMethod(&m_host.widget(), "ZoomTable",
                                        Q_RETURN_ARG(vexel::Error, result), Q_ARG(int, 200)));
  EXPECT_EQ(m_host.control().ZoomVal(), 200);
}

TEST_F(VexelViewportTest, PrintsOnePageAndReportsFailuresInAMessage) {
  QTemporaryDir dir;
  QStringList messages;
  m_host.control().SetMessageHandler([&](const QString& text) { messages << text; });
  QPrinter& printer = m_host.control().Printer();
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("table.pdf"));
  printer.setPageOrientation(QPageLayout::Landscape);
  EXPECT_FALSE(m_host.control().PrintTable().failed());
  EXPECT_TRUE(messages.isEmpty());
  QFile pdf(dir.filePath("table.pdf"));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");

  printer.setOutputFileName(dir.filePath("missing/table.pdf"));
  EXPECT_FALSE(m_host.control().PrintTable().failed());
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages.first().startsWith("Error ")) << messages.first().toStdString();
  EXPECT_TRUE(messages.first().endsWith(". Error source - Vexel"));
  printer.setOutputFileName(QString());
}

TEST_F(VexelViewportTest, SettingsFileRoundTripAndBytes) {
  QTemporaryDir dir;
  VexelControl& c = m_host.control();
  for (auto setter : {&VexelControl::setLongPeriods, &VexelControl::setShowAtomicMass,
                      &VexelControl::setShowElementsName, &VexelControl::setLatInsteadOfRus,
                      &VexelControl::setDifferSPDF, &VexelControl::setDifferMetalsNonmetals,
                      &VexelControl::setInvertColors, &VexelControl::setShowHighestOxidesTable,
                      &VexelControl::setMoveOutInertGases})
    (c.*setter)(false);
  c.setZoomVal(150);
  QString name = dir.filePath("Table.cfg");
  ASSERT_FALSE(c.SaveSettings(name).failed());
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  ASSERT_EQ(bytes.size(), 34);
  EXPECT_EQ(bytes.left(18), QByteArray(18, '\0'));
  EXPECT_EQ(bytes.mid(18, 4), QByteArray("\x96\0\0\0", 4));
  EXPECT_EQ(bytes.mid(32, 2), QByteArray("\xFF\xFF", 2));

  c.InitProperties();
  QSignalSpy status(&m_host.widget(), SIGNAL(ChangeStatusbarText(QString)));
  ASSERT_FALSE(c.LoadSettings(name).failed());
  EXPECT_FALSE(c.ShowAtomicMass());
  EXPECT_FALSE(c.ShowHighestOxidesTable());
  EXPECT_EQ(c.ZoomVal(), 100);  // the file's zoom is not restored
  EXPECT_TRUE(status.contains(QList<QVariant>{QStringLiteral("Рисую таблицу...")}));

  QString missing = dir.filePath("new.cfg");
  ASSERT_FALSE(c.LoadSettings(missing).failed());
  EXPECT_FALSE(QFile::exists(missing));  // made when first written, not when read
  EXPECT_TRUE(c.ShowAtomicMass());
  EXPECT_TRUE(c.ShowHighestOxidesTable());
}

TEST_F(VexelViewportTest, DrawingWithoutTheDataFileIsAClearError) {
  ASSERT_FALSE(m_host.control().CloseElementsDataFile().failed());
  const vexel::Error error = m_host.control().Refresh();
  EXPECT_TRUE(error.failed());
  EXPECT_EQ(error.description, "the element data file is not open");
  // A new control opens the file again.
  VexelHost again;
  EXPECT_FALSE(again.control().Refresh().failed());
}

TEST(VexelDataFile, AShortDataFileReachesTheHostAsAClearError) {
  // A copy of the library beside a data file that ends after forty good records.
  QTemporaryDir dir;
  ASSERT_TRUE(QFile::copy(QStringLiteral(VEXEL_LIBRARY_FILE), dir.filePath("libVexel.so")));
  QFile built(QFileInfo(QStringLiteral(VEXEL_LIBRARY_FILE)).dir().filePath("Elements.dat"));
  ASSERT_TRUE(built.open(QIODevice::ReadOnly));
  QFile data(dir.filePath("Elements.dat"));
  ASSERT_TRUE(data.open(QIODevice::WriteOnly));
  data.write(built.read(180 * 40));
  data.close();
  QPluginLoader loader(dir.filePath("libVexel.so"));
  auto* library = qobject_cast<vexel::VexelLibrary*>(loader.instance());
  ASSERT_NE(library, nullptr) << loader.errorString().toStdString();
  QWidget window;
  vexel::Error creation;
  auto control = library->CreateControl(vexel::kProgId, &window, &creation);
  ASSERT_NE(control, nullptr);
  EXPECT_FALSE(creation.failed());
  EXPECT_EQ(QFileInfo(data.fileName()).size(), 180 * 40);  // an existing file is never replaced
  control->InitProperties();
  const vexel::Error error = control->Refresh();
  EXPECT_TRUE(error.failed());
  EXPECT_TRUE(error.description.startsWith("record 41 of file '" + dir.filePath("Elements.dat") +
                                           "' lies beyond its end"))
      << error.description.toStdString();
}

TEST(VexelDataFile, ARefreshDrawsAnewWhenAnythingItDrawsFromHasChanged) {
  QTemporaryDir dir;
  ASSERT_TRUE(QFile::copy(QStringLiteral(VEXEL_LIBRARY_FILE), dir.filePath("libVexel.so")));
  QPluginLoader loader(dir.filePath("libVexel.so"));
  auto* library = qobject_cast<vexel::VexelLibrary*>(loader.instance());
  ASSERT_NE(library, nullptr) << loader.errorString().toStdString();
  QWidget window;
  window.resize(1000, 700);
  auto control = library->CreateControl(vexel::kProgId, &window, nullptr);
  ASSERT_NE(control, nullptr);
  control->InitProperties();
  control->widget()->resize(1000, 700);
  ASSERT_FALSE(control->setAutoRefresh(false).failed());
  auto* output = control->widget()->findChild<QWidget*>("picOutput");
  ASSERT_NE(output, nullptr);
  const auto drawn = [&] {
    EXPECT_FALSE(control->Refresh().failed());
    return output->grab().toImage();
  };

  QImage before = drawn();
  EXPECT_EQ(drawn(), before);
  const struct {
    const char* change;
    std::function<void()> make;
  } changes[] = {
      {"hydrogen's record replaced by helium's, the file as long as before",
       [&] {
         QFile data(dir.filePath("Elements.dat"));
         ASSERT_TRUE(data.open(QIODevice::ReadWrite));
         const QByteArray helium = data.read(2 * 180).mid(180);
         ASSERT_TRUE(data.seek(0));
         ASSERT_EQ(data.write(helium), 180);
       }},
      {"the s-block colour", [&] { control->Colors()->setSColor(0x123456); }},
      {"the back colour", [&] { ASSERT_FALSE(control->setBackColor(0x00ff00).failed()); }},
      {"Latin names", [&] { ASSERT_FALSE(control->setLatInsteadOfRus(true).failed()); }},
  };
  for (const auto& change : changes) {
    change.make();
    const QImage after = drawn();
    EXPECT_NE(after, before) << change.change;
    before = after;
  }
}

}  // namespace
