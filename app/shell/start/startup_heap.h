#pragma once

#include <cstddef>

namespace table {

// The heap the start grows to, in bytes: about 2.7 MiB once the main window shows, of which some
// hundred KiB are there before main.
inline constexpr std::size_t kStartupHeapBytes = std::size_t{5} << 19;

// Readies the allocator for the start. All threads allocate from the one heap (the warm-up
// thread's font configuration would otherwise open a second one, with pages of its own), and the
// heap grows by `bytes` in one step, its new pages filled by the system in one call: on virtual
// machines a page's first touch costs ten times its share of such a call, and the start touches
// some seven hundred heap pages. Where the system cannot fill a range, the pages are faulted in on
// first touch as before.
void PrepareStartupHeap(std::size_t bytes = kStartupHeapBytes);

}  // namespace table
