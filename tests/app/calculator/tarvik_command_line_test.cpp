#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/program_run.h"

namespace {

namespace fs = std::filesystem;

TEST(TarvikCommandLine, PrintsTheResultAndSucceeds) {
  const ProgramOutcome run = RunProgram(TARVIK_FILE, "'CuSO4*5H2O'");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(run.out.starts_with("Формула: CuSO4*5H2O\nМолярная масса: 249,686 г/моль\n"))
      << run.out;
  EXPECT_NE(run.out.find("Cu      Медь           1         63,546    25,45\n"), std::string::npos)
      << run.out;
}

TEST(TarvikCommandLine, BadFormulaGoesToStandardErrorWithStatusOne) {
  const ProgramOutcome run = RunProgram(TARVIK_FILE, "'H2O' 'H2So4'");
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.starts_with("Формула: H2O\n")) << run.out;
  EXPECT_EQ(run.err,
            "Ошибка в формуле (позиция 3). Неизвестный элемент «So».\n"
            "H2So4\n"
            "  ^\n");
}

// The command line says how an ion was read, as the window does, and refuses what the window's
// field could not hold.
TEST(TarvikCommandLine, IonNotationIsExplainedAndLongFormulasRefused) {
  const ProgramOutcome ion = RunProgram(TARVIK_FILE, "'Fe3+'");
  EXPECT_EQ(ion.status, 0);
  EXPECT_TRUE(
      ion.out.starts_with("Формула: Fe3+\n"
                          "Молярная масса: 55,847 г/моль\n"
                          "Заряд: 3+ (на массу не влияет)\n"
                          "Прочитано как ион Fe с зарядом 3+; если 3 — число атомов, "
                          "пишите Fe3^+.\n"))
      << ion.out;

  const ProgramOutcome tooLong = RunProgram(TARVIK_FILE, std::string(60000, 'H') + "Xx");
  EXPECT_EQ(tooLong.status, 1);
  EXPECT_EQ(tooLong.out, "");
  EXPECT_EQ(tooLong.err,
            "Ошибка в формуле (позиция 32768). Слишком длинная формула: допускается не больше "
            "32767 знаков.\n");
}

// A script on a server has no display: printing must not need one.
TEST(TarvikCommandLine, NeedsNoDisplay) {
  const ProgramOutcome run =
      RunProgram(TARVIK_FILE, "H2O", "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Молярная масса: 18,0153 г/моль"), std::string::npos) << run.out;
}

// Without arguments the calculator opens its window; with no display for it, one line says how to
// compute without one, where the toolkit would abort in English.
TEST(TarvikCommandLine, WindowWithoutADisplaySaysHowToComputeInstead) {
  for (const std::string display : {"", "DISPLAY=:93"}) {
    SCOPED_TRACE(display);
    const ProgramOutcome run =
        RunProgram(TARVIK_FILE, "", std::string(kWithoutDisplay) + " " + display);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "tarvik: окну калькулятора нужен графический дисплей (переменная DISPLAY или "
              "WAYLAND_DISPLAY); без него формулу считают в командной строке: tarvik 'H2O'\n");
  }
}

TEST(TarvikCommandLine, MissingDataFileIsReportedNotCrashedOn) {
  const fs::path folder =
      fs::temp_directory_path() / ("tarvik_alone_" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const fs::path program = folder / "tarvik";
  fs::copy_file(TARVIK_FILE, program, fs::copy_options::overwrite_existing);
  const ProgramOutcome run = RunProgram(program.string(), "H2O");
  fs::remove_all(folder);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "Не найден файл данных элементов «" + (folder / "Elements.dat").string() +
                         "». Калькулятору нужен файл Elements.dat рядом с программой.\n");
}

// Results that could not be written must not pass for computed ones in a script.
TEST(TarvikCommandLine, UnwritableOutputFails) {
  for (const std::string arguments : {"H2O >/dev/full", "H2O >&-", "--help >/dev/full"}) {
    SCOPED_TRACE(arguments);
    const fs::path err =
        fs::temp_directory_path() / ("tarvik_full_" + std::to_string(::getpid()) + ".txt");
    const std::string command =
        "'" + std::string(TARVIK_FILE) + "' " + arguments + " 2>'" + err.string() + "'";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 3);
    EXPECT_EQ(ReadWholeFile(err),
              "Не удалось вывести результат: стандартный вывод закрыт или переполнен.\n");
    fs::remove(err);
  }
}

}  // namespace
