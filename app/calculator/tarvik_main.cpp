#include <QApplication>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/calculator/command_line.h"
#include "app/calculator/frm_tarvik.h"
#include "app/calculator/program_data.h"
#include "app/shell/start/display_check.h"

namespace {

constexpr const char* kUsage =
    "Использование: tarvik [ФОРМУЛА...]\n"
    "Без аргументов открывает окно калькулятора. С формулами печатает молярную массу и состав\n"
    "каждой, например: tarvik 'CuSO4*5H2O' 'K4[Fe(CN)6]'\n"
    "Код выхода: 0 — всё вычислено, 1 — ошибка в формуле, 2 — нет файла данных элементов,\n"
    "3 — не удалось вывести результат.\n";

// Said instead of the toolkit's abort when the window has nowhere to go.
constexpr const char* kWindowNeedsDisplayMessage =
    "tarvik: окну калькулятора нужен графический дисплей (переменная DISPLAY или "
    "WAYLAND_DISPLAY); без него формулу считают в командной строке: tarvik 'H2O'";

std::string ProgramDirectory() {
  return QCoreApplication::applicationDirPath().toStdString();
}

// With formulas on the command line the program prints and exits; it needs no display then.
int RunWithoutWindow(int argc, char** argv) {
  const std::vector<std::string> formulas(argv + 1, argv + argc);
  if (formulas.size() == 1 && (formulas[0] == "--help" || formulas[0] == "-h")) {
    if (std::cout << kUsage << std::flush) return tarvik::kExitOk;
    std::cerr << tarvik::kOutputFailedMessage << "\n";
    return tarvik::kExitOutputFailed;
  }
  QCoreApplication app(argc, argv);
  return tarvik::RunCommandLine(formulas, tarvik::LoadProgramData(ProgramDirectory()), std::cout,
                                std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) return RunWithoutWindow(argc, argv);

  if (!table::DisplayNamed()) {
    std::cerr << kWindowNeedsDisplayMessage << "\n";
    return 1;
  }
  std::unique_ptr<QApplication> app;
  {
    const table::NoDisplayGuard guard(kWindowNeedsDisplayMessage);
    app = std::make_unique<QApplication>(argc, argv);
  }
  QApplication::setApplicationName("tarvik");
  QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
  QTranslator translator;
  if (translator.load(QLocale(QLocale::Russian), "qtbase", "_",
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&translator);

  tarvik::frmTarvik window(tarvik::LoadProgramData(ProgramDirectory()));
  window.show();
  return QApplication::exec();
}
