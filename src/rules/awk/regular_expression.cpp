// Compiling (parser, NFA, DFA) and the pattern cache. The parser and the NFA live
// only inside CompilePattern; the cache keeps the DFA and its byte table.
#include "rules/awk/regular_expression.h"

#include "rules/awk/re_error.h"
#include "rules/awk/re_limits.h"
#include "rules/awk/re_nfa.h"
#include "rules/awk/re_parser.h"

namespace nalo {

std::unique_ptr<TRECompiledPattern> CompilePattern(std::string_view pattern) {
  try {
    TREParser parser(pattern);
    parser.Run();
    TRE_NFA nfa;
    nfa.GenerateStateList(parser.Tree(), parser.Root());
    return std::make_unique<TRECompiledPattern>(nfa);
  } catch (const ERegExpTooComplex&) {
    throw ERegExpParser(kMsgTooComplex, pattern.size() + 1);
  }
}

TRegularExpression::TRegularExpression() {
  cache_.push_back({std::string(), CompilePattern("")});
}

void TRegularExpression::SetRegExp(std::string_view text) {
  const std::string pattern(text);
  for (std::size_t i = 0; i < cache_.size(); ++i) {
    if (cache_[i].pattern == pattern) {
      current_ = i;
      reg_exp_ = std::string(text);
      return;
    }
  }
  if (cache_.size() >= kMaxCachedPatterns) cache_.pop_back();
  cache_.insert(cache_.begin() + 1, Entry{pattern, nullptr});
  try {
    ++compile_count_;
    cache_[1].compiled = CompilePattern(pattern);
  } catch (...) {
    cache_.erase(cache_.begin() + 1);
    current_ = 0;
    reg_exp_.clear();
    throw;
  }
  current_ = 1;
  reg_exp_ = std::string(text);
}

}  // namespace nalo
