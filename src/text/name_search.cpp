// Search and replacement on Shift-JIS names. A candidate found by a plain byte search
// is accepted only when it begins on a character boundary; the boundary walker moves
// forward only, so a whole search steps over the text once. A pattern whose last byte
// is a lone lead byte would end inside a double-byte character of the text; such a
// match is accepted only at the very end of the text, so a match never splits a
// character and a replacement never leaves half of one behind.
#include <string>

#include "text/name_text.h"
#include "text/sjis.h"

namespace nalo {
namespace {

// True when the pattern's last character is a lead byte standing alone.
bool EndsWithLoneLeadByte(std::string_view pattern) {
  std::size_t pos = 0;
  std::size_t last = 0;
  while (pos < pattern.size()) {
    last = pos;
    pos += CharLengthAt(pattern, pos);
  }
  return pattern.size() - last == 1 && IsLeadByte(static_cast<unsigned char>(pattern[last]));
}

}  // namespace

std::size_t FindInNameFrom(std::string_view pattern, std::string_view text, std::size_t from) {
  if (pattern.empty()) return std::string_view::npos;
  const bool open_end = EndsWithLoneLeadByte(pattern);
  std::size_t boundary = from;  // always a character boundary
  std::size_t candidate = text.find(pattern, from);
  while (candidate != std::string_view::npos) {
    while (boundary < candidate) boundary += CharLengthAt(text, boundary);
    const bool ends_whole = !open_end || candidate + pattern.size() == text.size();
    if (boundary == candidate && ends_whole) return candidate;
    if (boundary == candidate) boundary += CharLengthAt(text, boundary);
    candidate = text.find(pattern, boundary);
  }
  return std::string_view::npos;
}

int FindInName(std::string_view pattern, std::string_view text) {
  const std::size_t at = FindInNameFrom(pattern, text, 0);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

std::string ReplaceInName(std::string_view text, std::string_view old_pattern,
                          std::string_view new_text, bool replace_all, bool ignore_case) {
  std::string upper_text;
  std::string upper_pattern;
  std::string_view haystack = text;
  std::string_view needle = old_pattern;
  if (ignore_case) {
    // Case mapping keeps every character's byte length, so offsets found in the
    // upper-cased copy are offsets into the input as well.
    upper_text = UpperCaseName(text);
    upper_pattern = UpperCaseName(old_pattern);
    haystack = upper_text;
    needle = upper_pattern;
  }
  std::string result;
  result.reserve(text.size());
  std::size_t pos = 0;
  std::size_t found = FindInNameFrom(needle, haystack, pos);
  while (found != std::string_view::npos) {
    result.append(text.substr(pos, found - pos));
    result.append(new_text);
    pos = found + needle.size();
    if (!replace_all) break;
    found = FindInNameFrom(needle, haystack, pos);
  }
  result.append(text.substr(pos));
  return result;
}

}  // namespace nalo
