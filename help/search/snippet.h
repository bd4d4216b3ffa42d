#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace periodic {

// Whether an indexed stem answers one of the query's stems: a query stem matches the
// beginning of the stem, so that "лантан" finds "лантаноид".
bool StemMatches(std::string_view stem, const std::vector<std::string>& queryStems);

// A short passage of `text` around the words that match the query, as HTML: the text escaped,
// the matched words in <b>, "…" where the passage cuts the text. `stems` holds the stems of
// the text's words in order, separated by blanks (as the index keeps them).
std::string MakeSnippet(std::string_view text, std::string_view stems,
                        const std::vector<std::string>& queryStems);

}  // namespace periodic
