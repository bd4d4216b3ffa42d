// The splash and About windows, the system-information button and the registry stand-in.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <utility>
#include <vector>

#include "app/program_info.h"
#include "app/shell/about/frm_about.h"
#include "app/shell/services/registry.h"
#include "app/shell/services/user_prompts.h"
#include "app/shell/start/frm_splash.h"

namespace table {
namespace {

// Registry values keyed by key and value name; remembers what was asked.
class FakeRegistry : public RegistryReader {
 public:
  std::map<std::pair<QString, QString>, QString> values;
  std::vector<std::pair<QString, QString>> reads;

  std::optional<QString> readValue(const QString& key, const QString& valueName) override {
    reads.emplace_back(key, valueName);
    const auto found = values.find({key, valueName});
    if (found == values.end()) return std::nullopt;
    return found->second;
  }
};

// Starts the programs named in `startable`, fails on every other; remembers every attempt.
class FakeStarter : public ProgramStarter {
 public:
  QStringList startable;
  QStringList attempts;

  bool startDetached(const QString& program, const QStringList&) override {
    attempts << program;
    return startable.contains(program);
  }
};

class FakePrompts : public UserPrompts {
 public:
  QStringList messages;

  void information(QWidget*, const QString&, const QString& text) override { messages << text; }
  void warning(QWidget*, const QString&, const QString& text) override { messages << text; }
  std::optional<QString> askText(QWidget*, const QString&, const QString&) override {
    return std::nullopt;
  }
};

const QString kMissingMessage =
    QStringLiteral("На данный момент информация о системе недоступна. Файл MSINFO32.EXE не найден");

TEST(ProgramVersion, BothWindowsShowTheSameVersionText) {
  EXPECT_EQ(VersionText(), QStringLiteral("Версия 1.3.62"));

  frmSplash splash;
  EXPECT_EQ(splash.lblVersion->text(), QStringLiteral("Версия 1.3.62"));

  FakeRegistry registry;
  FakeStarter starter;
  FakePrompts prompts;
  frmAbout about(registry, starter, prompts);
  EXPECT_EQ(about.lblVersion->text(), QStringLiteral("Версия 1.3.62"));
}

TEST(Splash, ShowsItsTextsAndFitsItsClientArea) {
  frmSplash splash;
  EXPECT_EQ(splash.lblProductName->text(), QStringLiteral("Периодическая система"));
  EXPECT_EQ(splash.lblPlatform->text(), QStringLiteral("Для Linux"));
  EXPECT_EQ(splash.lblCompany->text(), QStringLiteral("Company: Home"));
  EXPECT_EQ(splash.lblLoadProgress->text(), QStringLiteral("Идет загрузка:"));
  EXPECT_TRUE(splash.lblCopyright->text().contains(QStringLiteral("2002-2003")));
  EXPECT_EQ(splash.pgbLoadProgress->minimum(), 0);
  EXPECT_EQ(splash.pgbLoadProgress->maximum(), 100);
  EXPECT_EQ(splash.size(), QSize(469, 209));
  EXPECT_FALSE(splash.imgLogo->pixmap().isNull());

  // Arial is not on Linux; the stand-in must be asked for by name.
  EXPECT_EQ(splash.lblProductName->font().family(), QStringLiteral("Liberation Sans"));
  EXPECT_TRUE(splash.lblProductName->font().bold());
  EXPECT_EQ(splash.lblProductName->font().pointSizeF(), 18.0);
  EXPECT_EQ(splash.lblVersion->font().pointSizeF(), 12.0);
  EXPECT_EQ(splash.lblCopyright->font().pointSizeF(), 8.25);

  // Every label must show its whole text in the fixed window.
  splash.show();
  for (QLabel* label : {splash.lblProductName, splash.lblVersion, splash.lblPlatform,
                        splash.lblCopyright, splash.lblCompany, splash.lblLoadProgress}) {
    SCOPED_TRACE(label->objectName().toStdString());
    EXPECT_GE(label->width(), label->sizeHint().width());
    EXPECT_GE(label->height(), label->fontMetrics().height());
  }
}

TEST(Splash, ClosesEarlyOnClicksAndTypedKeysOnly) {
  enum class Input { Click, Key };
  struct Case {
    const char* name;
    Input input;
    QWidget* (*target)(frmSplash&);
    Qt::Key key;
    bool closes;
  };
  const Case cases[] = {
      {"click on the window", Input::Click, [](frmSplash& s) -> QWidget* { return &s; }, {}, true},
      {"click on Frame1",
       Input::Click,
       [](frmSplash& s) -> QWidget* { return s.Frame1; },
       {},
       true},
      {"click on imgLogo",
       Input::Click,
       [](frmSplash& s) -> QWidget* { return s.imgLogo; },
       {},
       true},
      {"click on lblProductName",
       Input::Click,
       [](frmSplash& s) -> QWidget* { return s.lblProductName; },
       {},
       true},
      {"click on lblVersion",
       Input::Click,
       [](frmSplash& s) -> QWidget* { return s.lblVersion; },
       {},
       true},
      {"click on lblPlatform",
       Input::Click,
       [](frmSplash& s) -> QWidget* { return s.lblPlatform; },
       {},
       true},
      {"click on lblCopyright",
       Input::Click,
       [](frmSplash& s) -> QWidget* { return s.lblCopyright; },
       {},
       true},
      {"click on lblCompany",
       Input::Click,
       [](frmSplash& s) -> QWidget* { return s.lblCompany; },
       {},
       true},
      {"click on lblLoadProgress",
       Input::Click,
       [](frmSplash& s) -> QWidget* { return s.lblLoadProgress; },
       {},
       false},
      {"click on pgbLoadProgress",
       Input::Click,
       [](frmSplash& s) -> QWidget* { return s.pgbLoadProgress; },
       {},
       false},
      {"letter key", Input::Key, [](frmSplash& s) -> QWidget* { return &s; }, Qt::Key_A, true},
      {"space key", Input::Key, [](frmSplash& s) -> QWidget* { return &s; }, Qt::Key_Space, true},
      {"letter key on a label", Input::Key, [](frmSplash& s) -> QWidget* { return s.lblVersion; },
       Qt::Key_X, true},
      {"Shift alone", Input::Key, [](frmSplash& s) -> QWidget* { return &s; }, Qt::Key_Shift,
       false},
      {"arrow key", Input::Key, [](frmSplash& s) -> QWidget* { return &s; }, Qt::Key_Left, false},
      {"F1", Input::Key, [](frmSplash& s) -> QWidget* { return &s; }, Qt::Key_F1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    frmSplash splash;
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    QWidget* target = c.target(splash);
    if (c.input == Input::Click) {
      QTest::mouseClick(target, Qt::LeftButton);
    } else {
      QTest::keyClick(target, c.key);
    }
    EXPECT_EQ(splash.isClosed(), c.closes);
    EXPECT_EQ(splash.isVisible(), !c.closes);
  }
}

TEST(Splash, ProgressAfterClosingHasNoEffect) {
  frmSplash splash;
  splash.show();
  splash.setProgress(40);
  EXPECT_EQ(splash.pgbLoadProgress->value(), 40);

  QTest::keyClick(&splash, Qt::Key_Q);
  ASSERT_TRUE(splash.isClosed());
  splash.setProgress(70);
  splash.setProgress(100);
  EXPECT_EQ(splash.pgbLoadProgress->value(), 40);
  EXPECT_FALSE(splash.isVisible());
}

TEST(Splash, ClosingFromOutsideCountsAsClosed) {
  frmSplash splash;
  splash.show();
  splash.close();
  EXPECT_TRUE(splash.isClosed());
}

class AboutTest : public ::testing::Test {
 protected:
  FakeRegistry registry;
  FakeStarter starter;
  FakePrompts prompts;
};

TEST_F(AboutTest, ShowsItsTexts) {
  frmAbout about(registry, starter, prompts);
  EXPECT_EQ(about.windowTitle(), QStringLiteral("О программе"));
  EXPECT_TRUE(about.isModal());
  EXPECT_EQ(about.lblTitle->text(), ProgramTitle());
  EXPECT_EQ(about.cmdOK->text(), QStringLiteral("OK"));
  EXPECT_EQ(about.cmdSysInfo->text(), QStringLiteral("О &Системе..."));
  EXPECT_FALSE(about.picIcon->pixmap().isNull());
  EXPECT_FALSE(about.picChemistry->pixmap().isNull());

  const QString description = about.lblDescription->text();
  const QString fixedPart = QStringLiteral(
      " Программа содержит наиболее важные, по мнению авторов, сведения о периодической системе "
      "и ее элементах. Пожелания, советы, сообщения об ошибках принимаются по указанному ниже "
      "адресу.");
  ASSERT_TRUE(description.endsWith(fixedPart)) << description.toStdString();
  const QString firstSentence = description.chopped(fixedPart.size());
  EXPECT_TRUE(firstSentence.endsWith(QLatin1Char('.')));
  EXPECT_EQ(firstSentence.count(QLatin1Char('.')), 1);

  EXPECT_EQ(about.lblDisclaimer->text(),
            QStringLiteral("Предупреждение: авторы не несут ответственности за правильность "
                           "данных, приведенных в этой программе, а также за любой вред "
                           "причиненный этой программой."));

  const QStringList authorLines = about.lblAuthor->text().split(QStringLiteral("\r\n"));
  ASSERT_EQ(authorLines.size(), 3);
  for (const QString& line : authorLines) {
    EXPECT_FALSE(line.trimmed().isEmpty());
    EXPECT_FALSE(line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r')));
  }
  EXPECT_TRUE(authorLines[1].contains(QStringLiteral("2002")));
}

TEST_F(AboutTest, OkClosesTheWindow) {
  frmAbout about(registry, starter, prompts);
  about.show();
  ASSERT_TRUE(about.isVisible());
  about.cmdOK->click();
  EXPECT_FALSE(about.isVisible());
  EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST_F(AboutTest, AboutWindowHasFixedSizeAndNoMinimiseOrMaximise) {
  frmAbout about(registry, starter, prompts);
  about.show();
  EXPECT_EQ(about.minimumSize(), about.maximumSize());
  EXPECT_FALSE(about.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(about.windowFlags() & Qt::WindowMaximizeButtonHint);
}

// The directory standing in for the value "MSINFO"; replaced by a real temporary directory.
constexpr auto kTempDir = "<temp>";

TEST_F(AboutTest, SystemInformationButton) {
  const QString pathKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
  const QString locationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
  struct Case {
    const char* name;
    std::optional<QString> pathValue;
    std::optional<QString> locationValue;
    bool createMsinfo;  // whether <temp>/msinfo32 exists
    QStringList startable;
    QStringList expectedAttempts;
    bool expectMessage;
  };
  const QString tool = QStringLiteral("/usr/bin/hardinfo");
  const QString local = QString::fromLatin1(kTempDir) + QStringLiteral("/msinfo32");
  const Case cases[] = {
      {"neither value", std::nullopt, std::nullopt, false, {}, {}, true},
      {"PATH starts", tool, std::nullopt, false, {tool}, {tool}, false},
      {"PATH names a missing file", tool, std::nullopt, false, {}, {tool}, true},
      {"PATH fails even with a usable location",
       tool,
       QString::fromLatin1(kTempDir),
       true,
       {local},
       {tool},
       true},
      {"PATH is an empty text", QString(), std::nullopt, false, {}, {}, true},
      {"location holds the program",
       std::nullopt,
       QString::fromLatin1(kTempDir),
       true,
       {local},
       {local},
       false},
      {"location without the program",
       std::nullopt,
       QString::fromLatin1(kTempDir),
       false,
       {local},
       {},
       true},
      {"program in location fails to start",
       std::nullopt,
       QString::fromLatin1(kTempDir),
       true,
       {},
       {local},
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const auto resolve = [&](QString text) {
      return text.replace(QString::fromLatin1(kTempDir), temp.path());
    };
    if (c.createMsinfo) {
      QFile file(temp.filePath(QStringLiteral("msinfo32")));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    FakeRegistry fakeRegistry;
    if (c.pathValue) fakeRegistry.values[{pathKey, QStringLiteral("PATH")}] = *c.pathValue;
    if (c.locationValue) {
      fakeRegistry.values[{locationKey, QStringLiteral("MSINFO")}] = resolve(*c.locationValue);
    }
    FakeStarter fakeStarter;
    for (const QString& program : c.startable) fakeStarter.startable << resolve(program);
    FakePrompts fakePrompts;

    frmAbout about(fakeRegistry, fakeStarter, fakePrompts);
    about.cmdSysInfo->click();

    QStringList expectedAttempts;
    for (const QString& program : c.expectedAttempts) expectedAttempts << resolve(program);
    EXPECT_EQ(fakeStarter.attempts, expectedAttempts);
    EXPECT_EQ(fakePrompts.messages, c.expectMessage ? QStringList{kMissingMessage} : QStringList{});
  }
}

TEST(RegistryNumberText, IsTheNumberInDecimal) {
  const std::pair<std::uint32_t, const char*> cases[] = {
      {0x00000000u, "0"},          {0x0000000Au, "10"},        {0x00000102u, "258"},
      {0x01000000u, "16777216"},   {0x0A0B0C0Du, "168496141"}, {0x12345678u, "305419896"},
      {0xFFFFFFFFu, "4294967295"},
  };
  for (const auto& [value, text] : cases) {
    SCOPED_TRACE(value);
    EXPECT_EQ(RegistryNumberText(value), QString::fromLatin1(text));
  }
}

// The desktop's own system-information program first, then one of no desktop, then the others.
TEST(LinuxRegistry, NamesTheDesktopsOwnSystemInformationProgramFirst) {
  const QString key = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
  const QStringList all = {"kinfocenter",       "gnome-system-monitor", "hardinfo",
                           "xfce4-taskmanager", "mate-system-monitor",  "lxtask",
                           "ksysguard"};
  struct Case {
    const char* desktop;
    QStringList installed;
    std::optional<QString> expected;
  };
  const Case cases[] = {
      {"KDE", {}, std::nullopt},
      {"KDE", all, "kinfocenter"},
      {"ubuntu:GNOME", all, "gnome-system-monitor"},
      {"X-Cinnamon:Cinnamon", all, "gnome-system-monitor"},
      {"XFCE", all, "xfce4-taskmanager"},
      {"MATE", all, "mate-system-monitor"},
      {"LXQt", all, "lxtask"},
      {"", all, "hardinfo"},
      {"KDE", {"gnome-system-monitor", "hardinfo"}, "hardinfo"},
      {"XFCE", {"kinfocenter"}, "kinfocenter"},
      {"", {"ksysguard"}, "ksysguard"},
      {"GNOME", {"top"}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.desktop << ": " << c.installed.join(' ').toStdString());
    LinuxRegistry registry(
        [&](const QString& name) {
          return c.installed.contains(name) ? QStringLiteral("/opt/bin/") + name : QString();
        },
        QString::fromLatin1(c.desktop));
    const std::optional<QString> expected =
        c.expected ? std::optional<QString>("/opt/bin/" + *c.expected) : std::nullopt;
    EXPECT_EQ(registry.readValue(key, QStringLiteral("PATH")), expected);
    // Registry names ignore case.
    EXPECT_EQ(registry.readValue(key.toLower(), QStringLiteral("path")), expected);
  }
}

TEST(LinuxRegistry, AnswersNothingElse) {
  LinuxRegistry registry([](const QString& name) { return QStringLiteral("/opt/bin/") + name; });
  const std::pair<const char*, const char*> queries[] = {
      {"SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO"},
      {"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "MSINFO"},
      {"SOFTWARE\\Microsoft\\Shared Tools", "PATH"},
      {"", "PATH"},
  };
  for (const auto& [key, value] : queries) {
    SCOPED_TRACE(key);
    EXPECT_EQ(registry.readValue(QString::fromLatin1(key), QString::fromLatin1(value)),
              std::nullopt);
  }
}

}  // namespace
}  // namespace table
