// Line classification, name comparison, unquoting and number parsing for INI
// files. Names and values are code-page-932 bytes; scans that look for a bracket
// step character by character with the Shift-JIS helpers.
#include "settings/ini_text.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/encoding.h"
#include "text/sjis.h"

namespace nalo::ini {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

int DigitValue(char c, int base) {
  int v = -1;
  if (c >= '0' && c <= '9') v = c - '0';
  else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
  return v < base ? v : -1;
}

// Position of the last "]" that is a character of its own, or npos.
std::size_t LastClosingBracket(std::string_view s) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < s.size(); i += CharLengthAt(s, i)) {
    if (s[i] == ']') found = i;
  }
  return found;
}

}  // namespace

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  // A blank after a lead byte belongs to that character, so trailing blanks are
  // found by stepping forward rather than by looking at the last byte.
  std::size_t end = 0;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t len = CharLengthAt(s, i);
    if (len != 1 || !IsBlank(s[i])) end = i + len;
    i += len;
  }
  return s.substr(0, end);
}

bool NamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size();) {
    const std::size_t len = CharLengthAt(a, i);
    if (len != CharLengthAt(b, i)) return false;
    if (len == 1) {
      if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    } else if (a.substr(i, len) != b.substr(i, len)) {
      return false;
    }
    i += len;
  }
  return true;
}

std::string_view StripQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::optional<long long> ParseInteger(std::string_view text) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') &&
      DigitValue(text[2], 16) >= 0) {
    base = 16;
    text.remove_prefix(2);
  }
  // Accumulate as a negative number so that the smallest value fits too.
  constexpr long long kMin = std::numeric_limits<long long>::min();
  long long value = 0;
  std::size_t digits = 0;
  for (char c : text) {
    const int d = DigitValue(c, base);
    if (d < 0) break;
    if (value < (kMin + d) / base) return std::nullopt;
    value = value * base - d;
    ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (!negative) {
    if (value == kMin) return std::nullopt;
    value = -value;
  }
  return value;
}

std::optional<double> ParseDayCount(std::string_view text) {
  text = Trim(text);
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::string FormatDayCount(double value) {
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

ParsedLine ParseLine(std::string_view line) {
  const std::string_view text = Trim(line);
  if (text.empty() || text.front() == ';') return {};
  if (text.front() == '[') {
    const std::size_t close = LastClosingBracket(text);
    if (close == std::string_view::npos) return {};
    return {LineKind::kSection, Trim(text.substr(1, close - 1)), {}};
  }
  const std::size_t eq = text.find('=');  // "=" is never the trail byte of a pair
  if (eq == std::string_view::npos) return {};
  const std::string_view name = Trim(text.substr(0, eq));
  if (name.empty()) return {};
  return {LineKind::kKey, name, Trim(text.substr(eq + 1))};
}

std::string StoredValue(std::string_view cp932) {
  if (!HoldsUserAreaCode(cp932)) return std::string(cp932);
  const std::optional<std::string> utf8 = Cp932ToUtf8(cp932);
  if (!utf8) return std::string(cp932);  // no table code behind it: the bytes as they are
  return std::string(kUtf8ValueMark) + *utf8;
}

std::optional<std::string> ValueFromStored(std::string_view stored) {
  if (stored.substr(0, kUtf8ValueMark.size()) != kUtf8ValueMark) return std::string(stored);
  return Utf8ToCp932(stored.substr(kUtf8ValueMark.size()));
}

bool StartsWithBom(std::string_view text) { return text.substr(0, kUtf8Bom.size()) == kUtf8Bom; }

std::vector<std::string_view> SplitLines(std::string_view text) {
  if (StartsWithBom(text)) text.remove_prefix(kUtf8Bom.size());
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    text.remove_prefix(end + (crlf ? 2 : 1));
  }
  return lines;
}

}  // namespace nalo::ini
