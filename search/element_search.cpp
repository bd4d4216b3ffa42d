#include "search/element_search.h"

#include <algorithm>
#include <charconv>

namespace periodic {
namespace {

// The code point starting at text[i]; i moves past it. A byte that does not start a valid
// sequence stands for itself.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  const int length = lead < 0x80           ? 1
                     : (lead >> 5) == 0x6  ? 2
                     : (lead >> 4) == 0xE  ? 3
                     : (lead >> 3) == 0x1E ? 4
                                           : 0;
  if (length <= 1 || i + length > text.size()) {
    ++i;
    return lead;
  }
  char32_t code = lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) {
      ++i;
      return lead;
    }
    code = (code << 6) | (next & 0x3F);
  }
  i += length;
  return code;
}

char32_t FoldCodePoint(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + (U'a' - U'A');
  if (c >= U'А' && c <= U'Я') c += U'а' - U'А';
  if (c == U'Ё' || c == U'ё') return U'е';
  return c;
}

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

int NumberIn(std::string_view query) {
  if (query.empty() ||
      !std::all_of(query.begin(), query.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return 0;
  int number = 0;
  const auto [end, error] = std::from_chars(query.data(), query.data() + query.size(), number);
  if (error != std::errc() || end != query.data() + query.size()) return 0;
  return number >= 1 && number <= kElementCount ? number : 0;
}

void AddOnce(std::vector<int>& found, int n) {
  if (std::find(found.begin(), found.end(), n) == found.end()) found.push_back(n);
}

}  // namespace

std::u32string FoldForSearch(std::string_view text) {
  std::u32string folded;
  for (std::size_t i = 0; i < text.size();) folded.push_back(FoldCodePoint(NextCodePoint(text, i)));
  return folded;
}

std::vector<int> FindElements(std::string_view query, const std::vector<ElementRecord>& records) {
  query = Trimmed(query);
  std::vector<int> found;
  if (query.empty()) return found;
  if (const int n = NumberIn(query)) found.push_back(n);

  const std::u32string wanted = FoldForSearch(query);
  const int count = std::min<int>(kElementCount, static_cast<int>(records.size()));
  const auto folded = [&](const std::string& field) { return FoldForSearch(Trimmed(field)); };
  for (int n = 1; n <= count; ++n) {
    const ElementRecord& record = records[n - 1];
    if (FoldForSearch(BareSymbol(record.Symbol)) == wanted || folded(record.NameRus) == wanted ||
        folded(record.NameLat) == wanted)
      AddOnce(found, n);
  }
  for (int n = 1; n <= count; ++n) {
    const std::u32string name = folded(records[n - 1].NameRus);
    if (name.size() > wanted.size() && name.compare(0, wanted.size(), wanted) == 0)
      AddOnce(found, n);
  }
  return found;
}

}  // namespace periodic
