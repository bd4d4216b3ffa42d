#include <gtest/gtest.h>

#include <QAccessible>
#include <QFile>
#include <QHelpEvent>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include "vexel_host.h"

namespace {

// Cells in the short form with its oxide rows, at 100 %: origin (910, 610), 900 x 600 twips.
constexpr QPoint kIron(910 + 7 * 900, 610 + 3 * 600);
constexpr QPoint kElement110(910 + 9 * 900, 610 + 9 * 600);

QPoint CentreInPixels(QPoint cell) {
  return QPoint((cell.x() + 450) / 15, (cell.y() + 300) / 15);
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class VexelMarksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_host.control().InitProperties();
    m_host.resizeTwips(15000, 11000);
  }
  vexel::VexelControl& control() { return m_host.control(); }
  QWidget* output() { return m_host.child<QWidget>("picOutput"); }
  void key(Qt::Key k) { QTest::keyClick(&m_host.widget(), k); }
  // Gives the control the keyboard, as a click into the shown window does.
  void focusControl() {
    m_host.window().activateWindow();
    QApplication::setActiveWindow(&m_host.window());
    m_host.widget().setFocus(Qt::MouseFocusReason);
  }

  VexelHost m_host;
};

TEST_F(VexelMarksTest, MarkShowsOnScreenButNotInTheSavedPicture) {
  QTemporaryDir dir;
  QString plain = dir.filePath("plain.bmp");
  QString marked = dir.filePath("marked.bmp");
  ASSERT_FALSE(control().SaveAsBitmap(plain).failed());
  const QImage before = output()->grab().toImage();

  ASSERT_FALSE(control().MarkElement(26).failed());
  ASSERT_FALSE(control().setFocusedElement(26).failed());
  EXPECT_EQ(control().MarkedElement(), 26);
  ASSERT_FALSE(control().SaveAsBitmap(marked).failed());
  EXPECT_EQ(ReadAll(plain), ReadAll(marked));

  // On screen the mark lies in red on iron's cell border, and nothing else changes.
  const QImage after = output()->grab().toImage();
  const QColor edge = after.pixelColor(qRound(kIron.x() / 15.0), CentreInPixels(kIron).y());
  EXPECT_GT(edge.red(), 150);
  EXPECT_LT(edge.green(), 80);
  EXPECT_EQ(after.pixelColor(CentreInPixels(kElement110)),
            before.pixelColor(CentreInPixels(kElement110)));

  ASSERT_FALSE(control().MarkElement(0).failed());
  EXPECT_EQ(control().MarkedElement(), 0);
  for (const int bad : {-1, 111}) {
    const vexel::Error error = control().MarkElement(bad);
    EXPECT_EQ(error.number, 5);
    EXPECT_TRUE(control().setFocusedElement(bad).failed());
    EXPECT_TRUE(control().AskElementInfo(bad).failed());
    EXPECT_TRUE(control().ScrollToElement(bad).failed());
  }
  EXPECT_EQ(control().MarkedElement(), 0);
  EXPECT_EQ(control().FocusedElement(), 26);
}

TEST_F(VexelMarksTest, KeysMoveTheFrameAndEnterAsksForTheElement) {
  QSignalSpy asked(&m_host.widget(), SIGNAL(AdditionalInfoAsked(int, float, float)));
  EXPECT_FALSE(control().FocusFrameVisible());
  // The first arrow only shows where the frame stands.
  key(Qt::Key_Right);
  EXPECT_TRUE(control().FocusFrameVisible());
  EXPECT_EQ(control().FocusedElement(), 1);
  key(Qt::Key_Right);
  EXPECT_EQ(control().FocusedElement(), 2);
  key(Qt::Key_Right);
  EXPECT_EQ(control().FocusedElement(), 2);
  key(Qt::Key_Down);
  EXPECT_EQ(control().FocusedElement(), 10);
  key(Qt::Key_End);
  EXPECT_EQ(control().FocusedElement(), 110);
  key(Qt::Key_Home);
  EXPECT_EQ(control().FocusedElement(), 1);
  // Keys with Ctrl or Alt are not the frame's.
  QTest::keyClick(&m_host.widget(), Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(control().FocusedElement(), 1);

  control().setFocusedElement(26);
  key(Qt::Key_Return);
  key(Qt::Key_Space);
  ASSERT_EQ(asked.count(), 2);
  for (const QList<QVariant>& event : asked) {
    EXPECT_EQ(event.at(0).toInt(), 26);
    EXPECT_FLOAT_EQ(event.at(1).toFloat(), kIron.x() + 450.0f);
    EXPECT_FLOAT_EQ(event.at(2).toFloat(), kIron.y() + 300.0f);
  }

  // The mouse hides the frame, and the keyboard goes on from the clicked cell.
  QTest::mouseClick(output(), Qt::LeftButton, {}, CentreInPixels(kElement110));
  EXPECT_FALSE(control().FocusFrameVisible());
  EXPECT_EQ(control().FocusedElement(), 110);
}

TEST_F(VexelMarksTest, TheFrameAndFoundCellsAreScrolledIntoView) {
  m_host.resizeTwips(4500, 3000);
  control().ZoomTable(200);
  auto* hbar = m_host.child<QScrollBar>("hscrPicRightLeft");
  auto* vbar = m_host.child<QScrollBar>("vscrPicUpDown");
  ASSERT_FALSE(hbar->isHidden());
  ASSERT_FALSE(vbar->isHidden());
  const QRect view(0, 0, m_host.widget().width() - vbar->width(),
                   m_host.widget().height() - hbar->height());
  const auto cellInView = [&](QPoint cell) {
    const QRect pixels(output()->pos() + QPoint(cell.x() * 2 / 15, cell.y() * 2 / 15),
                       QSize(900 * 2 / 15, 600 * 2 / 15));
    return view.contains(pixels);
  };
  EXPECT_FALSE(cellInView(kElement110));
  key(Qt::Key_End);
  EXPECT_TRUE(cellInView(kElement110));
  EXPECT_GT(hbar->value(), 0);
  key(Qt::Key_Home);
  EXPECT_TRUE(cellInView(QPoint(910 + 6 * 900, 610)));

  ASSERT_FALSE(control().ScrollToElement(26).failed());
  EXPECT_TRUE(cellInView(kIron));
}

TEST_F(VexelMarksTest, AssistiveTechnologyReadsTheFocusedCell) {
  focusControl();
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&m_host.widget());
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->role(), QAccessible::Table);
  ASSERT_EQ(table->childCount(), 110);
  EXPECT_EQ(table->child(0)->text(QAccessible::Name), "Водород, H, 1");
  EXPECT_EQ(table->indexOfChild(table->child(25)), 25);

  control().setFocusedElement(26);
  if (!m_host.widget().hasFocus()) GTEST_SKIP() << "the platform gives no window the focus";
  QAccessibleInterface* focused = table->focusChild();
  ASSERT_NE(focused, nullptr);
  EXPECT_EQ(focused->text(QAccessible::Name), "Железо, Fe, 26");
  EXPECT_TRUE(focused->state().focused);
  EXPECT_EQ(focused->role(), QAccessible::Cell);
  // The cell lies where it is drawn.
  const QPoint centre = output()->mapToGlobal(CentreInPixels(kIron));
  EXPECT_TRUE(focused->rect().contains(centre));
  EXPECT_EQ(table->childAt(centre.x(), centre.y()), focused);

  // The frame shows only while the keyboard is on the table.
  EXPECT_TRUE(control().FocusFrameVisible());
  m_host.widget().clearFocus();
  EXPECT_FALSE(control().FocusFrameVisible());
  EXPECT_EQ(table->focusChild(), nullptr);
}

TEST_F(VexelMarksTest, HoverShowsTheElementsFacts) {
  bool accepted = false;
  const auto hover = [&](QPoint pixels) {
    QHelpEvent event(QEvent::ToolTip, pixels, output()->mapToGlobal(pixels));
    QCoreApplication::sendEvent(output(), &event);
    accepted = event.isAccepted();
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  };
  const QString iron = hover(CentreInPixels(kIron));
  EXPECT_TRUE(iron.contains("Железо")) << iron.toStdString();
  EXPECT_TRUE(iron.contains("Ferrum"));
  EXPECT_TRUE(iron.contains("3d<sup>6</sup>4s<sup>2</sup>"));
  EXPECT_TRUE(hover(CentreInPixels(kElement110)).contains("Порядковый номер: 110"));
  EXPECT_TRUE(accepted);
  // The bracketed hydrogen cell is no element: no tip of its own.
  hover(CentreInPixels(QPoint(910, 610)));
  EXPECT_FALSE(accepted);
}

}  // namespace
