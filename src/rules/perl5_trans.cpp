// tr/// mapping and run. The mapping of a character is its replacement code,
// kUnmatched or kDelete; ASCII characters are mapped through a table built once,
// others are computed from the lists. Subjects are decoded to code points, and
// the result is encoded back to CP932.
#include "rules/perl5_trans.h"

#include <algorithm>
#include <optional>

#include "rules/perl5_kanji.h"
#include "rules/perl5_trans_list.h"
#include "rules/perl5_utf8.h"

namespace nalo {

TPerl5Translation::TPerl5Translation(const TPerl5Expression& expression)
    : flags_(expression.Flags),
      search_(ExpandTransList(expression.Left)),
      replacement_(ExpandTransList(expression.Right)) {
  for (std::size_t i = 0; i < search_.size(); ++i) first_index_.emplace(search_[i], i);
  search_sorted_ = search_;
  std::sort(search_sorted_.begin(), search_sorted_.end());
  search_sorted_.erase(std::unique(search_sorted_.begin(), search_sorted_.end()),
                       search_sorted_.end());
  for (std::uint32_t code = 0; code < kTableSize; ++code) table_[code] = ComputeMapping(code);
}

// The replacement for the character at `index` of the (possibly complemented)
// search list.
std::int64_t TPerl5Translation::ReplacementAt(std::size_t index, std::uint32_t code) const {
  if (index < replacement_.size()) return replacement_[index];
  if (flags_.DeleteUnmatched) return kDelete;
  if (replacement_.empty()) return code;
  return replacement_.back();
}

std::int64_t TPerl5Translation::ComputeMapping(std::uint32_t code) const {
  if (!flags_.Complement) {
    auto found = first_index_.find(code);
    return found == first_index_.end() ? kUnmatched : ReplacementAt(found->second, code);
  }
  auto below = std::lower_bound(search_sorted_.begin(), search_sorted_.end(), code);
  if (below != search_sorted_.end() && *below == code) return kUnmatched;
  // Position of `code` in the ascending list of every character not searched for.
  std::size_t index = code - static_cast<std::size_t>(below - search_sorted_.begin());
  return ReplacementAt(index, code);
}

std::int64_t TPerl5Translation::Lookup(std::uint32_t code) const {
  return code < kTableSize ? table_[code] : ComputeMapping(code);
}

std::size_t TPerl5Translation::Run(std::string_view subject, std::string& result) const {
  std::string utf8 = KanjiToUtf8(subject);
  std::string out;
  out.reserve(utf8.size());
  std::size_t count = 0;
  std::optional<std::int64_t> last_translated;  // squeezing looks at this
  for (std::size_t pos = 0; pos < utf8.size();) {
    std::size_t start = pos;
    std::uint32_t code = DecodeUtf8At(utf8, pos);
    std::int64_t mapped = Lookup(code);
    if (mapped == kUnmatched) {
      out.append(utf8, start, pos - start);
      last_translated.reset();
      continue;
    }
    ++count;
    if (mapped == kDelete) continue;
    if (flags_.Squeeze && last_translated == mapped) continue;
    AppendUtf8(out, static_cast<std::uint32_t>(mapped));
    last_translated = mapped;
  }
  if (count > 0) result = KanjiFromUtf8(out);
  return count;
}

}  // namespace nalo
