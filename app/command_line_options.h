#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <string_view>

namespace table {

// Exit statuses of the answers given without a window.
inline constexpr int kExitAnswered = 0;
inline constexpr int kExitOutputFailed = 1;
inline constexpr int kExitBadArguments = 2;

// What the arguments ask of the program.
enum class CommandLineAction { kStart, kShowHelp, kShowVersion, kReject };

struct CommandLineRequest {
  CommandLineAction action = CommandLineAction::kStart;
  // The argument the program does not understand, for kReject.
  std::string_view rejected;
};

// Reads the arguments after the program's name: none start the program, one known option asks
// for its answer, and anything else is rejected (the first argument not understood, or the
// second argument: the program takes one option at most).
CommandLineRequest ReadCommandLine(std::span<const char* const> arguments);

// Answers what needs no window: the help or the version on out, a rejected argument on err.
// Returns the exit status, or nothing when the program is to start its window. Plain standard
// library only, so that the answer comes before anything of the toolkit is loaded.
std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err);

}  // namespace table
