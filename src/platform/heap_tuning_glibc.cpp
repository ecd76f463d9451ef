// glibc back end of the heap settings: mallopt on the main arena.
#include <malloc.h>

#include "platform/heap_tuning.h"

namespace nalo {
namespace {

// The largest block glibc still serves from the heap instead of a private map.
constexpr int kLargestHeapBlock = 32 * 1024 * 1024;
// Free memory at the top of the heap that stays mapped, and extra room taken
// each time the heap grows.
constexpr int kKeptTop = 1024 * 1024 * 1024;
constexpr int kGrowthPad = 64 * 1024 * 1024;

}  // namespace

void KeepHeapForBulkLists() {
  mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
  mallopt(M_TRIM_THRESHOLD, kKeptTop);
  mallopt(M_TOP_PAD, kGrowthPad);
}

}  // namespace nalo
