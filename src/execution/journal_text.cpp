// The journal's line syntax. Escaping copies runs of plain bytes at once, so a
// plan of a million paths is written without a per-byte branch on most bytes.
#include "execution/journal_text.h"

#include <charconv>

#include "execution/record_checksum.h"

namespace nalo {
namespace {

bool NeedsEscape(char c) { return c == '\\' || c == '\t' || c == '\n' || c == '\r'; }

}  // namespace

void AppendEscaped(std::string& out, std::string_view text) {
  std::size_t plain = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!NeedsEscape(text[i])) continue;
    out.append(text.substr(plain, i - plain));
    switch (text[i]) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      default: out += "\\r"; break;
    }
    plain = i + 1;
  }
  out.append(text.substr(plain));
}

std::optional<std::string> Unescape(std::string_view text) {
  if (text.find('\\') == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) return std::nullopt;
    switch (text[i]) {
      case '\\': out += '\\'; break;
      case 't': out += '\t'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      default: return std::nullopt;
    }
  }
  return out;
}

void AppendNumber(std::string& out, std::uint64_t value) {
  char digits[24];
  auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
}

void AppendPaddedNumber(std::string& out, std::uint64_t value, std::size_t width) {
  char digits[24];
  auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  const std::size_t length = static_cast<std::size_t>(end - digits);
  if (length < width) out.append(width - length, '0');
  out.append(digits, end);
}

std::optional<std::uint64_t> ParseNumber(std::string_view text) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  std::uint64_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

void CloseRecord(std::string& out, std::size_t start) {
  const std::uint32_t sum = RecordChecksum(std::string_view(out).substr(start));
  out += '\t';
  AppendChecksumHex(out, sum);
  out += '\n';
}

std::string Record(std::string_view name, std::initializer_list<std::uint64_t> numbers) {
  std::string out(name);
  for (std::uint64_t n : numbers) {
    out += '\t';
    AppendNumber(out, n);
  }
  CloseRecord(out, 0);
  return out;
}

std::optional<std::string_view> CheckedBody(std::string_view line) {
  const std::size_t tab = line.rfind('\t');
  if (tab == std::string_view::npos || line.size() - tab != 9) return std::nullopt;
  const std::string_view body = line.substr(0, tab);
  std::string expected;
  AppendChecksumHex(expected, RecordChecksum(body));
  if (line.substr(tab + 1) != expected) return std::nullopt;
  return body;
}

bool NextLine(std::string_view& rest, std::string_view& line, bool& complete) {
  if (rest.empty()) return false;
  std::size_t feed = rest.find('\n');
  complete = feed != std::string_view::npos;
  line = rest.substr(0, feed);
  rest.remove_prefix(complete ? feed + 1 : rest.size());
  return true;
}

TFields::TFields(std::string_view line) {
  for (;;) {
    std::size_t tab = line.find('\t');
    items_[count_++] = line.substr(0, tab);
    if (tab == std::string_view::npos || count_ == kMaxFields) return;
    line.remove_prefix(tab + 1);
  }
}

}  // namespace nalo
