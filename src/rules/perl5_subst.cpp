// The s/// loop. After an empty match the next attempt at the same place must be
// non-empty (anchored, PCRE2_NOTEMPTY_ATSTART); when there is none the search
// steps one character on, which is Perl's rule and keeps "s/x*/-/g" finite.
#include "rules/perl5_subst.h"

#include "rules/perl5_error.h"
#include "rules/perl5_kanji.h"
#include "rules/perl5_pattern.h"

namespace nalo {
namespace {

// Longest result a substitution may build. Names are at most a few hundred
// bytes; a result this long can only come from a runaway expression.
constexpr std::size_t kMaxResultBytes = 1 << 20;

TPerl5RegexOptions RegexOptions(const TPerl5Flags& flags) {
  return {flags.Kanji, flags.IgnoreCase, flags.MultiLine, flags.SingleLine};
}

}  // namespace

TPerl5Substitution::TPerl5Substitution(const TPerl5Expression& expression)
    : flags_(expression.Flags),
      regex_(std::make_unique<TPerl5Regex>(RewritePerl5Pattern(expression.Left, flags_.Kanji),
                                           RegexOptions(flags_))),
      replacement_(expression.Right, flags_.Kanji) {}

std::size_t TPerl5Substitution::Run(std::string_view subject, std::string& result) {
  if (!flags_.Kanji) {
    result.clear();
    return RunOn(subject, result);
  }
  std::string utf8 = KanjiToUtf8(subject);
  std::string out;
  std::size_t count = RunOn(utf8, out);
  if (count > 0) result = KanjiFromUtf8(out);
  return count;
}

std::size_t TPerl5Substitution::RunOn(std::string_view subject, std::string& out) {
  std::size_t count = 0;
  std::size_t copied = 0;  // subject bytes before this are in `out`
  std::size_t pos = 0;
  bool after_empty = false;
  while (pos <= subject.size()) {
    std::uint32_t options = after_empty ? (PCRE2_NOTEMPTY_ATSTART | PCRE2_ANCHORED) : 0;
    if (!regex_->Match(subject, pos, options)) {
      if (!after_empty || pos >= subject.size()) break;
      pos += regex_->CharLength(subject, pos);
      after_empty = false;
      continue;
    }
    std::size_t start = regex_->GroupStart(0);
    std::size_t end = regex_->GroupEnd(0);
    if (start < copied) throw EPerl5Error("一致が前の一致と重なりました");
    out.append(subject.substr(copied, start - copied));
    replacement_.Expand(out, subject, *regex_);
    if (out.size() > kMaxResultBytes) throw EPerl5Error("置換結果が長すぎます");
    copied = end;
    ++count;
    if (!flags_.Global) break;
    after_empty = start == end;
    pos = end;
  }
  if (count > 0) out.append(subject.substr(copied));
  return count;
}

}  // namespace nalo
