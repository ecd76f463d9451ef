// TMatchCORE finds matches with leftmost-longest semantics on the current pattern
// of TRegularExpression. A run from one start position walks the byte table (one
// lookup per byte, no allocation, no backtracking) and remembers the last
// accepting position; the searches try start positions character by character.
// "^" holds at the start of the text and after every LF; "$" before every CR (lines
// end in CR LF) and at the end of the text.
// Not thread-safe: a search may fill rows of the pattern's byte table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "rules/awk/regular_expression.h"

namespace nalo {

// A match: byte offsets [start, end) into the searched text.
struct TREMatch {
  std::size_t Start;
  std::size_t End;
  bool operator==(const TREMatch&) const = default;
};

class TMatchCORE : public TRegularExpression {
 public:
  // True when the current pattern uses "^" or "$" as an anchor.
  bool UsesAnchors() const;

  // The searches look at text[from..] as if it were the whole text.
  // Leftmost start, longest match there; for patterns without anchors.
  std::optional<TREMatch> FindFirstUnanchored(std::string_view text, std::size_t from = 0) const;
  // A match at a line start at `from` first, then FindNext.
  std::optional<TREMatch> FindFirstAnchored(std::string_view text, std::size_t from = 0) const;
  // Each start from `from` on; after an LF also a line-start match; at the end an
  // empty match when the pattern can match "$" there.
  std::optional<TREMatch> FindNext(std::string_view text, std::size_t from = 0) const;

 protected:
  static constexpr std::size_t kNoMatch = static_cast<std::size_t>(-1);

  // End of the longest match starting at `pos` in DFA state `state`, or kNoMatch.
  std::size_t MatchHere(std::string_view text, std::size_t pos, std::int32_t state) const;
  // As MatchHere, also trying the "^" move of `state` when the pattern uses it.
  std::size_t MatchAtLineStart(std::string_view text, std::size_t pos, std::int32_t state) const;

 private:
  std::size_t RunTable(std::string_view text, std::size_t pos, std::int32_t row, std::size_t last) const;
  std::size_t RunSlow(std::string_view text, std::size_t pos, std::int32_t state, std::size_t last) const;
  // The byte "$" holds before: the CR of a CR LF line end.
  static constexpr unsigned char LineEnd() { return 0x0D; }
};

}  // namespace nalo
