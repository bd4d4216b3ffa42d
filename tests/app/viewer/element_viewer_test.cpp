#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/viewer/frm_element_viewer.h"
#include "app/viewer_test_host.h"
#include "russian_key_events.h"

namespace {

using table::frmTElementViewer;

// A card window shown on element n, as the pool shows it.
struct ShownViewer {
  explicit ShownViewer(int n, FakeViewerHost& h) : host(h), window(new frmTElementViewer(h)) {
    window->setTag(QString::number(n));
    window->show();
    QCoreApplication::processEvents();
  }
  ~ShownViewer() { delete window.data(); }

  void trigger(const char* item) { window->menuItem(item)->trigger(); }
  void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(window->txtEntryNumber, static_cast<Qt::Key>(key), modifiers);
  }

  FakeViewerHost& host;
  QPointer<frmTElementViewer> window;
};

QString PdfText(const QString& pdf) {
  QProcess process;
  process.start("pdftotext", {"-layout", pdf, "-"});
  if (!process.waitForFinished(20000)) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(ElementViewer, ShowsTheElementOfItsTag) {
  FakeViewerHost host;
  ShownViewer v(26, host);
  EXPECT_EQ(v.window->windowTitle(), "Fe - Железо");
  EXPECT_EQ(v.window->helpContextNumber(), 1026);
  EXPECT_EQ(v.window->upDownValue(), 26);
  EXPECT_EQ(v.window->txtEntryNumber->text(), "26");
  EXPECT_EQ(v.window->tag(), "26");
  EXPECT_FALSE(v.window->picture().commands().empty());
  EXPECT_EQ(host.rebuilds, 1);
  // Client 2940 x 2115 twips below the menu bar, fixed.
  EXPECT_EQ(v.window->centralWidget()->size(), QSize(196, 141));
  EXPECT_EQ(v.window->minimumSize(), v.window->maximumSize());
  EXPECT_FALSE(v.window->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST(ElementViewer, NeverShownWindowHasNoElement) {
  FakeViewerHost host;
  frmTElementViewer window(host);
  EXPECT_TRUE(window.tag().isEmpty());
  EXPECT_FALSE(window.upDownValue() >= 1 && window.upDownValue() <= 110);
  for (const periodic::DrawCommand& c : window.picture().commands())
    EXPECT_EQ(c.kind, periodic::DrawCommand::Kind::SetSize);
  EXPECT_EQ(host.rebuilds, 0);
}

TEST(ElementViewer, MenuCaptions) {
  FakeViewerHost host;
  frmTElementViewer window(host);
  const std::pair<const char*, const char*> captions[] = {
      {"mnuPreviousElement", "&Предыдущий элемент     P"},
      {"mnuNextElement", "&Следующий элемент       N"},
      {"mnuOptions_PrintAsText", "Печатать как &текст..."},
      {"mnuOptions_Print", "Пе&чать..."},
      {"mnuClose", "&Закрыть                            Esc, Q"},
      {"mnuView_BlackAndWhite", "Черно-&белое изображение"},
      {"mnuView_InvertColors", "&Инвертирвать цвета"},
      {"mnuHelp_HelpOnViewer", "О&бозначения"},
      {"mnuHelpAbout", "&О программе..."},
  };
  for (const auto& [name, caption] : captions) {
    ASSERT_NE(window.menuItem(name), nullptr) << name;
    EXPECT_EQ(window.menuItem(name)->text(), caption) << name;
  }
  EXPECT_EQ(window.menuItem("mnuHelp_HelpOnViewer")->shortcut(), QKeySequence("Ctrl+F1"));
}

TEST(ElementViewer, StepsWrapAroundByMenuAndKeys) {
  FakeViewerHost host;
  ShownViewer v(1, host);
  const auto value = [&v] { return v.window->upDownValue(); };
  v.trigger("mnuPreviousElement");
  EXPECT_EQ(value(), 110);
  v.trigger("mnuNextElement");
  EXPECT_EQ(value(), 1);
  v.key(Qt::Key_Down);
  EXPECT_EQ(value(), 110);
  v.key(Qt::Key_Up);
  EXPECT_EQ(value(), 1);
  v.key(Qt::Key_P, Qt::ShiftModifier);
  EXPECT_EQ(value(), 110);
  v.key(Qt::Key_N);
  EXPECT_EQ(value(), 1);
  // With the Russian layout the keys carry other letters; the keys still act.
  SendRussianKey(v.window->txtEntryNumber, Qt::Key_P);
  EXPECT_EQ(value(), 110);
  SendRussianKey(v.window->cbCallElementHelp, Qt::Key_N, Qt::ShiftModifier);
  EXPECT_EQ(value(), 1);
  EXPECT_EQ(v.window->windowTitle(), "H - Водород");
  EXPECT_EQ(v.window->txtEntryNumber->text(), "1");
}

TEST(ElementViewer, QAndEscapeClose) {
  for (const bool russian : {false, true}) {
    FakeViewerHost host;
    ShownViewer q(26, host);
    if (russian)
      SendRussianKey(q.window->txtEntryNumber, Qt::Key_Q);
    else
      q.key(Qt::Key_Q);
    ASSERT_TRUE(q.window);
    EXPECT_TRUE(q.window->isClosed());
    EXPECT_FALSE(q.window->isVisible());
    EXPECT_EQ(host.rebuilds, 2);
  }
  FakeViewerHost host;
  ShownViewer esc(26, host);
  host.closing = true;
  esc.key(Qt::Key_Escape);
  EXPECT_TRUE(esc.window->isClosed());
  // While the program closes, the list is left alone.
  EXPECT_EQ(host.rebuilds, 1);
}

TEST(ElementViewer, NumberBoxKeystrokeByKeystroke) {
  FakeViewerHost host;
  ShownViewer v(26, host);
  QLineEdit* box = v.window->txtEntryNumber;
  // The focus selects the whole number, so that typing replaces it.
  v.window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(v.window));
  box->deselect();
  box->setFocus();
  QCoreApplication::processEvents();
  EXPECT_EQ(box->selectedText(), "26");
  QTest::keyClicks(box, "2");
  EXPECT_EQ(v.window->upDownValue(), 2);
  QTest::keyClicks(box, "6");
  EXPECT_EQ(v.window->upDownValue(), 26);
  EXPECT_EQ(v.window->windowTitle(), "Fe - Железо");
  for (const char* text : {"0", "111", "x", "26", ""}) {
    box->setText(text);
    EXPECT_EQ(v.window->upDownValue(), 26) << text;
    EXPECT_EQ(box->text(), "26") << text;
  }
  box->selectAll();
  QTest::keyClicks(box, "x");
  EXPECT_EQ(box->text(), "26");
  EXPECT_EQ(box->selectedText(), "26");
  box->setText("2.5");
  EXPECT_EQ(v.window->upDownValue(), 2);
}

// A digit key as the Russian layout delivers it: the digits lie on the same keys, with their
// own X11 keycodes (10 for 1 ... 18 for 9, 19 for 0).
void SendRussianDigit(QWidget* target, char digit) {
  const int d = digit - '0';
  const quint32 keycode = d == 0 ? 19 : 9 + d;
  for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent event(type, Qt::Key_0 + d, Qt::NoModifier, keycode, 0x30 + d, 0,
                    QString(QChar::fromLatin1(digit)));
    QCoreApplication::sendEvent(target, &event);
  }
}

// The user puts the focus into the number box of the active card, which selects the number.
QLineEdit* FocusNumberBox(frmTElementViewer& card) {
  card.activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&card));
  QLineEdit* box = card.txtEntryNumber;
  box->clearFocus();
  box->deselect();
  box->setFocus(Qt::MouseFocusReason);
  QCoreApplication::processEvents();
  return box;
}

// Typing a number whose first digit is the element shown: the digit typed over the selected
// number is the number itself, so the box keeps it and the next digit extends it. Typed as
// real keys, also as the Russian layout delivers them.
TEST(ElementViewer, NumberBoxTypesNumbersStartingWithTheCurrentOne) {
  const struct {
    int shown;
    const char* typed;
    int result;
    const char* caption;
  } cases[] = {
      {1, "12", 12, "Mg - Магний"},
      {2, "26", 26, "Fe - Железо"},
      {5, "56", 56, "Ba - Барий"},
      {26, "26", 26, "Fe - Железо"},
      {26, "104", 104, "Rf - Резерфордий"},
      // A rejected digit brings the number back selected, and the next one replaces it.
      {1, "08", 8, "O - Кислород"},
  };
  for (const bool russian : {false, true}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(russian ? "Russian layout, " : "") + c.typed + " on " +
                   std::to_string(c.shown));
      FakeViewerHost host;
      ShownViewer v(c.shown, host);
      QLineEdit* box = FocusNumberBox(*v.window);
      ASSERT_EQ(box->selectedText(), QString::number(c.shown));
      for (const char* digit = c.typed; *digit; ++digit) {
        if (russian)
          SendRussianDigit(box, *digit);
        else
          QTest::keyClick(box, *digit);
      }
      EXPECT_EQ(v.window->upDownValue(), c.result);
      EXPECT_EQ(box->text(), QString::number(c.result));
      EXPECT_EQ(v.window->windowTitle(), c.caption);
    }
  }
}

TEST(ElementViewer, ViewSwitchesAndActivation) {
  FakeViewerHost host;
  ShownViewer v(26, host);
  frmTElementViewer& w = *v.window;
  const auto background = [&w] { return w.picture().backColor(); };
  const periodic::Color colour = background();
  v.trigger("mnuView_BlackAndWhite");
  EXPECT_TRUE(w.CardBlackAndWhite());
  EXPECT_TRUE(w.menuItem("mnuView_BlackAndWhite")->isChecked());
  EXPECT_FALSE(w.menuItem("mnuView_InvertColors")->isEnabled());
  EXPECT_EQ(background(), periodic::kWhite);
  v.trigger("mnuView_BlackAndWhite");
  v.trigger("mnuView_InvertColors");
  EXPECT_TRUE(w.menuItem("mnuView_InvertColors")->isChecked());
  EXPECT_NE(background(), colour);

  // Activation brings back the defaults, and the card follows its marks.
  host.defaults = {false, true};
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  EXPECT_TRUE(w.CardBlackAndWhite());
  EXPECT_FALSE(w.CardInvertColors());
  EXPECT_TRUE(w.menuItem("mnuView_BlackAndWhite")->isChecked());
  EXPECT_FALSE(w.menuItem("mnuView_InvertColors")->isChecked());
  EXPECT_EQ(background(), periodic::kWhite);
  EXPECT_EQ(w.upDownValue(), 26);
}

// The printer-setup dialog as the program shows it: a modal dialog over the card, which takes
// the activation while it is open. A zero timer answers it.
class ModalPrinterSetup : public table::PrinterSetup {
 public:
  explicit ModalPrinterSetup(PdfPrinterSetup& answer) : m_answer(answer) {}
  bool choosePrinter(QPrinter& printer, QWidget* parent) override {
    QDialog dialog(parent);
    QTimer::singleShot(0, &dialog, [&dialog] {
      activeWhileOpen = QTest::qWaitForWindowActive(&dialog);
      dialog.reject();
    });
    dialog.exec();
    return m_answer.choosePrinter(printer, parent);
  }

  static inline bool activeWhileOpen = false;

 private:
  PdfPrinterSetup& m_answer;
};

class ModalDialogsHost : public FakeViewerHost {
 public:
  table::PrinterSetup& Printers() override { return modalPrinters; }
  ModalPrinterSetup modalPrinters{printers};
};

// Brings the card back to the front as a window manager does when a dialog over it closes.
void ReturnTo(frmTElementViewer& card) {
  QCoreApplication::processEvents();
  card.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&card));
}

void ActivateFromAnotherWindow(frmTElementViewer& card) {
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  ReturnTo(card);
}

TEST(ElementViewer, PrintingKeepsTheViewSwitches) {
  ModalDialogsHost host;
  ShownViewer v(26, host);
  frmTElementViewer& w = *v.window;
  ReturnTo(w);
  v.trigger("mnuView_BlackAndWhite");
  ASSERT_TRUE(w.CardBlackAndWhite());
  for (const bool accept : {false, true}) {
    SCOPED_TRACE(accept ? "printed" : "cancelled");
    host.printers.accept = accept;
    for (const char* item : {"mnuOptions_Print", "mnuOptions_PrintAsText"}) {
      ModalPrinterSetup::activeWhileOpen = false;
      v.trigger(item);
      EXPECT_TRUE(ModalPrinterSetup::activeWhileOpen) << item;
      ReturnTo(w);
      EXPECT_TRUE(w.CardBlackAndWhite()) << item;
      EXPECT_TRUE(w.menuItem("mnuView_BlackAndWhite")->isChecked()) << item;
      EXPECT_EQ(w.picture().backColor(), periodic::kWhite) << item;
    }
  }
  EXPECT_TRUE(host.prompts.messages.isEmpty());

  // Coming from another window is the user's activation: the defaults return.
  ActivateFromAnotherWindow(w);
  EXPECT_FALSE(w.CardBlackAndWhite());
  EXPECT_FALSE(w.menuItem("mnuView_BlackAndWhite")->isChecked());

  // So it is when the user went on to another window after the dialog closed.
  v.trigger("mnuView_InvertColors");
  host.printers.accept = false;
  v.trigger("mnuOptions_Print");
  ActivateFromAnotherWindow(w);
  EXPECT_FALSE(w.CardInvertColors());
}

TEST(ElementViewer, HelpAndAbout) {
  FakeViewerHost host;
  ShownViewer v(26, host);
  v.window->cbCallElementHelp->click();
  v.trigger("mnuHelp_HelpOnViewer");
  EXPECT_EQ(host.help.topics, QStringList({"html\\Fe.htm", "html/HelpOnViewer.htm"}));
  v.key(Qt::Key_F1);
  EXPECT_EQ(host.help.contexts, QList<int>{1026});
  v.trigger("mnuHelpAbout");
  EXPECT_EQ(host.abouts, 1);
}

TEST(ElementViewer, UnreadableRecordShowsAMessage) {
  FakeViewerHost host;
  host.unreadable = 27;
  ShownViewer v(26, host);
  v.trigger("mnuNextElement");
  EXPECT_EQ(v.window->upDownValue(), 27);
  EXPECT_FALSE(v.window->showsElement());
  EXPECT_NE(v.window->windowTitle(), "Fe - Железо");
  EXPECT_FALSE(v.window->menuItem("mnuOptions_Print")->isEnabled());
  const auto shown = [&v] {
    QString text;
    for (const periodic::DrawCommand& c : v.window->picture().commands())
      if (c.kind == periodic::DrawCommand::Kind::Text) text += QString::fromStdString(c.text) + " ";
    return text.simplified().toStdString();
  };
  // Russian throughout: no word of the data layer's own English.
  EXPECT_EQ(shown(), "Не удалось прочитать данные элемента 27: файл неполон или не читается.");
  EXPECT_EQ(shown().find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"),
            std::string::npos)
      << shown();
  // Switching the view does not bring the old card back.
  v.trigger("mnuView_BlackAndWhite");
  EXPECT_FALSE(v.window->showsElement());
  v.trigger("mnuNextElement");
  EXPECT_TRUE(v.window->showsElement());
  EXPECT_TRUE(v.window->menuItem("mnuOptions_Print")->isEnabled());

  const std::pair<int, const char*> causes[] = {
      {EBADF, "Не удалось прочитать данные элемента 27: файл данных элементов не открыт."},
      {0, "Не удалось прочитать данные элемента 27: файл данных элементов не читается."},
  };
  for (const auto& [code, message] : causes) {
    host.unreadableCode = code;
    v.trigger("mnuPreviousElement");
    EXPECT_EQ(shown(), message);
    v.trigger("mnuNextElement");
  }
}

TEST(ElementViewer, PrintsTextThroughThePrinter) {
  FakeViewerHost host;
  ShownViewer v(26, host);
  v.trigger("mnuOptions_PrintAsText");
  const QString text = PdfText(host.printers.pdfFile);
  ASSERT_FALSE(text.isEmpty()) << "no PDF text (is pdftotext installed?)";
  const QStringList expected = {"Химический знак: Fe",
                                "Порядковый номер: 26",
                                "Атомная масса: 55,847",
                                "Русское название: Железо",
                                "Латинское название: Ferrum",
                                "Металлические св-ва: Металл",
                                "Застраеваемый подуровень (s, p, d, f): d",
                                "Электроотрицательность: 1,8"};
  int from = 0;
  for (const QString& line : expected) {
    const int at = text.indexOf(line, from);
    EXPECT_GE(at, 0) << line.toStdString() << "\n" << text.toStdString();
    if (at >= 0) from = at;
  }
  EXPECT_TRUE(host.prompts.messages.isEmpty());
}

TEST(ElementViewer, PrintsThePictureAndCancelPrintsNothing) {
  FakeViewerHost host;
  ShownViewer v(26, host);
  host.printers.accept = false;
  v.trigger("mnuOptions_Print");
  v.trigger("mnuOptions_PrintAsText");
  EXPECT_EQ(host.printers.shown, 2);
  EXPECT_FALSE(QFile::exists(host.printers.pdfFile));
  host.printers.accept = true;
  v.trigger("mnuOptions_Print");
  EXPECT_TRUE(PdfText(host.printers.pdfFile).contains("Ferrum"));
  EXPECT_TRUE(host.prompts.messages.isEmpty());
  // A file that cannot be written is an error of its own, reported with its number and the
  // cause in Russian.
  const std::pair<QString, QString> unwritable[] = {
      {host.folder() + "/missing/card.pdf", "Error 2. файл не найден: "},
      {host.folder(), "Error 21. на этом месте папка, а не файл: "},
  };
  for (const auto& [file, message] : unwritable) {
    host.prompts.messages.clear();
    host.printers.pdfFile = file;
    v.trigger("mnuOptions_Print");
    ASSERT_EQ(host.prompts.messages.size(), 1) << file.toStdString();
    EXPECT_TRUE(host.prompts.messages[0].startsWith(message))
        << host.prompts.messages[0].toStdString();
  }
}

}  // namespace
