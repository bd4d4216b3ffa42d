// Checks the help collection the build wrote beside the program.
#include <gtest/gtest.h>

#include <QHelpEngine>
#include <QHelpLink>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "app/help/help_collection.h"
#include "app/help/help_topics.h"
#include "data/builtin_records.h"
#include "properties/bodr_data.h"
#include "help/generator/element_page.h"
#include "help/generator/element_text.h"
#include "help/generator/help_project.h"

using namespace table;

namespace {

QString Trimmed(const std::string& text) {
  return QString::fromStdString(text).trimmed();
}

class HelpCollection : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_cache = new QTemporaryDir;
    QString problem;
    s_engine = OpenHelpEngine(HELP_FILE, s_cache->path(), problem).release();
    ASSERT_NE(s_engine, nullptr) << problem.toStdString();
  }
  static void TearDownTestSuite() {
    delete s_engine;
    delete s_cache;
  }

  static QString Page(const QString& path) {
    return QString::fromUtf8(s_engine->fileData(TopicUrl(path)));
  }

  static inline QHelpEngine* s_engine = nullptr;
  static inline QTemporaryDir* s_cache = nullptr;
};

TEST_F(HelpCollection, HoldsEveryPageTheProgramAsksFor) {
  for (const char* path : {"html/Introduction.htm", "html/HowToUseProgram.htm",
                           "html/HelpOnTable.htm", "html/HelpOnViewer.htm"})
    EXPECT_TRUE(Page(path).contains("</html>")) << path;
  for (const periodic::ElementRecord& record : periodic::BuiltinRecords()) {
    const QString path = ContextTopic(record.Number + 1000);
    EXPECT_EQ(path.toStdString(), periodic::ElementPagePath(record.Symbol));
    const QString page = Page(path);
    EXPECT_TRUE(page.contains(
        QString("<tr><th>Порядковый (атомный) номер</th><td>%1</td>").arg(record.Number)))
        << path.toStdString();
  }
  EXPECT_TRUE(Page("html/.htm").contains("Дармштадтий"));
}

TEST_F(HelpCollection, EveryLinkLeadsToAFileOfTheCollection) {
  const QRegularExpression link(R"((?:href|src)="([^"#]*)(#[^"]*)?")");
  int checked = 0;
  for (const QUrl& file : s_engine->files(periodic::kHelpNamespace, QStringList(), "htm")) {
    const QString page = QString::fromUtf8(s_engine->fileData(file));
    for (const QRegularExpressionMatch& match : link.globalMatch(page)) {
      const QUrl target = file.resolved(QUrl(match.captured(1)));
      if (target.scheme() != "qthelp") continue;
      EXPECT_FALSE(s_engine->fileData(target).isEmpty())
          << TopicPath(file).toStdString() << " -> " << match.captured(1).toStdString();
      ++checked;
    }
  }
  EXPECT_GT(checked, 110 * 4);
}

TEST_F(HelpCollection, IndexListsEveryElementByNamesAndSymbol) {
  for (const periodic::ElementRecord& record : periodic::BuiltinRecords()) {
    const QString page = ContextTopic(record.Number + 1000);
    QStringList words = {Trimmed(record.NameRus), Trimmed(record.NameLat),
                         Trimmed(record.Symbol).left(2)};
    if (record.Number == 110) words = {"Дармштадтий", "Darmstadtium", "Ds", "Элемент 110"};
    for (const QString& word : words) {
      const QList<QHelpLink> links = s_engine->documentsForKeyword(word);
      const bool found = std::any_of(links.begin(), links.end(),
                                     [&](const QHelpLink& l) { return TopicPath(l.url) == page; });
      EXPECT_TRUE(found) << word.toStdString() << " -> " << page.toStdString();
    }
  }
}

TEST_F(HelpCollection, IronPageAgreesWithTheCardAndTheRepository) {
  const periodic::ElementRecord& iron = periodic::BuiltinRecords().at(25);
  const QString page = Page("html/Fe.htm");
  EXPECT_TRUE(page.contains("<td>" + Trimmed(iron.AtomicMass) + "</td>"));
  EXPECT_EQ(Trimmed(iron.AtomicMass), "55,847");
  EXPECT_TRUE(page.contains(
      QString::fromStdString(periodic::FormulaHtml(periodic::TrimRight(iron.ElectronFormula)))));
  EXPECT_TRUE(page.contains("3d<sup>6</sup>4s<sup>2</sup>"));
  EXPECT_TRUE(page.contains("<td>2 14 8 2</td>"));

  const periodic::BodrElements bodr =
      periodic::ReadBodrElements(BODR_DIR "/elements.xml", BODR_DIR "/isotopes.xml");
  EXPECT_EQ(bodr.at(26).meltingPoint, "1808");
  EXPECT_TRUE(page.contains("<td>1808 К (1535 °C)</td>"));
  EXPECT_TRUE(page.contains("<sup>56</sup>Fe — 91,754 %"));
}

}  // namespace
