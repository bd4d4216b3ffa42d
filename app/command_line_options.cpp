#include "app/command_line_options.h"

#include <ostream>
#include <string>

#include "app/program_version.h"

namespace table {
namespace {

struct Option {
  std::string_view longName;
  std::string_view shortName;
  CommandLineAction action;
  std::string_view description;
};

// Every option the program knows; the help lists them in this order.
constexpr Option kOptions[] = {
    {"--help", "-h", CommandLineAction::kShowHelp, "показать эту справку и выйти"},
    {"--version", "-v", CommandLineAction::kShowVersion, "показать версию программы и выйти"},
};

constexpr std::string_view kProgramName = "table";

const Option* FindOption(std::string_view text) {
  for (const Option& option : kOptions) {
    if (text == option.longName || text == option.shortName) return &option;
  }
  return nullptr;
}

void WriteHelp(std::ostream& out) {
  out << "Использование: " << kProgramName << " [ПАРАМЕТР]\n"
      << "Периодическая система химических элементов. Без параметров открывает окно\n"
      << "программы; для него нужен графический дисплей.\n\n"
      << "Параметры:\n";
  constexpr std::size_t kLongNameWidth = 12;
  for (const Option& option : kOptions) {
    const std::size_t gap =
        option.longName.size() < kLongNameWidth ? kLongNameWidth - option.longName.size() : 1;
    out << "  " << option.shortName << ", " << option.longName << std::string(gap, ' ')
        << option.description << "\n";
  }
  out << "      --search-help 'СЛОВА'\n"
      << "                  найти страницы справки по словам и вывести их названия, лучшие\n"
      << "                  первыми (не больше десяти); код 0, если найдены, 1, если нет\n";
  out << "\nМолярную массу и состав вещества считает калькулятор tarvik, например:\n"
      << "tarvik 'CuSO4*5H2O'. Подробнее: man " << kProgramName << "\n";
}

void WriteRejection(std::string_view argument, std::ostream& err) {
  const bool unknownOption = argument.starts_with('-') && !FindOption(argument);
  err << kProgramName << (unknownOption ? ": неизвестный параметр «" : ": лишний аргумент «")
      << argument << "»\n"
      << "Справка: " << kProgramName << " --help\n";
}

}  // namespace

CommandLineRequest ReadCommandLine(std::span<const char* const> arguments) {
  CommandLineRequest request;
  for (const char* argument : arguments) {
    const std::string_view text = argument ? argument : "";
    const Option* option = FindOption(text);
    // One option at a time: a second argument is as foreign as an unknown one.
    if (!option || request.action != CommandLineAction::kStart) {
      return {CommandLineAction::kReject, text};
    }
    request.action = option->action;
  }
  return request;
}

std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err) {
  if (argc <= 1) return std::nullopt;
  const CommandLineRequest request =
      ReadCommandLine({argv + 1, static_cast<std::size_t>(argc - 1)});
  switch (request.action) {
    case CommandLineAction::kStart:
      return std::nullopt;
    case CommandLineAction::kReject:
      WriteRejection(request.rejected, err);
      return kExitBadArguments;
    case CommandLineAction::kShowHelp:
      WriteHelp(out);
      break;
    case CommandLineAction::kShowVersion:
      out << "Периодическая система химических элементов, версия " << kProgramVersion << "\n";
      break;
  }
  if (!out.flush()) {
    err << kProgramName << ": не удалось вывести текст: стандартный вывод закрыт или переполнен\n";
    return kExitOutputFailed;
  }
  return kExitAnswered;
}

}  // namespace table
