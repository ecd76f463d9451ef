// A sorted vector rather than a map: a batch of a million failed rows keeps 24
// bytes per row, and a tooltip asks for one cause at a time.
#include "execution/failure_reasons.h"

#include <algorithm>
#include <tuple>

#include "execution/execution_messages.h"

namespace nalo {
namespace {

bool Before(const TItemIdentity& a, const TItemIdentity& b) {
  return std::tie(a.Device, a.Inode) < std::tie(b.Device, b.Inode);
}

}  // namespace

void TFailureReasons::Keep(const TEntryList& entries, const std::vector<TFailedRow>& failed) {
  causes_.clear();
  causes_.reserve(failed.size());
  for (const TFailedRow& f : failed) {
    const TItemIdentity& id = entries.EntryAt(f.Entry).Identity;
    if (id.Known()) causes_.emplace_back(id, f.Error);
  }
  std::stable_sort(causes_.begin(), causes_.end(),
                   [](const auto& a, const auto& b) { return Before(a.first, b.first); });
}

std::string TFailureReasons::ReasonOf(const TListData& entry) const {
  if (entry.State != kStateFailed || !entry.Identity.Known()) return {};
  const auto at = std::lower_bound(
      causes_.begin(), causes_.end(), entry.Identity,
      [](const auto& cause, const TItemIdentity& id) { return Before(cause.first, id); });
  if (at == causes_.end() || !(at->first == entry.Identity)) return {};
  return FailureReasonText(at->second);
}

}  // namespace nalo
