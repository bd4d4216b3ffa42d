#include "app/shell/start/startup_heap.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23  // Linux 5.14
#endif

namespace table {
namespace {

constexpr std::size_t kBlock = 64 * 1024;  // below the size the allocator maps on its own

}  // namespace

void PrepareStartupHeap(std::size_t bytes) {
  ::mallopt(M_ARENA_MAX, 1);
  const long pageSize = ::sysconf(_SC_PAGESIZE);
  if (bytes == 0 || pageSize <= 0) return;
  // The pad stays: were it dropped, the next large free would hand the filled pages back.
  ::mallopt(M_TOP_PAD, static_cast<int>(bytes));
  // Blocks until the heap has grown once; that growth takes the pad with it.
  void* const before = ::sbrk(0);
  std::vector<void*> blocks;
  blocks.reserve(bytes / kBlock + 2);
  while (::sbrk(0) == before && blocks.size() < blocks.capacity()) {
    void* block = std::malloc(kBlock);
    if (!block) break;
    blocks.push_back(block);
  }
  const auto from = blocks.empty() ? std::uintptr_t{0}
                                   : reinterpret_cast<std::uintptr_t>(blocks.front()) &
                                         ~static_cast<std::uintptr_t>(pageSize - 1);
  for (void* block : blocks) std::free(block);
  const auto end = reinterpret_cast<std::uintptr_t>(::sbrk(0));
  // An allocator that does not grow this heap (a sanitizer's) leaves nothing to fill.
  if (from == 0 || end <= from || end - from > 2 * bytes) return;
  (void)::madvise(reinterpret_cast<void*>(from), end - from, MADV_POPULATE_WRITE);
}

}  // namespace table
