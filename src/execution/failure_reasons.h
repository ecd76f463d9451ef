// The causes of the failed entries of the last batch, so that a failed row can
// say why it failed. They are kept by the item's identity, not by row, so sorting
// the list or removing rows leaves each cause with its entry; a cause is given
// only while its entry still carries the failed mark, so whatever clears the mark
// (the next batch, a scan, a single rename) also retires the cause.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "execution/apply_renames.h"
#include "listing/list_data.h"
#include "platform/item_identity.h"

namespace nalo {

class TFailureReasons {
 public:
  // Keeps the causes of the batch that just ended, dropping the earlier ones.
  void Keep(const TEntryList& entries, const std::vector<TFailedRow>& failed);
  void Clear() { causes_.clear(); }
  // The cause of `entry`'s failure; empty when it is not marked failed or its
  // cause is not known (an entry without an identity).
  std::string ReasonOf(const TListData& entry) const;

 private:
  std::vector<std::pair<TItemIdentity, int>> causes_;  // sorted by identity
};

}  // namespace nalo
