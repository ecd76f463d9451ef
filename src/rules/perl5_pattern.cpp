// Pattern rewriting, one character at a time. The rewriter tracks only what it
// must: whether it stands inside a character class (a grouped byte pair would be
// wrong there) and \Q...\E quoting, which it resolves itself so that quoted
// double-byte characters are escaped like any other.
#include "rules/perl5_pattern.h"

#include <cstdio>

#include "rules/perl5_error.h"
#include "rules/perl5_kanji.h"
#include "text/sjis.h"

namespace nalo {
namespace {

bool IsWordByte(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

class PatternRewriter {
 public:
  PatternRewriter(std::string_view pattern, bool kanji) : in_(pattern), kanji_(kanji) {}

  std::string Run() {
    while (pos_ < in_.size()) Step();
    return kanji_ ? KanjiToUtf8(out_) : out_;
  }

 private:
  std::string_view CharAt(std::size_t pos) const {
    return in_.substr(pos, CharLengthAt(in_, pos));
  }
  bool Peek(std::size_t pos, char c) const { return pos < in_.size() && in_[pos] == c; }

  void Step() {
    std::string_view ch = CharAt(pos_);
    if (ch.size() == 2) {
      EmitDoubleByte(ch);
      pos_ += 2;
      return;
    }
    switch (ch[0]) {
      case '\\': Escape(); return;
      case '$':
      case '@': RefuseVariable(); break;
      case '[':
        if (!in_class_) {
          OpenClass();
          return;
        }
        if (CopyPosixClass()) return;
        break;
      case ']': in_class_ = false; break;
      case '(':
        if (!in_class_) RefuseInlineExtended();
        break;
      default: break;
    }
    out_ += ch[0];
    ++pos_;
  }

  // Perl would interpolate $name, ${...}, @name and @{...}; this layer does not.
  void RefuseVariable() const {
    std::size_t next = pos_ + 1;
    if (next < in_.size() && (IsWordByte(in_[next]) || in_[next] == '{' || in_[next] == ':')) {
      throw EPerl5Error("パターン中の変数は使えません");
    }
  }

  // "(?x)" or "(?x:" would switch on the extended syntax the "x" flag stands for.
  void RefuseInlineExtended() const {
    if (!Peek(pos_ + 1, '?')) return;
    bool has_x = false;
    for (std::size_t i = pos_ + 2; i < in_.size(); ++i) {
      char c = in_[i];
      if (c == ')' || c == ':') {
        if (has_x) throw EPerl5Error("修飾子 \"x\" は使えません");
        return;
      }
      if (c == 'x') has_x = true;
      if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' || c == '^')) return;
    }
  }

  // "[", an optional "^" and a "]" right after them, which is literal.
  void OpenClass() {
    in_class_ = true;
    out_ += '[';
    ++pos_;
    if (Peek(pos_, '^')) out_ += in_[pos_++];
    if (Peek(pos_, ']')) out_ += in_[pos_++];
  }

  // "[:alpha:]" and its "." and "=" forms inside a class, copied whole.
  bool CopyPosixClass() {
    std::size_t open = pos_ + 1;
    if (open >= in_.size() || (in_[open] != ':' && in_[open] != '.' && in_[open] != '=')) {
      return false;
    }
    const char terminator[] = {in_[open], ']', '\0'};
    std::size_t close = in_.find(terminator, open + 1);
    if (close == std::string_view::npos) return false;
    out_.append(in_.substr(pos_, close + 2 - pos_));
    pos_ = close + 2;
    return true;
  }

  void Escape() {
    if (pos_ + 1 >= in_.size()) {  // a lone backslash at the end: PCRE2 reports it
      out_ += '\\';
      ++pos_;
      return;
    }
    std::string_view next = CharAt(pos_ + 1);
    pos_ += 1 + next.size();
    if (next.size() == 2) {
      EmitDoubleByte(next);
      return;
    }
    switch (next[0]) {
      case 'G': throw EPerl5Error("\\G は使えません");
      case 'Q': Quote(); return;
      case 'c':  // \cX: the control character; X is taken as it is
        out_ += "\\c";
        if (pos_ < in_.size() && CharAt(pos_).size() == 1) out_ += in_[pos_++];
        return;
      default:
        out_ += '\\';
        out_ += next[0];
        return;
    }
  }

  // \Q...\E: every character up to \E (or the end) is literal.
  void Quote() {
    while (pos_ < in_.size()) {
      if (in_[pos_] == '\\' && Peek(pos_ + 1, 'E')) {
        pos_ += 2;
        return;
      }
      std::string_view ch = CharAt(pos_);
      pos_ += ch.size();
      if (ch.size() == 2) {
        EmitDoubleByte(ch);
      } else if (IsWordByte(ch[0]) || static_cast<unsigned char>(ch[0]) >= 0x80) {
        out_ += ch[0];
      } else {
        out_ += '\\';
        out_ += ch[0];
      }
    }
  }

  void EmitDoubleByte(std::string_view ch) {
    if (kanji_) {
      out_.append(ch);
      return;
    }
    char escaped[24];
    std::snprintf(escaped, sizeof escaped, "\\x{%02X}\\x{%02X}", static_cast<unsigned char>(ch[0]),
                  static_cast<unsigned char>(ch[1]));
    if (in_class_) {
      out_ += escaped;
    } else {
      out_ += "(?:";
      out_ += escaped;
      out_ += ')';
    }
  }

  std::string_view in_;
  bool kanji_;
  std::size_t pos_ = 0;
  bool in_class_ = false;
  std::string out_;
};

}  // namespace

std::string RewritePerl5Pattern(std::string_view pattern, bool kanji) {
  return PatternRewriter(pattern, kanji).Run();
}

}  // namespace nalo
