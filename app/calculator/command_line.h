#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "app/calculator/program_data.h"

namespace tarvik {

// Exit codes of the command-line mode.
inline constexpr int kExitOk = 0;
inline constexpr int kExitBadFormula = 1;
inline constexpr int kExitNoData = 2;
inline constexpr int kExitOutputFailed = 3;

// Said on err when out could not be written (a closed or full standard output).
inline constexpr const char* kOutputFailedMessage =
    "Не удалось вывести результат: стандартный вывод закрыт или переполнен.";

// Computes each formula and prints its result to out, a blank line between two results; a
// formula that cannot be read prints its message to err. Returns kExitOk when every formula was
// computed, kExitBadFormula when one was not, kExitNoData when the data file is unusable, and
// kExitOutputFailed when the results could not be written, so that no script takes them as given.
int RunCommandLine(const std::vector<std::string>& formulas, const ProgramData& data,
                   std::ostream& out, std::ostream& err);

}  // namespace tarvik
