#pragma once

#include <string>
#include <string_view>

namespace periodic {

// Converts Windows-1251 bytes to UTF-8 text. Every byte has a meaning except 0x98, which
// decodes to U+FFFD.
std::string DecodeWindows1251(std::string_view bytes);

// Converts UTF-8 text to Windows-1251 bytes. A character the code page lacks, or a malformed
// UTF-8 sequence, becomes '?'.
std::string EncodeWindows1251(std::string_view utf8);

}  // namespace periodic
