// Errors of the AWK-compatible engine. A syntax error is a value the user can act
// on: the exact message and the 1-based index in the pattern just past the last
// character the scanner read, so the editor can put the caret there. Internal
// failures that no pattern should reach use std::runtime_error.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace nalo {

// Messages of pattern and escape errors (UTF-8, shown as they are).
inline constexpr std::string_view kMsgBadDoubleByte = "不正な２バイト文字コードです。";
inline constexpr std::string_view kMsgBackslashAtEnd = "\"\\\"の次には文字が必要です。";
inline constexpr std::string_view kMsgBadHex = "不正な１６進数コード表記です。";
inline constexpr std::string_view kMsgBadOctal = "不正な８進数コード表記です。";
inline constexpr std::string_view kMsgNeedRightBracket = "右ブラケット\"]\"が必要です";
inline constexpr std::string_view kMsgBadRange = "不正なキャラクタ範囲です";
inline constexpr std::string_view kMsgBadClass = "不正なキャラクタクラス指定です。";
inline constexpr std::string_view kMsgExtraChars = "正規表現に余分な文字があります";
inline constexpr std::string_view kMsgNeedRightParen = "右(閉じ)括弧が必要です";
inline constexpr std::string_view kMsgNeedCharOrParen = "普通の文字、または左括弧\"(\"が必要です";
// A pattern whose automaton would pass one of the limits of re_limits.h.
inline constexpr std::string_view kMsgTooComplex = "正規表現が複雑すぎます";

// Internal failures (a broken tree, an unknown node kind).
inline constexpr std::string_view kMsgTreeFatal = "TREParseTree : 致命的エラー";
inline constexpr std::string_view kMsgNfaCannotHappen =
    "This cannot happen in TRE_NFA.GenerateStateList";

// A syntax error in a pattern, a template or a text given to Unescape.
class ERegExpParser : public std::runtime_error {
 public:
  ERegExpParser(std::string_view message, std::size_t position)
      : std::runtime_error(std::string(message)), position_(position) {}
  // 1-based index into the pattern just past the last character read.
  std::size_t Position() const { return position_; }

 private:
  std::size_t position_;
};

// Raised by the tree, NFA and DFA builders when a limit is passed; the compiler
// turns it into ERegExpParser(kMsgTooComplex) at the end of the pattern.
struct ERegExpTooComplex {};

}  // namespace nalo
