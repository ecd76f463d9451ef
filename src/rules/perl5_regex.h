// A compiled PCRE2 pattern with its match data, used by the s/// runner. The
// pattern is compiled once (and JIT-compiled when the platform allows it) and
// matched many times; every match runs under named limits so that a runaway
// pattern ends with an error instead of hanging the program.
//
// In byte mode a match must still begin and end on Shift-JIS character
// boundaries, or a search for "s" would change the trail byte of "ピ" (0x83 0x73).
// The plain pattern runs first; only when its match begins or ends inside a
// double-byte character is the search repeated with a second form of the
// pattern, wrapped in two callouts that refuse such positions, so PCRE2
// backtracks to the next candidate. A plain match on boundaries is exactly the
// match the guarded form would find, so names rarely pay for the guard.
#pragma once

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace nalo {

struct TPerl5RegexOptions {
  bool Utf = false;         // "k" mode: pattern and subjects are UTF-8
  bool IgnoreCase = false;  // i
  bool MultiLine = false;   // m
  bool DotAll = false;      // s
};

class TPerl5Regex {
 public:
  // Throws EPerl5Error with PCRE2's message and the offset for a bad pattern.
  TPerl5Regex(std::string_view pcre_pattern, const TPerl5RegexOptions& options);
  ~TPerl5Regex();
  TPerl5Regex(const TPerl5Regex&) = delete;
  TPerl5Regex& operator=(const TPerl5Regex&) = delete;

  // Searches `subject` from byte `start`; `pcre_options`
  // are PCRE2 match options (PCRE2_NOTEMPTY_ATSTART, PCRE2_ANCHORED). Returns false
  // when nothing matches; throws EPerl5Error when a limit is hit or PCRE2 fails.
  bool Match(std::string_view subject, std::size_t start, std::uint32_t pcre_options);

  // Offsets of group `n` (0 = the whole match) of the last successful match;
  // both PCRE2_UNSET for a group that did not take part or does not exist.
  std::size_t GroupStart(std::size_t n) const { return n < pair_count_ ? ovector_[2 * n] : PCRE2_UNSET; }
  std::size_t GroupEnd(std::size_t n) const { return n < pair_count_ ? ovector_[2 * n + 1] : PCRE2_UNSET; }

  // Byte length of the character at `pos` of `subject`.
  std::size_t CharLength(std::string_view subject, std::size_t pos) const;

 private:
  void Release();
  pcre2_code* CompileGuarded();
  int RunMatch(pcre2_code* code, std::string_view subject, std::size_t start,
               std::uint32_t pcre_options);
  bool OnBoundaries(std::string_view subject) const;

  std::string pattern_;
  std::uint32_t compile_options_ = 0;
  pcre2_code* code_ = nullptr;
  pcre2_code* guarded_code_ = nullptr;  // compiled on first need
  pcre2_match_data* match_data_ = nullptr;
  pcre2_match_context* match_context_ = nullptr;
  const PCRE2_SIZE* ovector_ = nullptr;  // of match_data_, fixed for its lifetime
  std::size_t pair_count_ = 0;
  bool utf_ = false;
};

}  // namespace nalo
