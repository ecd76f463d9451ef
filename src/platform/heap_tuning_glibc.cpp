// glibc back end of the heap settings: mallopt on the main arena, and the heap
// grown once up front and marked for transparent huge pages, so the lists built
// in it are backed by 2 MiB pages (one fault each) where the system allows it.
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

#include "platform/heap_tuning.h"

namespace nalo {
namespace {

// The largest block glibc still serves from the heap instead of a private map
// (glibc's own upper limit for this setting).
constexpr int kLargestHeapBlock = 32 * 1024 * 1024;
// Free memory at the top of the heap that stays mapped, and extra room taken
// each time the heap grows.
constexpr int kKeptTop = 1024 * 1024 * 1024;
constexpr int kGrowthPad = 64 * 1024 * 1024;
// Heap grown before the listing starts: room for the rows, keys and entries of a
// few hundred thousand items. Address space only; pages are taken when touched.
constexpr int kBlocksGrownUpFront = 4;
constexpr std::uintptr_t kHugePage = 2 * 1024 * 1024;

// Grows the heap by allocating and freeing large blocks; with the top kept, the
// room stays part of the heap for the allocations that follow.
void GrowHeap() {
  void* blocks[kBlocksGrownUpFront] = {};
  for (void*& block : blocks) block = malloc(kLargestHeapBlock - 4096);
  for (void* block : blocks) free(block);
}

// Asks for huge pages over the heap's room from `from` to the current break.
void AdviseHugePages(void* from) {
  const auto begin = (reinterpret_cast<std::uintptr_t>(from) + kHugePage - 1) & ~(kHugePage - 1);
  const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0)) & ~(kHugePage - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

}  // namespace

void KeepHeapForBulkLists() {
  mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
  mallopt(M_TRIM_THRESHOLD, kKeptTop);
  mallopt(M_TOP_PAD, kGrowthPad);
  void* const top = sbrk(0);
  GrowHeap();
  AdviseHugePages(top);
}

}  // namespace nalo
