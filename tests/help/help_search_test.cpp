// Searches the index the build wrote beside the program, and small indexes of the test's own.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/help/search_help.h"
#include "app/help/search_help_command.h"
#include "data/builtin_records.h"
#include "help/generator/element_page.h"
#include "help/search/help_search.h"
#include "help/search/page_text.h"
#include "help/search/search_index_writer.h"
#include "table/element_facts.h"
#include "temp_folder_test.h"

using namespace periodic;
namespace fs = std::filesystem;

namespace {

HelpSearch& Index() {
  static HelpSearch search(SEARCH_INDEX);
  return search;
}

std::vector<std::string> Paths(const std::string& query, int limit = 10) {
  std::vector<std::string> paths;
  for (const SearchHit& hit : Index().find(query, limit)) paths.push_back(hit.path);
  return paths;
}

bool Finds(const std::string& query, const std::string& path, int limit = 10) {
  const std::vector<std::string> paths = Paths(query, limit);
  return std::find(paths.begin(), paths.end(), path) != paths.end();
}

std::string First(const std::string& query) {
  const std::vector<std::string> paths = Paths(query, 1);
  return paths.empty() ? "" : paths.front();
}

}  // namespace

TEST(HelpSearch, FindsEveryElementByItsNameInNominativeAndGenitive) {
  static const char* const kGenitive[] = {
      "водорода",    "гелия",       "лития",      "бериллия",  "бора",       "углерода",
      "азота",       "кислорода",   "фтора",      "неона",     "натрия",     "магния",
      "алюминия",    "кремния",     "фосфора",    "серы",      "хлора",      "аргона",
      "калия",       "кальция",     "скандия",    "титана",    "ванадия",    "хрома",
      "марганца",    "железа",      "кобальта",   "никеля",    "меди",       "цинка",
      "галлия",      "германия",    "мышьяка",    "селена",    "брома",      "криптона",
      "рубидия",     "стронция",    "иттрия",     "циркония",  "ниобия",     "молибдена",
      "технеция",    "рутения",     "родия",      "палладия",  "серебра",    "кадмия",
      "индия",       "олова",       "сурьмы",     "теллура",   "иода",       "ксенона",
      "цезия",       "бария",       "лантана",    "церия",     "празеодима", "неодима",
      "прометия",    "самария",     "европия",    "гадолиния", "тербия",     "диспрозия",
      "гольмия",     "эрбия",       "тулия",      "иттербия",  "лютеция",    "гафния",
      "тантала",     "вольфрама",   "рения",      "осмия",     "иридия",     "платины",
      "золота",      "ртути",       "таллия",     "свинца",    "висмута",    "полония",
      "астата",      "радона",      "франция",    "радия",     "актиния",    "тория",
      "протактиния", "урана",       "нептуния",   "плутония",  "америция",   "кюрия",
      "берклия",     "калифорния",  "эйнштейния", "фермия",    "менделевия", "нобелия",
      "лоуренсия",   "резерфордия", "дубния",     "сиборгия",  "бория",      "хассия",
      "мейтнерия",   "дармштадтия",
  };
  const std::vector<ElementRecord>& records = BuiltinRecords();
  ASSERT_EQ(std::size(kGenitive), records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    const std::string path = ElementPagePath(records[i].Symbol);
    const std::string name = i == 109 ? "Дармштадтий" : Trim(records[i].NameRus);
    EXPECT_TRUE(Finds(name, path)) << name;
    EXPECT_TRUE(Finds(kGenitive[i], path)) << kGenitive[i];
  }
  for (const char* iron : {"железо", "железа", "Железом", "ЖЕЛЕЗО"})
    EXPECT_EQ(First(iron), "html/Fe.htm") << iron;
  EXPECT_EQ(First("меди"), "html/Cu.htm");
  EXPECT_EQ(First("свинца"), "html/Pb.htm");
}

TEST(HelpSearch, FindsThePagesOfTheWordsReadersTry) {
  const struct {
    const char* query;
    const char* first;  // the page that explains the word
    std::vector<const char*> also;
  } cases[] = {
      {"лантаноид", "html/HelpOnTable.htm", {"html/Ce.htm"}},
      {"актиноид", "html/HelpOnTable.htm", {"html/Th.htm"}},
      {"щелочноземельный", "html/HelpOnTable.htm", {"html/Mg.htm", "html/Ca.htm", "html/Ba.htm"}},
      {"благородный газ", "html/HelpOnTable.htm", {"html/He.htm", "html/Ne.htm", "html/Rn.htm"}},
      {"оксид", "html/HelpOnTable.htm", {"html/Introduction.htm", "html/HowToUseProgram.htm"}},
      {"электроотрицательность", "html/HelpOnViewer.htm", {"html/Fe.htm"}},
      {"период", "html/HelpOnTable.htm", {"html/Introduction.htm"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(First(c.query), c.first) << c.query;
    for (const char* page : c.also) EXPECT_TRUE(Finds(c.query, page, 200)) << c.query << page;
  }
  EXPECT_GT(Paths("изотоп", 200).size(), 100u);
  EXPECT_TRUE(Finds("изотоп", "html/Tc.htm", 200));
  EXPECT_TRUE(Finds("изотопов период полураспада", "html/Tc.htm", 200));
}

TEST(HelpSearch, FoldsCaseAndTheLetterYo) {
  const std::vector<std::string> plain = Paths("щелочноземельный", 50);
  EXPECT_FALSE(plain.empty());
  EXPECT_EQ(Paths("щёлочноземельный", 50), plain);
  EXPECT_EQ(Paths("ЩЁЛОЧНОЗЕМЕЛЬНЫЕ", 50), plain);
}

TEST(HelpSearch, MatchesTheBeginningOfAWord) {
  EXPECT_EQ(First("лантан"), "html/La.htm");
  EXPECT_TRUE(Finds("лантан", "html/HelpOnTable.htm"));
  EXPECT_TRUE(Finds("лантан", "html/Ce.htm"));
  EXPECT_EQ(First("желе"), "html/Fe.htm");
}

TEST(HelpSearch, PutsTheElementOfASymbolOrNumberFirst) {
  const struct {
    const char* query;
    const char* path;
  } cases[] = {
      {"Fe", "html/Fe.htm"}, {"fe", "html/Fe.htm"},     {" 26 ", "html/Fe.htm"},
      {"La", "html/La.htm"}, {"110", "html/.htm"},      {"Ds", "html/.htm"},
      {"1", "html/H.htm"},   {"Uranium", "html/U.htm"},
  };
  for (const auto& c : cases) EXPECT_EQ(First(c.query), c.path) << c.query;
}

TEST(HelpSearch, TakesNoCharacterOfAQueryAsSyntax) {
  for (const char* query : {"", "   ", "qwzxj", "железо qwzxj", "«»", "*", "\"", "NEAR(", "-"})
    EXPECT_TRUE(Index().find(query, 10).empty()) << query;
  // Search syntax around a word changes nothing; syntax words are words like any other, which
  // every page found must hold.
  const struct {
    const char* query;
    bool findsIron;
  } cases[] = {
      {"железо*", true},        {"\"железо", true},
      {"^железо", true},        {"{железо}", true},
      {"железо\x01\xff", true}, {"(железо)", true},
      {"<b>железо</b>", true},  {"железо NEAR(меди", false},
      {"(железо) AND", false},  {"title:железо", false},
      {"железо OR", false},     {"железо'; DROP TABLE pages; --", false},
  };
  for (const auto& [query, findsIron] : cases) {
    std::vector<SearchHit> hits;
    EXPECT_NO_THROW(hits = Index().find(query, 10)) << query;
    if (findsIron) {
      EXPECT_EQ(hits.empty() ? "" : hits[0].path, "html/Fe.htm") << query;
    }
    for (const SearchHit& hit : hits) {
      std::string text = hit.snippet;
      for (const std::string tag : {"<b>", "</b>"})
        for (std::size_t at; (at = text.find(tag)) != std::string::npos;)
          text.erase(at, tag.size());
      EXPECT_EQ(text.find_first_of("<>\""), std::string::npos) << query << ": " << hit.snippet;
    }
  }
}

class HelpSearchFiles : public TempFolderTest {};

TEST_F(HelpSearchFiles, EscapesThePageTextOfASnippet) {
  const std::string file = PathOf("index.db");
  WriteSearchIndex(
      file, {{"html/A.htm", "A", "", "Железо <script>alert(\"x\")</script> & сталь", 0, ""}});
  HelpSearch search(file);
  const std::vector<SearchHit> hits = search.find("железа", 10);
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0].snippet,
            "<b>Железо</b> &lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt; &amp; сталь");
}

TEST_F(HelpSearchFiles, SearchesAReadOnlyInstall) {
  const fs::path program = fs::path(PathOf("program"));
  fs::create_directories(program);
  fs::copy_file(SEARCH_INDEX, program / "TableSearch.db");
  fs::permissions(program / "TableSearch.db", fs::perms::owner_read | fs::perms::group_read);
  fs::permissions(program, fs::perms::owner_read | fs::perms::owner_exec);
  {
    HelpSearch search((program / "TableSearch.db").string());
    EXPECT_EQ(search.find("железо", 5).at(0).title, "26. Железо");
  }
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(program))
    files.push_back(entry.path().filename());
  EXPECT_EQ(files, std::vector<std::string>{"TableSearch.db"});
  fs::permissions(program, fs::perms::owner_all);
}

TEST_F(HelpSearchFiles, NamesTheFileItCannotRead) {
  const std::string missing = PathOf("none.db");
  const std::string text = PathOf("text.db");
  std::ofstream(text) << "not a database, only text that is long enough to be read as a header";
  const struct {
    std::string file;
    std::string message;
  } cases[] = {
      {missing, "cannot open search index '" + missing + "': unable to open database file"},
      {text, "search index '" + text + "': file is not a database"},
  };
  for (const auto& c : cases) {
    try {
      HelpSearch search(c.file);
      ADD_FAILURE() << c.file;
    } catch (const SearchIndexError& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
  }
}

TEST(HelpSearch, MarksTheMatchedWordsOfAPage) {
  const std::vector<MatchedWord> words =
      Index().matchedWords("Железо — Ferrum (Fe); железа и сталь", "железа");
  ASSERT_EQ(words.size(), 2u);
  EXPECT_EQ(words[0].start, 0u);
  EXPECT_EQ(words[0].length, 6u);
  EXPECT_EQ(words[1].start, 22u);
  EXPECT_EQ(words[1].length, 6u);
  EXPECT_TRUE(Index().matchedWords("Железо", "<>").empty());
}

TEST(PageText, KeepsTheReadableTextOfAPage) {
  const PageText page = ReadPageText(
      "<html><head><title>26. Железо</title><style>h1 {}</style></head><body>"
      "<p class=\"nav\"><a href=\"Mn.htm\">Марганец</a></p><h1>Железо&nbsp;(Fe)</h1>"
      "<td>3d<sup>6</sup>4s<sup>2</sup></td><td>2&amp;3</td></body></html>");
  EXPECT_EQ(page.title, "26. Железо");
  EXPECT_EQ(page.text, "Железо (Fe) 3d64s2 2&3");
}

TEST(SearchHelpCommand, PrintsTheTitlesFoundBestFirst) {
  const auto run = [](const std::string& index, const std::string& words, std::string& out) {
    std::FILE* outFile = std::tmpfile();
    std::FILE* errFile = std::tmpfile();
    const int status = table::SearchHelp(index, words, outFile, errFile);
    out.clear();
    for (std::FILE* file : {outFile, errFile}) {
      std::rewind(file);
      for (int c; (c = std::fgetc(file)) != EOF;) out += static_cast<char>(c);
      std::fclose(file);
    }
    return status;
  };
  std::string out;
  EXPECT_EQ(run(SEARCH_INDEX, "железо", out), 0);
  EXPECT_EQ(out.substr(0, out.find('\n')), "26. Железо");
  EXPECT_EQ(run(SEARCH_INDEX, "изотоп", out), 0);
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 10);
  EXPECT_EQ(run(SEARCH_INDEX, "qwzxj", out), 1);
  EXPECT_EQ(out, "");
  EXPECT_EQ(run("/no/such/TableSearch.db", "железо", out), 2);
  EXPECT_EQ(out,
            "cannot open search index '/no/such/TableSearch.db': unable to open database file\n");

  char program[] = "Table", option[] = "--search-help", other[] = "--other";
  char* alone[] = {program, option};
  char* unrelated[] = {program, other};
  EXPECT_EQ(table::RunSearchHelpCommand(2, alone), 2);
  EXPECT_EQ(table::RunSearchHelpCommand(2, unrelated), std::nullopt);
  // The test's own folder holds no help library to search with.
  char words[] = "--search-help=железо";
  char* withoutLibrary[] = {program, words};
  testing::internal::CaptureStderr();
  EXPECT_EQ(table::RunSearchHelpCommand(2, withoutLibrary), 2);
  const std::string reason = testing::internal::GetCapturedStderr();
  EXPECT_EQ(
      reason.rfind(
          "cannot load the help library '" +
              (fs::read_symlink("/proc/self/exe").parent_path() / "libTableHelp.so").string() +
              "': ",
          0),
      0u)
      << reason;
}

TEST(SearchHelpCommand, AnswersWithoutADisplay) {
  std::FILE* pipe = popen("env -u DISPLAY -u WAYLAND_DISPLAY " TABLE_PROGRAM
                          " --search-help 'меди' 2>&1; echo status=$?",
                          "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  for (int c; (c = std::fgetc(pipe)) != EOF;) out += static_cast<char>(c);
  pclose(pipe);
  EXPECT_EQ(out.substr(0, out.find('\n')), "29. Медь");
  EXPECT_NE(out.find("status=0"), std::string::npos) << out;
}
