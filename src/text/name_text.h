// Search, replacement, case mapping and splitting of Shift-JIS names. Positions are
// 1-based byte positions; a match only begins on the first byte of a character.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace nalo {

// 1-based position of the first occurrence of `pattern` in `text` that begins on a
// character boundary; 0 when there is none or the pattern is empty. A match also
// ends on a boundary: a pattern ending in a lone lead byte never matches the first
// half of a double-byte character (only a lone lead byte at the end of the text).
int FindInName(std::string_view pattern, std::string_view text);

// 0-based offset of the first occurrence of `pattern` in `text` at or after `from`
// (which must itself be a character boundary) that begins on a character boundary
// and covers whole characters; std::string_view::npos when there is none or the
// pattern is empty. FindInName is this plus one, searched from 0.
std::size_t FindInNameFrom(std::string_view pattern, std::string_view text, std::size_t from);

// Replaces occurrences of `old_pattern` left to right without overlap, never
// searching inserted text again. With `ignore_case`, occurrences are found in
// upper-cased copies while all copied text comes from `text` as it was.
std::string ReplaceInName(std::string_view text, std::string_view old_pattern,
                          std::string_view new_text, bool replace_all, bool ignore_case);

// Shift-JIS-aware case mapping: ASCII letters and the double-byte letters that have
// both cases in code page 932 (full-width Latin, Greek, Cyrillic, Roman numerals),
// each double-byte character mapped as a whole and to a character of the same length.
std::string UpperCaseName(std::string_view name);
std::string LowerCaseName(std::string_view name);

// The extension runs from the last "." to the end, the "." included; the base name
// is the rest. The same split for files and folders.
std::string_view BaseNameOf(std::string_view name);
std::string_view ExtensionOf(std::string_view name);

// The base name trimmed of leading and trailing bytes <= 0x20, followed by the
// extension trimmed the same way. The full-width space stays.
std::string TrimNameParts(std::string_view name);

// Number of characters in `text`, a double-byte character counting once.
std::size_t CharCount(std::string_view text);

// The longest prefix of `text` of at most `max_bytes` bytes that ends on a character
// boundary, so a double-byte character is never cut in half.
std::string_view LimitToBytes(std::string_view text, std::size_t max_bytes);

// True when the name holds one of \ / : ; * ? " < > | at a character boundary.
bool HasForbiddenChar(std::string_view name);

// Every forbidden character replaced by "_".
std::string ReplaceForbiddenChars(std::string_view text);

struct TBracketPair {
  std::string_view Open;
  std::string_view Close;
};

// Twelve pairs: 0-4 single-byte ( [ ｢ < {, 5-11 double-byte （ ［ 「 【 『 〔 《.
extern const std::array<TBracketPair, 12> BracketPairs;

}  // namespace nalo
