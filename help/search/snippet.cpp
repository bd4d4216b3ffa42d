#include "help/search/snippet.h"

#include <algorithm>

#include "help/search/word_stems.h"
#include "table/element_facts.h"

namespace periodic {
namespace {

constexpr std::size_t kSnippetWords = 18;

std::vector<std::string_view> SplitBlanks(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t blank = std::min(text.find(' ', at), text.size());
    if (blank > at) parts.push_back(text.substr(at, blank - at));
    at = blank + 1;
  }
  return parts;
}

// The first word of the passage: a few words before the match that starts the window of
// kSnippetWords words with the most matches.
std::size_t PassageStart(const std::vector<bool>& matched) {
  std::size_t bestStart = 0;
  std::ptrdiff_t bestCount = 0;
  for (std::size_t start = 0; start < matched.size(); ++start) {
    if (!matched[start]) continue;
    const std::size_t end = std::min(matched.size(), start + kSnippetWords);
    const std::ptrdiff_t count =
        std::count(matched.begin() + static_cast<std::ptrdiff_t>(start),
                   matched.begin() + static_cast<std::ptrdiff_t>(end), true);
    if (count > bestCount) {
      bestCount = count;
      bestStart = start;
    }
  }
  return bestStart >= 3 ? bestStart - 3 : 0;
}

}  // namespace

bool StemMatches(std::string_view stem, const std::vector<std::string>& queryStems) {
  return std::any_of(queryStems.begin(), queryStems.end(), [stem](const std::string& query) {
    return stem.substr(0, query.size()) == query;
  });
}

std::string MakeSnippet(std::string_view text, std::string_view stems,
                        const std::vector<std::string>& queryStems) {
  const std::vector<TextWord> words = SplitWords(text);
  const std::vector<std::string_view> wordStems = SplitBlanks(stems);
  if (words.empty()) return {};
  std::vector<bool> matched(words.size(), false);
  // Stems that do not line up with the words (an index of another version) mark nothing.
  if (wordStems.size() == words.size())
    for (std::size_t i = 0; i < words.size(); ++i)
      matched[i] = StemMatches(wordStems[i], queryStems);
  const std::size_t first = PassageStart(matched);
  const std::size_t last = std::min(words.size(), first + kSnippetWords) - 1;
  std::string out = first > 0 ? "…" : "";
  std::size_t at = words[first].offset;
  for (std::size_t i = first; i <= last; ++i) {
    out += HtmlEscape(std::string(text.substr(at, words[i].offset - at)));
    const std::string_view word = text.substr(words[i].offset, words[i].length);
    out +=
        matched[i] ? "<b>" + HtmlEscape(std::string(word)) + "</b>" : HtmlEscape(std::string(word));
    at = words[i].offset + words[i].length;
  }
  if (last + 1 < words.size()) {
    out += "…";
  } else {
    out += HtmlEscape(std::string(text.substr(at)));
  }
  return out;
}

}  // namespace periodic
