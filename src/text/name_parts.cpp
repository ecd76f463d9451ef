// Splitting a Shift-JIS name into base name and extension, trimming both parts, and
// counting or cutting text by characters. Each function walks the name once from the
// start with the character stepper, so a "." or a space inside a double-byte character
// (a trail byte) is never taken for one.
#include <string>

#include "text/name_text.h"
#include "text/sjis.h"

namespace nalo {
namespace {

// Offset of the last "." that begins a character, or the size of the name.
std::size_t ExtensionStart(std::string_view name) {
  std::size_t start = name.size();
  for (std::size_t i = 0; i < name.size(); i += CharLengthAt(name, i)) {
    if (name[i] == '.') start = i;
  }
  return start;
}

// A single-byte character of code 0x20 or below (space and control codes).
bool IsBlankAt(std::string_view s, std::size_t i) {
  return CharLengthAt(s, i) == 1 && static_cast<unsigned char>(s[i]) <= 0x20;
}

// `part` without leading and trailing blank characters; the full-width space is a
// double-byte character and stays.
std::string_view TrimBlanks(std::string_view part) {
  // A last byte above 0x20 cannot end a blank character; most parts stop here.
  if (part.empty() || (static_cast<unsigned char>(part.front()) > 0x20 &&
                       static_cast<unsigned char>(part.back()) > 0x20)) {
    return part;
  }
  std::size_t begin = 0;
  while (begin < part.size() && IsBlankAt(part, begin)) ++begin;
  std::size_t end = begin;
  for (std::size_t i = begin; i < part.size(); i += CharLengthAt(part, i)) {
    if (!IsBlankAt(part, i)) end = i + CharLengthAt(part, i);
  }
  return part.substr(begin, end - begin);
}

}  // namespace

std::string_view BaseNameOf(std::string_view name) {
  return name.substr(0, ExtensionStart(name));
}

std::string_view ExtensionOf(std::string_view name) {
  return name.substr(ExtensionStart(name));
}

std::string TrimNameParts(std::string_view name) {
  const std::size_t split = ExtensionStart(name);
  std::string out(TrimBlanks(name.substr(0, split)));
  out.append(TrimBlanks(name.substr(split)));
  return out;
}

std::size_t CharCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); i += CharLengthAt(text, i)) ++count;
  return count;
}

std::string_view LimitToBytes(std::string_view text, std::size_t max_bytes) {
  if (text.size() <= max_bytes) return text;
  std::size_t end = 0;
  while (end < text.size() && end + CharLengthAt(text, end) <= max_bytes) {
    end += CharLengthAt(text, end);
  }
  return text.substr(0, end);
}

}  // namespace nalo
