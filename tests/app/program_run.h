#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// Runs a built program as a person runs it from a shell, to check its output and exit status.
struct ProgramOutcome {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Environment is put before the program (for example "env -u DISPLAY"), arguments after it, both
// as shell text.
inline ProgramOutcome RunProgram(const std::string& program, const std::string& arguments,
                                 const std::string& environment = "") {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / ("program_run_" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const fs::path out = folder / "out.txt";
  const fs::path err = folder / "err.txt";
  const std::string command = environment + " '" + program + "' " + arguments + " >'" +
                              out.string() + "' 2>'" + err.string() + "'";
  const int raw = std::system(command.c_str());
  ProgramOutcome run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = ReadWholeFile(out);
  run.err = ReadWholeFile(err);
  fs::remove_all(folder);
  return run;
}

// No display named in any way the toolkit looks for one.
inline constexpr const char* kWithoutDisplay =
    "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM";
