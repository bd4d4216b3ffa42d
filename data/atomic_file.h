#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace periodic {

// Reads at most `limit` bytes from the start of the file (all of it when limit is 0). A missing
// file is created empty and gives no bytes. On failure a DataError naming the file and the cause
// is thrown ("cannot open file" or "cannot read file").
std::vector<std::uint8_t> ReadFilePrefix(const std::string& path, std::size_t limit);

// Replaces the first bytes of the file with `bytes`, keeping whatever an existing longer file
// holds after them, and its permission bits. The new contents go to a temporary file in the same
// folder that is synced and then renamed over the file, so the file is always either the old one
// or the new one. A symbolic link is followed and stays a link. On failure nothing is left behind,
// the old file is untouched and a DataError "cannot write file '<path>': <cause>" is thrown.
void WriteFilePrefix(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace periodic
