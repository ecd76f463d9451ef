// The collation keys of a list of names, in one buffer: each key is the name's
// AppendCollationKey, compared as bytes. The first sixteen key bytes of each are
// also given as two big-endian integers, so a sort decides most comparisons on
// integers held beside its records. The scan fills one of these as it reads the
// names (while the helper thread examines items); a sort of a list makes its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nalo {

class TNameKeys {
 public:
  TNameKeys() { offsets_.push_back(0); }
  // The keys of every item's Name, in order.
  template <typename TItem>
  explicit TNameKeys(const std::vector<TItem>& items) : TNameKeys() {
    Reserve(items.size());
    for (const TItem& e : items) Add(e.Name);
  }

  void Reserve(std::size_t count) { offsets_.reserve(offsets_.size() + count); }
  // Appends the key of a CP932 name.
  void Add(std::string_view name);
  // Appends a key made before (one of another TNameKeys, for example).
  void AddKey(std::string_view key) {
    buffer_.append(key);
    offsets_.push_back(buffer_.size());
  }
  void Clear() {
    buffer_.clear();
    offsets_.assign(1, 0);
  }

  std::size_t Count() const { return offsets_.size() - 1; }
  std::string_view Key(std::size_t i) const {
    return std::string_view(buffer_).substr(offsets_[i], offsets_[i + 1] - offsets_[i]);
  }
  std::pair<std::uint64_t, std::uint64_t> Prefix(std::size_t i) const {
    const std::string_view key = Key(i);
    return {PrefixOf(key, 0), PrefixOf(key, 8)};
  }

 private:
  // Eight key bytes from `from` on, zero-padded: zero sorts below every name byte.
  static std::uint64_t PrefixOf(std::string_view key, std::size_t from) {
    std::uint64_t p = 0;
    for (std::size_t i = from; i < from + 8; ++i) {
      p = p << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
    }
    return p;
  }

  std::string buffer_;
  std::vector<std::size_t> offsets_;  // key i is buffer_[offsets_[i], offsets_[i + 1])
};

}  // namespace nalo
