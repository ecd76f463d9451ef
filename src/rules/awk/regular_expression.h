// TRegularExpression compiles patterns and keeps the last ones in a small cache,
// because the rename rule hands the same pattern over once per entry. Entry 0 is
// always the empty pattern; a new pattern is inserted at position 1 and, with the
// cache full, the last entry goes, so entries leave in the order they came in
// rather than by last use.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "rules/awk/re_byte_table.h"
#include "rules/awk/re_dfa.h"

namespace nalo {

// The automaton of one pattern with its lazily filled byte table.
struct TRECompiledPattern {
  explicit TRECompiledPattern(const TRE_NFA& nfa) : Dfa(nfa), Table(Dfa) {}
  TRECompiledPattern(const TRECompiledPattern&) = delete;
  TRECompiledPattern& operator=(const TRECompiledPattern&) = delete;

  TRE_DFA Dfa;
  TRE_ByteTable Table;  // refers to dfa
};

// Parses and compiles `pattern`; raises ERegExpParser with the message and
// position of a syntax error, or kMsgTooComplex at the end of the pattern when a
// limit of re_limits.h is passed.
std::unique_ptr<TRECompiledPattern> CompilePattern(std::string_view pattern);

class TRegularExpression {
 public:
  TRegularExpression();
  virtual ~TRegularExpression() = default;

  // Makes `text` the current pattern, compiling it unless cached. On a syntax
  // error the empty pattern becomes current, RegExp() is empty and the error
  // (ERegExpParser) goes to the caller.
  void SetRegExp(std::string_view text);
  const std::string& RegExp() const { return reg_exp_; }

  // Cache inspection, for tests and diagnostics.
  std::size_t CacheSize() const { return cache_.size(); }
  const std::string& CachedPattern(std::size_t i) const { return cache_[i].pattern; }
  std::size_t CompileCount() const { return compile_count_; }

 protected:
  TRECompiledPattern& Current() const { return *cache_[current_].compiled; }

 private:
  struct Entry {
    std::string pattern;
    std::unique_ptr<TRECompiledPattern> compiled;
  };

  std::vector<Entry> cache_;
  std::size_t current_ = 0;
  std::string reg_exp_;
  std::size_t compile_count_ = 0;
};

}  // namespace nalo
