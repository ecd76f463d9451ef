// PCRE2 behind the s/// runner: compile options from the flags, JIT when it is
// available (the interpreter is used otherwise), match limits named below, and
// the character-boundary guard of byte mode.
#include "rules/perl5_regex.h"

#include "rules/perl5_error.h"
#include "rules/perl5_utf8.h"
#include "text/sjis.h"

namespace nalo {
namespace {

// Backtracking steps allowed for one match. A file name is at most a few hundred
// bytes; sensible patterns need far fewer steps, while a nested-quantifier
// pattern on such a name stops within some tens of milliseconds.
constexpr std::uint32_t kMatchLimit = 2'000'000;

// Nesting depth of backtracking allowed for one match (interpreter only). Ten
// frames per byte of the longest names is plenty and keeps memory bounded.
constexpr std::uint32_t kDepthLimit = 50'000;

// Size of the buffer PCRE2 writes its messages into; its longest message fits.
constexpr std::size_t kPcreMessageSize = 256;

std::string PcreMessage(int code) {
  PCRE2_UCHAR buffer[kPcreMessageSize];
  if (pcre2_get_error_message(code, buffer, sizeof buffer) < 0) return "PCRE2 error";
  return reinterpret_cast<const char*>(buffer);
}

std::uint32_t CompileOptions(const TPerl5RegexOptions& options) {
  std::uint32_t flags = options.Utf ? (PCRE2_UTF | PCRE2_NO_UTF_CHECK | PCRE2_NEVER_BACKSLASH_C)
                                    : PCRE2_NEVER_UTF;
  if (options.IgnoreCase) flags |= PCRE2_CASELESS;
  if (options.MultiLine) flags |= PCRE2_MULTILINE;
  if (options.DotAll) flags |= PCRE2_DOTALL;
  return flags;
}

pcre2_code* Compile(std::string_view pattern, std::uint32_t options) {
  int error_code = 0;
  PCRE2_SIZE error_offset = 0;
  pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(),
                                   options, &error_code, &error_offset, nullptr);
  if (code == nullptr) {
    throw EPerl5Error(PcreMessage(error_code) + " (" + std::to_string(error_offset) + ")");
  }
  pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);  // failure only means the interpreter runs
  return code;
}

// Length of the leading (*VERB) items, which must stay at the very start.
std::size_t StartVerbLength(std::string_view pattern) {
  std::size_t pos = 0;
  while (pattern.substr(pos).starts_with("(*")) {
    std::size_t close = pattern.find(')', pos);
    if (close == std::string_view::npos) break;
    pos = close + 1;
  }
  return pos;
}

// True when byte `pos` of `text` begins a character (or is its end). The byte
// before the run of lead-byte values that ends at `pos` always ends a character
// (it is a single byte or a trail byte), and the run pairs up from there, so
// `pos` is a boundary exactly when the run is even.
bool IsBoundaryBefore(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return true;  // a lead byte as the last byte stands alone
  std::size_t run = 0;
  while (run < pos && IsLeadByte(static_cast<unsigned char>(text[pos - run - 1]))) ++run;
  return run % 2 == 0;
}

// Refuses (fails, so PCRE2 backtracks) a position inside a character.
int BoundaryCallout(pcre2_callout_block* block, void*) {
  std::string_view subject(reinterpret_cast<const char*>(block->subject), block->subject_length);
  return IsBoundaryBefore(subject, block->current_position) ? 0 : 1;
}

}  // namespace

TPerl5Regex::TPerl5Regex(std::string_view pcre_pattern, const TPerl5RegexOptions& options)
    : pattern_(pcre_pattern), compile_options_(CompileOptions(options)), utf_(options.Utf) {
  code_ = Compile(pattern_, compile_options_);
  match_data_ = pcre2_match_data_create_from_pattern(code_, nullptr);
  match_context_ = pcre2_match_context_create(nullptr);
  if (match_data_ == nullptr || match_context_ == nullptr) {
    Release();
    throw EPerl5Error("メモリが足りません");
  }
  pcre2_set_match_limit(match_context_, kMatchLimit);
  pcre2_set_depth_limit(match_context_, kDepthLimit);
  pcre2_set_callout(match_context_, BoundaryCallout, nullptr);
  pair_count_ = pcre2_get_ovector_count(match_data_);
  ovector_ = pcre2_get_ovector_pointer(match_data_);
}

TPerl5Regex::~TPerl5Regex() { Release(); }

void TPerl5Regex::Release() {
  pcre2_match_context_free(match_context_);
  pcre2_match_data_free(match_data_);
  pcre2_code_free(guarded_code_);
  pcre2_code_free(code_);
  match_context_ = nullptr;
  match_data_ = nullptr;
  guarded_code_ = nullptr;
  code_ = nullptr;
}

pcre2_code* TPerl5Regex::CompileGuarded() {
  if (guarded_code_ == nullptr) {
    std::size_t verbs = StartVerbLength(pattern_);
    std::string guarded = pattern_.substr(0, verbs) + "(?C1)(?:" + pattern_.substr(verbs) + ")(?C2)";
    guarded_code_ = Compile(guarded, compile_options_);
  }
  return guarded_code_;
}

bool TPerl5Regex::OnBoundaries(std::string_view subject) const {
  return IsBoundaryBefore(subject, ovector_[0]) && IsBoundaryBefore(subject, ovector_[1]);
}

int TPerl5Regex::RunMatch(pcre2_code* code, std::string_view subject, std::size_t start,
                          std::uint32_t pcre_options) {
  int rc = pcre2_match(code, reinterpret_cast<PCRE2_SPTR>(subject.data()), subject.size(), start,
                       pcre_options, match_data_, match_context_);
  if (rc == PCRE2_ERROR_MATCHLIMIT || rc == PCRE2_ERROR_DEPTHLIMIT ||
      rc == PCRE2_ERROR_HEAPLIMIT || rc == PCRE2_ERROR_JIT_STACKLIMIT) {
    throw EPerl5Error("照合の手数が上限を超えました");
  }
  if (rc < 0 && rc != PCRE2_ERROR_NOMATCH) throw EPerl5Error(PcreMessage(rc));
  return rc;
}

bool TPerl5Regex::Match(std::string_view subject, std::size_t start, std::uint32_t pcre_options) {
  if (utf_) pcre_options |= PCRE2_NO_UTF_CHECK;  // subjects come from the checked converter
  int rc = RunMatch(code_, subject, start, pcre_options);
  if (rc != PCRE2_ERROR_NOMATCH && !utf_ && !OnBoundaries(subject)) {
    rc = RunMatch(CompileGuarded(), subject, start, pcre_options);
  }
  if (rc == PCRE2_ERROR_NOMATCH) return false;
  if (ovector_[0] > ovector_[1]) throw EPerl5Error("\\K で一致の始まりが終わりを越えました");
  return true;
}

std::size_t TPerl5Regex::CharLength(std::string_view subject, std::size_t pos) const {
  if (utf_) return Utf8CharLength(static_cast<unsigned char>(subject[pos]));
  return CharLengthAt(subject, pos);
}

}  // namespace nalo
