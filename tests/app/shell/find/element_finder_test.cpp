#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QToolBar>
#include <algorithm>
#include <cmath>

#include "app/main_window_host.h"
#include "app/shell/find/element_finder.h"
#include "app/shell/main_window/viewer_windows.h"
#include "app/viewer/frm_element_viewer.h"
#include "russian_key_events.h"

namespace {

class ElementFinderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_host.window->hasControl()) << m_host.window->loadError().toStdString();
    m_host.show();
  }
  vexel::VexelControl& halden() { return *m_host.window->Halden(); }
  QLineEdit* field() { return m_host.window->findChild<QLineEdit*>("txtFind"); }
  QString hint() { return m_host.window->findChild<QLabel*>("lblFindHint")->text(); }
  table::ElementFinder& finder() { return *m_host.window->finder(); }
  // Sets the field's text as typing it does (QTest types Latin-1 only).
  void type(const QString& text) { field()->setText(text); }
  void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(field(), key, modifiers);
  }

  MainWindowHost m_host;
};

TEST_F(ElementFinderTest, CtrlFOpensTheFieldWhateverTheLayoutAndTheButtonFollowsTheOthers) {
  EXPECT_FALSE(finder().isOpen());
  SendRussianKey(m_host.window.get(), Qt::Key_F, Qt::ControlModifier);
  EXPECT_TRUE(finder().isOpen());
  ASSERT_NE(field(), nullptr);
  EXPECT_TRUE(field()->isVisible());

  const QList<QAction*> actions = m_host.window->findChild<QToolBar*>("tlbToolbar")->actions();
  const auto indexOf = [&](const char* key) { return actions.indexOf(m_host.button(key)); };
  EXPECT_GT(indexOf("Find"), indexOf("HelpContents"));
  EXPECT_GT(indexOf("HelpContents"), indexOf("ChangeColors"));
}

TEST_F(ElementFinderTest, TheFieldShowsAlsoWithTheToolbarHidden) {
  m_host.window->findChild<QToolBar*>("tlbToolbar")->hide();
  SendRussianKey(m_host.window.get(), Qt::Key_F, Qt::ControlModifier);
  EXPECT_TRUE(field()->isVisible());
  EXPECT_TRUE(field()->hasFocus() || !QGuiApplication::focusWindow());
}

TEST_F(ElementFinderTest, TypingMarksTheMatchOrGivesAQuietHint) {
  finder().open();
  const struct {
    const char* typed;
    int marked;
  } cases[] = {{"fe", 26},     {"FE", 26},     {"26", 26}, {"жел", 26},
               {"Железо", 26}, {"ferrum", 26}, {"ферр", 0}};
  for (const auto& c : cases) {
    type(QString::fromUtf8(c.typed));
    EXPECT_EQ(halden().MarkedElement(), c.marked) << c.typed;
  }
  EXPECT_EQ(hint(), "Не найдено");
  // Typing in the field leaves the window's P binding alone, with either layout.
  const bool longPeriods = halden().LongPeriods();
  field()->clear();
  SendRussianKey(field(), Qt::Key_P);
  QTest::keyClick(field(), Qt::Key_P);
  EXPECT_EQ(field()->text(), "зp");
  EXPECT_EQ(halden().LongPeriods(), longPeriods);
}

// The field's editing keys edit it, with either layout; from the table Ctrl+V still opens a card.
TEST_F(ElementFinderTest, EditingKeysEditTheFieldAndCtrlVOnTheTableOpensACard) {
  QSignalSpy viewer(m_host.menuItem("mnuFile_RunElementViewer"), &QAction::triggered);
  QClipboard& clipboard = *QGuiApplication::clipboard();
  finder().open();
  for (const bool russian : {false, true}) {
    SCOPED_TRACE(russian ? "Russian layout" : "Latin layout");
    const auto send = [&](Qt::Key key) {
      if (russian)
        SendRussianKey(field(), key, Qt::ControlModifier);
      else
        QTest::keyClick(field(), key, Qt::ControlModifier);
    };
    field()->clear();
    clipboard.setText("Fe");
    send(Qt::Key_V);
    EXPECT_EQ(field()->text(), "Fe");
    EXPECT_EQ(halden().MarkedElement(), 26);
    send(Qt::Key_A);
    EXPECT_EQ(field()->selectedText(), "Fe");
    send(Qt::Key_X);
    EXPECT_EQ(field()->text(), "");
    EXPECT_EQ(clipboard.text(), "Fe");
    send(Qt::Key_Z);
    EXPECT_EQ(field()->text(), "Fe");
    clipboard.clear();
    send(Qt::Key_A);
    send(Qt::Key_C);
    EXPECT_EQ(clipboard.text(), "Fe");
  }
  EXPECT_EQ(viewer.count(), 0);
  SendRussianKey(halden().widget(), Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(halden().widget(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(viewer.count(), 2);
}

// The hint, "Не найдено" included, and the placeholder read at 4.5:1 or better (WCAG's contrast
// of relative luminances), and the placeholder fits the field beside its clear button.
TEST_F(ElementFinderTest, HintAndPlaceholderAreReadableAndWhole) {
  const auto luminance = [](const QColor& c) {
    const auto channel = [](double v) {
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
  };
  const auto contrast = [&](const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
  };
  finder().open();
  type("ферр");
  auto* label = m_host.window->findChild<QLabel*>("lblFindHint");
  EXPECT_EQ(label->text(), "Не найдено");
  EXPECT_TRUE(label->isEnabled());
  // Whole, and the toolbar whole too, in a window of the design size and in a narrower one.
  for (const int width : {m_host.window->width(), 560}) {
    SCOPED_TRACE(width);
    finder().close();
    m_host.window->resize(width, m_host.window->height());
    finder().open();
    QCoreApplication::processEvents();
    EXPECT_TRUE(label->isVisible());
    EXPECT_GE(label->width(), label->sizeHint().width());
    auto* toolbar = m_host.window->findChild<QToolBar*>("tlbToolbar");
    EXPECT_TRUE(toolbar->widgetForAction(m_host.button("HelpContents"))->isVisible());
  }
  const QColor background = label->parentWidget()->palette().color(QPalette::Window);
  EXPECT_GE(contrast(label->palette().color(QPalette::WindowText), background), 4.5);
  EXPECT_GE(contrast(field()->palette().color(QPalette::PlaceholderText),
                     field()->palette().color(QPalette::Base)),
            4.5);
  // Quiet still: the hint is not the plain text colour where a muted one reads as well.
  EXPECT_NE(label->palette().color(QPalette::WindowText),
            label->parentWidget()->palette().color(QPalette::WindowText));

  // The text needs the frames, the field's own margins of 2 pixels and the clear button, which
  // takes its icon and 10 pixels more.
  const int text = field()->fontMetrics().horizontalAdvance(field()->placeholderText());
  const int frame = field()->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
  const int clearButton = field()->style()->pixelMetric(QStyle::PM_SmallIconSize) + 10;
  EXPECT_LE(text + 2 * frame + 4 + clearButton, field()->width());
}

TEST_F(ElementFinderTest, SeveralMatchesStepWithEnterAndF3) {
  finder().open();
  type("н");
  ASSERT_EQ(finder().matches(), (std::vector<int>{10, 11, 28, 41, 60, 93, 102}));
  EXPECT_EQ(halden().MarkedElement(), 10);
  EXPECT_EQ(hint(), "1 из 7");
  press(Qt::Key_Return);
  EXPECT_EQ(halden().MarkedElement(), 11);
  press(Qt::Key_F3);
  EXPECT_EQ(halden().MarkedElement(), 28);
  press(Qt::Key_F3, Qt::ShiftModifier);
  EXPECT_EQ(halden().MarkedElement(), 11);
  press(Qt::Key_F3, Qt::ShiftModifier);
  press(Qt::Key_F3, Qt::ShiftModifier);
  EXPECT_EQ(halden().MarkedElement(), 102);  // stepping goes round
  EXPECT_EQ(hint(), "7 из 7");
}

TEST_F(ElementFinderTest, EnterOnASingleMatchAsksForItsCardAndEscClears) {
  QSignalSpy asked(halden().widget(), SIGNAL(AdditionalInfoAsked(int, float, float)));
  finder().open();
  type("fe");
  press(Qt::Key_Enter);
  ASSERT_EQ(asked.count(), 1);
  EXPECT_EQ(asked.at(0).at(0).toInt(), 26);
  EXPECT_EQ(m_host.window->viewerWindows().window(1)->windowTitle(), "Fe - Железо");

  press(Qt::Key_Escape);
  EXPECT_FALSE(finder().isOpen());
  EXPECT_EQ(halden().MarkedElement(), 0);
  // Opening again selects the last text, so typing replaces it.
  finder().open();
  EXPECT_EQ(field()->selectedText(), "fe");
  EXPECT_EQ(halden().MarkedElement(), 26);
}

TEST_F(ElementFinderTest, EnterOnTheTableOpensTheFocusedElementsCard) {
  QWidget* table = halden().widget();
  for (const Qt::Key key : {Qt::Key_Home, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return})
    QTest::keyClick(table, key);
  QCoreApplication::processEvents();
  table::frmTElementViewer* card = m_host.window->viewerWindows().window(1);
  ASSERT_NE(card, nullptr);
  EXPECT_TRUE(card->isVisible());
  EXPECT_EQ(card->windowTitle(), "Ne - Неон");
}

}  // namespace
