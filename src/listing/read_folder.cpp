#include "listing/read_folder.h"

#include <algorithm>

namespace nalo {
namespace {

// Items taken on at a time: a few dozen microseconds of looks, so the counter is
// touched rarely and the two threads still finish a folder close together.
constexpr std::size_t kExamineChunk = 64;

}  // namespace

bool TReadFolder::ExamineChunk() {
  const std::size_t from = Claimed.fetch_add(kExamineChunk, std::memory_order_relaxed);
  if (from >= ToExamine.size()) return false;
  const std::size_t to = std::min(from + kExamineChunk, ToExamine.size());
  for (std::size_t i = from; i < to; ++i) {
    TFolderItem& item = *ToExamine[i];
    item.Stat = Dir.Stat(item.Utf8Name, item.Type);
    item.StatTried = true;
  }
  return true;
}

}  // namespace nalo
