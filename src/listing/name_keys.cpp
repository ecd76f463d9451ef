#include "listing/name_keys.h"

#include "platform/collation_key.h"

namespace nalo {

void TNameKeys::Add(std::string_view name) {
  AppendCollationKey(buffer_, name);
  offsets_.push_back(buffer_.size());
}

}  // namespace nalo
