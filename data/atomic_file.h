#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace periodic {

// The error code of a file that exists but is not a regular file (a FIFO, a socket, a device,
// a folder where a file was expected is EISDIR instead).
inline constexpr int kNotARegularFile = EINVAL;

// Reads at most `limit` bytes from the start of the file (all of it when limit is 0). A missing
// file gives no bytes and is not created. A character device (a link to /dev/null, say) gives
// no bytes either; any other file that is not a regular file is refused without waiting on it.
// On failure a DataError naming the file and the cause is thrown ("cannot open file" or "cannot
// read file").
std::vector<std::uint8_t> ReadFilePrefix(const std::string& path, std::size_t limit);

// Replaces the first bytes of the file with `bytes`, keeping whatever an existing longer file
// holds after them, and its permission bits. The new contents go to a temporary file in the same
// folder that is synced and then renamed over the file, so the file is always either the old one
// or the new one; where the folder does not allow that but the file may be written, the bytes are
// written in place, and put back as they were if that fails. A symbolic link is followed and stays
// a link. A path that leads to a character device (a link to /dev/null) means "do not keep": it is
// left alone and the call succeeds. A file that is not a regular file, or that is read-only, is
// never replaced. On failure nothing is left behind, the old file is untouched and a DataError
// "cannot write file '<path>': <cause>" is thrown.
void WriteFilePrefix(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Writes `bytes` as the whole file through a synced temporary file in the same folder that is
// renamed into place, so that a reader never sees a part of it. On failure the temporary file is
// removed, an existing file is untouched and a DataError "cannot create file '<path>': <cause>"
// (no file could be made in the folder) or "cannot write file '<path>': <cause>" is thrown.
void WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace periodic
