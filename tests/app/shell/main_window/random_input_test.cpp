#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMouseEvent>
#include <QPointer>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <random>
#include <utility>

#include "app/dialogs/color_chooser.h"
#include "app/shell/main_window/frm_table_viewer.h"
#include "app/shell/services/save_file_dialog.h"
#include "app/shell/settings/config_location.h"
#include "app/shell/settings/table_options.h"
#include "component/settings_file.h"
#include "russian_key_events.h"

namespace {

constexpr int kEvents = 20000;

// Answers every question the program may ask through its interfaces, at random, as a user
// clicking about would; nothing ever waits for a person.
class RandomAnswerer : public table::UserPrompts,
                       public table::PrinterSetup,
                       public table::RegistryReader,
                       public table::ProgramStarter,
                       public table::SaveFileDialog,
                       public table::ColorChooser,
                       public table::NoHelp {
 public:
  RandomAnswerer(std::mt19937& random, QString folder)
      : m_random(random), m_folder(std::move(folder)) {}

  void information(QWidget*, const QString&, const QString&) override { ++messages; }
  void warning(QWidget*, const QString&, const QString&) override { ++messages; }
  std::optional<QString> askText(QWidget*, const QString&, const QString&) override {
    static const char* const answers[] = {"", "abc", "25", "50", "150", "200", "-5", "0"};
    const std::size_t pick = m_random() % (std::size(answers) + 1);
    if (pick == std::size(answers)) return std::nullopt;
    return QString::fromLatin1(answers[pick]);
  }
  bool choosePrinter(QPrinter&, QWidget*) override { return false; }
  std::optional<QString> readValue(const QString&, const QString&) override { return std::nullopt; }
  bool startDetached(const QString&, const QStringList&) override { return false; }
  // Now and then a picture is saved, into the test's own folder, under one name.
  std::optional<table::SaveFileChoice> chooseSaveFile(
      QWidget*, const table::SaveFileRequest& request) override {
    if (m_random() % 8 != 0) return std::nullopt;
    const int filters = std::max<int>(1, static_cast<int>(request.filters.size()));
    return table::SaveFileChoice{m_folder + "/picture", static_cast<int>(m_random() % filters)};
  }
  std::int32_t chooseColor(QWidget*, std::int32_t initial) override {
    return m_random() % 2 ? initial : static_cast<std::int32_t>(m_random() & 0xFFFFFF);
  }

  int messages = 0;

 private:
  std::mt19937& m_random;
  QString m_folder;
};

const Qt::Key kKeys[] = {
    Qt::Key_P,         Qt::Key_Q,      Qt::Key_V,    Qt::Key_Z,      Qt::Key_A,
    Qt::Key_F,         Qt::Key_N,      Qt::Key_F1,   Qt::Key_F4,     Qt::Key_F10,
    Qt::Key_Escape,    Qt::Key_Return, Qt::Key_Tab,  Qt::Key_Space,  Qt::Key_Left,
    Qt::Key_Right,     Qt::Key_Up,     Qt::Key_Down, Qt::Key_PageUp, Qt::Key_End,
    Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_1,    Qt::Key_Plus,
};

// Drives the program's windows with random input. A modal window that opens is given a few
// random events of its own and is then closed, as a user would.
class RandomUser {
 public:
  RandomUser(unsigned seed, const QString& folder) : m_random(seed), m_answers(m_random, folder) {}

  void start(const QString& configFolder) {
    table::SetConfigDirectoryForTests(configFolder);
    table::MainWindowSetup setup;
    setup.libraryFolder = QStringLiteral(VEXEL_LIBRARY_DIR);
    setup.prompts = &m_answers;
    setup.registry = &m_answers;
    setup.starter = &m_answers;
    setup.printerSetup = &m_answers;
    setup.help = &m_answers;
    setup.saveFile = &m_answers;
    setup.colorChooser = &m_answers;
    window = std::make_unique<table::frmTableViewer>(setup);
    window->show();
    QCoreApplication::processEvents();
  }

  // Keeps closing modal windows until stop().
  void watchModals() {
    QTimer::singleShot(5, [this] {
      if (m_stopped) return;
      watchModals();
      answerModal();
    });
  }
  void stop() { m_stopped = true; }

  void act(QWidget* within) {
    QWidget* target = pickWidget(within);
    if (!target) return;
    const QPoint at(int(m_random() % std::max(1, target->width())),
                    int(m_random() % std::max(1, target->height())));
    Qt::KeyboardModifiers modifiers;
    if (m_random() % 2) modifiers |= Qt::ShiftModifier;
    if (m_random() % 2) modifiers |= Qt::ControlModifier;
    if (m_random() % 2) modifiers |= Qt::AltModifier;
    switch (m_random() % 7) {
      case 0:
      case 1:
        QTest::keyClick(target, kKeys[m_random() % std::size(kKeys)], modifiers);
        break;
      case 2:
        SendRussianKey(target, kRussianKeys[m_random() % std::size(kRussianKeys)].latin, modifiers);
        break;
      case 3:
        QTest::mouseClick(target, m_random() % 4 ? Qt::LeftButton : Qt::RightButton, {}, at);
        break;
      case 4:
        QTest::mouseDClick(target, Qt::LeftButton, {}, at);
        break;
      case 5:
        chooseMenuItem(target->window());
        break;
      default: {
        static const int deltas[] = {-240, -120, -120, -40, 40, 120, 120, 240};
        QWheelEvent wheel(at, target->mapToGlobal(QPointF(at)), QPoint(),
                          QPoint(0, deltas[m_random() % std::size(deltas)]), Qt::NoButton,
                          m_random() % 3 ? Qt::NoModifier : modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(target, &wheel);
      }
    }
    // Popup menus the input opened get a few events and close again, as a click elsewhere
    // would close them.
    if (m_random() % 4 == 0) closePopups();
  }

  // A visible widget: the main window or one of its children, or of a window of its own that
  // is open (a card, a dialog).
  QWidget* pickWidget(QWidget* within) {
    QWidgetList windows;
    if (within) {
      windows << within;
    } else {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->isModal()) windows << w;
    }
    if (windows.isEmpty()) return nullptr;
    QWidget* window = windows[int(m_random() % windows.size())];
    QWidgetList candidates{window};
    for (QWidget* child : window->findChildren<QWidget*>())
      if (child->isVisible()) candidates << child;
    return candidates[int(m_random() % candidates.size())];
  }

  // A menu item or toolbar button, as a click on it in its open menu would choose it.
  void chooseMenuItem(QWidget* window) {
    QList<QAction*> items;
    for (QAction* action : window->findChildren<QAction*>())
      if (action->isEnabled() && action->isVisible() && !action->isSeparator()) items << action;
    if (!items.isEmpty()) items[int(m_random() % items.size())]->trigger();
  }

  static void closePopups() {
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  }

  std::unique_ptr<table::frmTableViewer> window;
  int modalsSeen = 0;
  std::mt19937 m_random;

 private:
  void answerModal() {
    QPointer<QWidget> modal = QApplication::activeModalWidget();
    if (!modal || m_answering.contains(modal.data())) return;
    m_answering.insert(modal.data());
    ++modalsSeen;
    for (int i = 0; i < 10 && modal && modal->isVisible(); ++i) act(modal);
    if (modal && modal->isVisible()) {
      if (auto* dialog = qobject_cast<QDialog*>(modal.data()))
        dialog->reject();
      else
        modal->close();
    }
    m_answering.remove(modal.data());
  }

  RandomAnswerer m_answers;
  QSet<QWidget*> m_answering;
  bool m_stopped = false;
};

unsigned Seed() {
  const char* text = std::getenv("TABLE_RANDOM_SEED");
  return text ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : 20261208u;
}

// Random keys with every modifier, clicks, double clicks and wheel turns over every part of the
// program: it must not crash, must leave no modal window open, and must end with settings files
// that read back within their ranges. TABLE_RANDOM_SEED repeats another run.
TEST(RandomInput, LeavesTheProgramUsableAndItsSettingsSound) {
  const unsigned seed = Seed();
  SCOPED_TRACE("TABLE_RANDOM_SEED=" + std::to_string(seed));
  // The settings are saved often (Alt+Q, the save-size item); in memory where the system has a
  // place for it, the saves' syncs cost nothing.
  QTemporaryDir config(QDir("/dev/shm").exists() ? "/dev/shm/table-random-XXXXXX"
                                                 : QDir::tempPath() + "/table-random-XXXXXX");
  RandomUser user(seed, config.path());
  user.start(config.path());
  user.watchModals();
  for (int i = 0; i < kEvents; ++i) {
    // Alt+Q ends the program; the next user starts it again, from what it saved.
    if (!user.window->isVisible()) user.start(config.path());
    user.act(nullptr);
  }
  RandomUser::closePopups();
  QCoreApplication::processEvents();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  user.window->close();
  user.stop();
  user.window.reset();
  RecordProperty("modal_windows_answered", user.modalsSeen);

  table::TableOptions ini;
  ASSERT_TRUE(table::ReadTableIni((config.path() + "/Table.ini").toStdString(), ini));
  EXPECT_TRUE(ini.WindowState == table::kWindowNormal ||
              ini.WindowState == table::kWindowMaximised);
  EXPECT_TRUE(std::isfinite(ini.WindowWidth) && ini.WindowWidth > 0);
  EXPECT_TRUE(std::isfinite(ini.WindowHeight) && ini.WindowHeight > 0);
  EXPECT_TRUE(ini.ShowToolbar == -1 || ini.ShowToolbar == 0);
  EXPECT_TRUE(ini.ShowStatusbar == -1 || ini.ShowStatusbar == 0);
  EXPECT_EQ(ini.ColorsData.size(), table::kColorsDataLength);
  periodic::DisplayOptions cfg;
  periodic::ReadOptionsFile((config.path() + "/Table.cfg").toStdString(), cfg);
  EXPECT_GE(cfg.ZoomVal, 1);
  EXPECT_LE(cfg.ZoomVal, 400);
}

}  // namespace
