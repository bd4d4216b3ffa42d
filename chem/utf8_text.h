#pragma once

#include <cstddef>
#include <string_view>

namespace chem {

// Characters (not bytes) in UTF-8 text: positions in messages and widths in columns count these.
std::size_t CharCount(std::string_view text);

// Length of the well-formed UTF-8 character at the start of text, or 0 (also for empty text).
std::size_t Utf8Length(std::string_view text);

}  // namespace chem
