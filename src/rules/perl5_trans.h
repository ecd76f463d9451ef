// One compiled tr/searchlist/replacementlist/flags expression and its run over a
// subject. Translation always steps Shift-JIS characters (a trail byte is never
// translated on its own), with or without "k". Perl's rules for the lists hold: a
// short replacement list repeats its last character, an empty one means the
// search list itself; "c" complements the search list, "d" deletes characters
// found but not replaced, "s" squeezes runs of one translated character.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "rules/perl5_expression.h"

namespace nalo {

class TPerl5Translation {
 public:
  // Throws EPerl5Error for lists the layer cannot read.
  explicit TPerl5Translation(const TPerl5Expression& expression);

  // Returns the number of characters found in the search list (translated,
  // deleted or squeezed); when it is above 0, `result` holds the new subject.
  // Throws EPerl5Error when the subject or the result is not CP932 text.
  std::size_t Run(std::string_view subject, std::string& result) const;

 private:
  static constexpr std::int64_t kUnmatched = -1;
  static constexpr std::int64_t kDelete = -2;
  // Characters below this code are looked up in a table, the rest in the map.
  static constexpr std::uint32_t kTableSize = 0x80;

  std::int64_t Lookup(std::uint32_t code) const;
  std::int64_t ComputeMapping(std::uint32_t code) const;
  std::int64_t ReplacementAt(std::size_t index, std::uint32_t code) const;

  TPerl5Flags flags_;
  std::vector<std::uint32_t> search_;
  std::vector<std::uint32_t> replacement_;
  std::vector<std::uint32_t> search_sorted_;              // for the complement
  std::unordered_map<std::uint32_t, std::size_t> first_index_;  // code -> first position in search_
  std::array<std::int64_t, kTableSize> table_{};
};

}  // namespace nalo
