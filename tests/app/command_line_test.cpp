#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line_options.h"
#include "app/program_run.h"

namespace {

using table::CommandLineAction;

struct ReadCase {
  std::vector<const char*> arguments;
  CommandLineAction action;
  std::string rejected;
};

TEST(CommandLine, OneKnownOptionAtMost) {
  const ReadCase cases[] = {
      {{}, CommandLineAction::kStart, ""},
      {{"--help"}, CommandLineAction::kShowHelp, ""},
      {{"-h"}, CommandLineAction::kShowHelp, ""},
      {{"--version"}, CommandLineAction::kShowVersion, ""},
      {{"-v"}, CommandLineAction::kShowVersion, ""},
      {{"--verbose"}, CommandLineAction::kReject, "--verbose"},
      {{"-hv"}, CommandLineAction::kReject, "-hv"},
      {{"--help=all"}, CommandLineAction::kReject, "--help=all"},
      {{"-"}, CommandLineAction::kReject, "-"},
      {{""}, CommandLineAction::kReject, ""},
      {{"Elements.dat"}, CommandLineAction::kReject, "Elements.dat"},
      {{"--help", "--version"}, CommandLineAction::kReject, "--version"},
      {{"-v", "Fe"}, CommandLineAction::kReject, "Fe"},
      {{"Fe", "--help"}, CommandLineAction::kReject, "Fe"},
  };
  for (const ReadCase& c : cases) {
    const table::CommandLineRequest request = table::ReadCommandLine(c.arguments);
    EXPECT_EQ(request.action, c.action) << c.arguments.size() << " " << c.rejected;
    EXPECT_EQ(request.rejected, c.rejected);
  }
}

struct Answer {
  std::optional<int> status;
  std::string out;
  std::string err;
};

Answer AnswerFor(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "Table");
  std::ostringstream out;
  std::ostringstream err;
  const auto status =
      table::AnswerCommandLine(static_cast<int>(arguments.size()), arguments.data(), out, err);
  return {status, out.str(), err.str()};
}

TEST(CommandLine, AnswersHelpAndVersionOnStandardOutput) {
  const Answer help = AnswerFor({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.err, "");
  EXPECT_TRUE(help.out.starts_with("Использование: table [ПАРАМЕТР]\n")) << help.out;
  EXPECT_NE(help.out.find("  -h, --help      показать эту справку и выйти\n"), std::string::npos)
      << help.out;
  EXPECT_NE(help.out.find("  -v, --version   показать версию программы и выйти\n"),
            std::string::npos)
      << help.out;
  EXPECT_NE(help.out.find("      --search-help 'СЛОВА'\n"), std::string::npos) << help.out;
  EXPECT_EQ(AnswerFor({"-h"}).out, help.out);

  const Answer version = AnswerFor({"-v"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "Периодическая система химических элементов, версия 1.3.62\n");
  EXPECT_EQ(version.err, "");
}

TEST(CommandLine, RejectsWithOneLineAndTheHelpHint) {
  const Answer unknown = AnswerFor({"--verbose"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.out, "");
  EXPECT_EQ(unknown.err, "table: неизвестный параметр «--verbose»\nСправка: table --help\n");

  const Answer extra = AnswerFor({"--version", "Fe"});
  EXPECT_EQ(extra.status, 2);
  EXPECT_EQ(extra.out, "");
  EXPECT_EQ(extra.err, "table: лишний аргумент «Fe»\nСправка: table --help\n");
}

TEST(CommandLine, NoArgumentsLeaveTheStartToTheWindow) {
  const Answer start = AnswerFor({});
  EXPECT_FALSE(start.status.has_value());
  EXPECT_EQ(start.out + start.err, "");
}

// Help that could not be written must not pass for shown in a script.
TEST(CommandLine, UnwritableOutputFails) {
  std::ostringstream out;
  out.setstate(std::ios::badbit);
  std::ostringstream err;
  const char* arguments[] = {"Table", "--version"};
  EXPECT_EQ(table::AnswerCommandLine(2, arguments, out, err), 1);
  EXPECT_EQ(err.str(),
            "table: не удалось вывести текст: стандартный вывод закрыт или переполнен\n");
}

struct ProgramCase {
  const char* arguments;
  int status;
  const char* out_start;
  const char* err_start;
};

// The built program answers on a machine without a display, before it asks for one.
TEST(CommandLine, ProgramAnswersWithoutADisplay) {
  const ProgramCase cases[] = {
      {"--help", 0, "Использование: table", ""},
      {"-h", 0, "Использование: table", ""},
      {"--version", 0, "Периодическая система химических элементов, версия 1.3.62\n", ""},
      {"-v", 0, "Периодическая система химических элементов, версия 1.3.62\n", ""},
      {"--display=:0", 2, "", "table: неизвестный параметр «--display=:0»\n"},
      {"H2O", 2, "", "table: лишний аргумент «H2O»\n"},
  };
  for (const ProgramCase& c : cases) {
    SCOPED_TRACE(c.arguments);
    const ProgramOutcome run = RunProgram(TABLE_PROGRAM, c.arguments, kWithoutDisplay);
    EXPECT_EQ(run.status, c.status);
    EXPECT_TRUE(run.out.starts_with(c.out_start)) << run.out;
    EXPECT_TRUE(run.err.starts_with(c.err_start)) << run.err;
    // Nothing expected on a stream means nothing at all there.
    if (*c.out_start == '\0') {
      EXPECT_EQ(run.out, "");
    }
    if (*c.err_start == '\0') {
      EXPECT_EQ(run.err, "");
    }
  }
}

}  // namespace
