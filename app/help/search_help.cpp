#include "app/help/search_help.h"

#include "help/search/help_search.h"

namespace table {
namespace {

constexpr int kMostTitles = 10;

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

}  // namespace table
