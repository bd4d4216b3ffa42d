#include "app/help/search_help_command.h"

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "app/help/search_help.h"
#include "app/shell/services/help_library.h"

namespace table {
namespace {

constexpr std::string_view kOption = "--search-help";

// The folder of the running program, where the help library and the index lie.
std::filesystem::path ProgramFolder(const char* argv0) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self.parent_path();
  return std::filesystem::absolute(argv0 ? argv0 : "", error).parent_path();
}

int SearchWithHelpLibrary(const std::filesystem::path& folder, const std::string& words) {
  const std::string library = (folder / kHelpLibraryFileName).string();
  // The library stays loaded until the program ends, a moment later.
  void* handle = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
  const auto search =
      handle ? reinterpret_cast<SearchTableHelpFunction>(::dlsym(handle, kSearchTableHelpName))
             : nullptr;
  if (!search) {
    const char* reason = ::dlerror();
    std::fprintf(stderr, "cannot load the help library '%s': %s\n", library.c_str(),
                 reason ? reason : "no search in it");
    return 2;
  }
  return search((folder / kSearchIndexFileName).c_str(), words.c_str());
}

}  // namespace

std::optional<int> RunSearchHelpCommand(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    std::string words;
    if (argument == kOption && i + 1 < argc) {
      words = argv[i + 1];
    } else if (argument.starts_with(std::string(kOption) + "=")) {
      words = argument.substr(kOption.size() + 1);
    } else if (argument == kOption) {
      std::fprintf(stderr, "usage: %s --search-help 'WORDS'\n", argv[0]);
      return 2;
    } else {
      continue;
    }
    return SearchWithHelpLibrary(ProgramFolder(argv[0]), words);
  }
  return std::nullopt;
}

}  // namespace table
