// Parsing and expansion of s/// replacements. The parser walks the text as
// Shift-JIS characters, gathers literal runs and converts each run once (to UTF-8
// in "k" mode); the expansion copies pieces and applies case changes only when
// the replacement has any, so the common replacement is a plain append.
#include "rules/perl5_replacement.h"

#include <algorithm>

#include "rules/perl5_error.h"
#include "rules/perl5_kanji.h"
#include "rules/perl5_regex.h"
#include "rules/perl5_utf8.h"
#include "text/sjis.h"

namespace nalo {
namespace {

// The highest group number read from $nnn; larger numbers name no group anyway
// (PCRE2 allows 65535 groups) and the cap keeps the number from overflowing.
constexpr std::size_t kMaxGroupNumber = 65535;

// The largest code point a \x{...} escape may give (the end of Unicode).
constexpr std::uint32_t kMaxCodePoint = 0x10FFFF;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsOctal(char c) { return c >= '0' && c <= '7'; }
bool IsWordStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

}  // namespace

class TPerl5Replacement::TParser {
 public:
  TParser(std::string_view text, bool kanji, std::vector<TPiece>& pieces)
      : in_(text), kanji_(kanji), pieces_(pieces) {}

  void Run() {
    while (pos_ < in_.size()) {
      char c = in_[pos_];
      if (c == '\\' && pos_ + 1 < in_.size()) {
        ++pos_;
        Escape();
      } else if (c == '$' && pos_ + 1 < in_.size()) {
        ++pos_;
        Dollar();
      } else {
        TakeLiteralChar();
      }
    }
    Flush();
  }

 private:
  void TakeLiteralChar() {
    std::size_t length = CharLengthAt(in_, pos_);
    run_.append(in_.substr(pos_, length));
    pos_ += length;
  }

  void Escape() {
    char c = in_[pos_];
    if (CharLengthAt(in_, pos_) == 2) return TakeLiteralChar();
    ++pos_;
    switch (c) {
      case 't': return AddCode('\t');
      case 'n': return AddCode('\n');
      case 'r': return AddCode('\r');
      case 'f': return AddCode('\f');
      case 'a': return AddCode('\a');
      case 'e': return AddCode(0x1B);
      case '0': return AddCode(ReadOctal());
      case 'x': return AddCode(ReadHex());
      case 'c': return AddCode(ReadControl());
      case 'U': return AddPiece(TPieceKind::UpperOn);
      case 'L': return AddPiece(TPieceKind::LowerOn);
      case 'E': return AddPiece(TPieceKind::CaseEnd);
      case 'u': return AddPiece(TPieceKind::UpperNext);
      case 'l': return AddPiece(TPieceKind::LowerNext);
      default:
        if (c >= '1' && c <= '9') return AddPiece(TPieceKind::Group, c - '0');
        run_ += c;
    }
  }

  void Dollar() {
    char c = in_[pos_];
    if (c == '&') {
      ++pos_;
      AddPiece(TPieceKind::Group, 0);
    } else if (c == '`') {
      ++pos_;
      AddPiece(TPieceKind::PreMatch);
    } else if (c == '\'') {
      ++pos_;
      AddPiece(TPieceKind::PostMatch);
    } else if (IsDigit(c)) {
      AddPiece(TPieceKind::Group, ReadNumber());
    } else if (c == '{' && pos_ + 1 < in_.size() && IsDigit(in_[pos_ + 1])) {
      ++pos_;
      std::size_t group = ReadNumber();
      if (pos_ >= in_.size() || in_[pos_] != '}') throw EPerl5Error("\"${\" が閉じていません");
      ++pos_;
      AddPiece(TPieceKind::Group, group);
    } else if (IsWordStart(c) || c == '{') {
      throw EPerl5Error("置換文字列中の変数は使えません");
    } else {
      run_ += '$';
    }
  }

  std::size_t ReadNumber() {
    std::size_t number = 0;
    while (pos_ < in_.size() && IsDigit(in_[pos_])) {
      number = std::min(number * 10 + static_cast<std::size_t>(in_[pos_] - '0'), kMaxGroupNumber + 1);
      ++pos_;
    }
    return number;
  }

  // "\0" has been read; up to two more octal digits follow.
  std::uint32_t ReadOctal() {
    std::uint32_t code = 0;
    for (int i = 0; i < 2 && pos_ < in_.size() && IsOctal(in_[pos_]); ++i) {
      code = code * 8 + static_cast<std::uint32_t>(in_[pos_++] - '0');
    }
    return code;
  }

  // "\x" has been read: two hex digits at most, or any number inside braces.
  std::uint32_t ReadHex() {
    std::uint32_t code = 0;
    if (pos_ < in_.size() && in_[pos_] == '{') {
      std::size_t close = in_.find('}', pos_);
      if (close == std::string_view::npos) throw EPerl5Error("\"\\x{\" が閉じていません");
      for (std::size_t i = pos_ + 1; i < close; ++i) {
        int digit = HexValue(in_[i]);
        if (digit < 0) throw EPerl5Error("\"\\x{}\" の中が 16 進数ではありません");
        code = code * 16 + static_cast<std::uint32_t>(digit);
        if (code > kMaxCodePoint) throw EPerl5Error("\"\\x{}\" の値が大きすぎます");
      }
      pos_ = close + 1;
      return code;
    }
    for (int i = 0; i < 2 && pos_ < in_.size() && HexValue(in_[pos_]) >= 0; ++i) {
      code = code * 16 + static_cast<std::uint32_t>(HexValue(in_[pos_++]));
    }
    return code;
  }

  std::uint32_t ReadControl() {
    if (pos_ >= in_.size() || CharLengthAt(in_, pos_) == 2) {
      throw EPerl5Error("\"\\c\" の後に文字が必要です");
    }
    return static_cast<unsigned char>(AsciiUpper(in_[pos_++])) ^ 0x40u;
  }

  void AddCode(std::uint32_t code) {
    if (kanji_) {
      FlushRun();
      AppendUtf8(text_, code);
    } else if (code <= 0xFF) {
      run_ += static_cast<char>(code);
    } else {
      throw EPerl5Error("1 バイトに収まらない文字コードです (\"k\" が必要です)");
    }
  }

  void AddPiece(TPieceKind kind, std::size_t group = 0) {
    Flush();
    pieces_.push_back({kind, {}, group});
  }

  void FlushRun() {
    text_ += kanji_ ? KanjiToUtf8(run_) : run_;
    run_.clear();
  }

  void Flush() {
    FlushRun();
    if (!text_.empty()) pieces_.push_back({TPieceKind::Text, std::move(text_), 0});
    text_.clear();
  }

  std::string_view in_;
  bool kanji_;
  std::vector<TPiece>& pieces_;
  std::size_t pos_ = 0;
  std::string run_;   // literal text still in CP932
  std::string text_;  // literal text in the working encoding
};

// Appends text under the current case change: \U or \L for every letter until
// \E, \u or \l for the next character only. Only ASCII letters change; a
// double-byte character is stepped over whole, never by its trail byte.
class TPerl5Replacement::TCaseWriter {
 public:
  TCaseWriter(std::string& out, bool kanji) : out_(out), kanji_(kanji) {}

  void Apply(TPieceKind kind) {
    switch (kind) {
      case TPieceKind::UpperOn: mode_ = TPieceKind::UpperOn; break;
      case TPieceKind::LowerOn: mode_ = TPieceKind::LowerOn; break;
      case TPieceKind::CaseEnd: mode_ = TPieceKind::CaseEnd; break;
      default: next_ = kind; break;
    }
  }

  void Append(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
      std::size_t length = kanji_ ? Utf8CharLength(static_cast<unsigned char>(text[pos]))
                                  : CharLengthAt(text, pos);
      length = std::min(length, text.size() - pos);
      TPieceKind change = next_ != TPieceKind::Text ? next_ : mode_;
      next_ = TPieceKind::Text;
      if (length == 1 && change == TPieceKind::UpperOn) change = TPieceKind::UpperNext;
      if (length == 1 && change == TPieceKind::LowerOn) change = TPieceKind::LowerNext;
      if (length == 1 && change == TPieceKind::UpperNext) {
        out_ += AsciiUpper(text[pos]);
      } else if (length == 1 && change == TPieceKind::LowerNext) {
        out_ += AsciiLower(text[pos]);
      } else {
        out_.append(text.substr(pos, length));
      }
      pos += length;
    }
  }

 private:
  std::string& out_;
  bool kanji_;
  TPieceKind mode_ = TPieceKind::CaseEnd;
  TPieceKind next_ = TPieceKind::Text;  // Text: no one-character change pending
};

TPerl5Replacement::TPerl5Replacement(std::string_view text, bool kanji) : kanji_(kanji) {
  TParser(text, kanji, pieces_).Run();
  for (const TPiece& piece : pieces_) {
    if (piece.Kind != TPieceKind::Text && piece.Kind != TPieceKind::Group &&
        piece.Kind != TPieceKind::PreMatch && piece.Kind != TPieceKind::PostMatch) {
      has_case_changes_ = true;
    }
  }
}

void TPerl5Replacement::Expand(std::string& out, std::string_view subject,
                               const TPerl5Regex& regex) const {
  TCaseWriter writer(out, kanji_);
  auto append = [&](std::string_view text) {
    if (has_case_changes_) {
      writer.Append(text);
    } else {
      out.append(text);
    }
  };
  for (const TPiece& piece : pieces_) {
    switch (piece.Kind) {
      case TPieceKind::Text: append(piece.Text); break;
      case TPieceKind::Group: {
        std::size_t start = regex.GroupStart(piece.Group);
        std::size_t end = regex.GroupEnd(piece.Group);
        if (start != PCRE2_UNSET && end >= start) append(subject.substr(start, end - start));
        break;
      }
      case TPieceKind::PreMatch: append(subject.substr(0, regex.GroupStart(0))); break;
      case TPieceKind::PostMatch: append(subject.substr(regex.GroupEnd(0))); break;
      default: writer.Apply(piece.Kind); break;
    }
  }
}

}  // namespace nalo
