#include "app/help/search_help_command.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "help/search/help_search.h"

namespace table {
namespace {

constexpr std::string_view kOption = "--search-help";
constexpr int kMostTitles = 10;

// The folder of the running program, where the help and its index lie.
std::filesystem::path ProgramFolder(const char* argv0) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self.parent_path();
  return std::filesystem::absolute(argv0 ? argv0 : "", error).parent_path();
}

}  // namespace

int SearchHelp(const std::string& indexFile, const std::string& words, std::FILE* out,
               std::FILE* err) {
  try {
    periodic::HelpSearch search(indexFile);
    const std::vector<periodic::SearchHit> hits = search.find(words, kMostTitles);
    for (const periodic::SearchHit& hit : hits) std::fprintf(out, "%s\n", hit.title.c_str());
    return hits.empty() ? 1 : 0;
  } catch (const std::exception& e) {
    std::fprintf(err, "%s\n", e.what());
    return 2;
  }
}

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
    const std::filesystem::path index = ProgramFolder(argv[0]) / kSearchIndexFileName;
    return SearchHelp(index.string(), words, stdout, stderr);
  }
  return std::nullopt;
}

}  // namespace table
