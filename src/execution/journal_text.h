// The line syntax every journal record shares: tab-separated fields, paths with
// "\" written "\\", a tab "\t", a line feed "\n" and a carriage return "\r", and
// (from the second format on) the CRC-32 of the rest of the line closing it.
// These helpers read and write that syntax without knowing any record.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace nalo {

void AppendEscaped(std::string& out, std::string_view text);
std::optional<std::string> Unescape(std::string_view text);

void AppendNumber(std::string& out, std::uint64_t value);
// `value` with leading zeros to `width` digits, so a rewritten line keeps its length.
void AppendPaddedNumber(std::string& out, std::uint64_t value, std::size_t width);
std::optional<std::uint64_t> ParseNumber(std::string_view text);

// Closes the record begun at `start` of `out` with a tab, its checksum and a line feed.
void CloseRecord(std::string& out, std::size_t start);
// A whole record of a name and numbers.
std::string Record(std::string_view name, std::initializer_list<std::uint64_t> numbers);
// The record of a line without its checksum, or nothing when the checksum is wrong.
std::optional<std::string_view> CheckedBody(std::string_view line);

// Takes the next line (without its line feed) off the front of `rest`; false at
// the end. `complete` tells whether the line had its line feed.
bool NextLine(std::string_view& rest, std::string_view& line, bool& complete);

// Most fields any record has, plus one so that a line with too many fields fails
// the field-count check of its record.
inline constexpr std::size_t kMaxFields = 9;

// The tab-separated fields of a record, without allocating.
class TFields {
 public:
  explicit TFields(std::string_view line);
  std::size_t size() const { return count_; }
  std::string_view operator[](std::size_t i) const { return items_[i]; }

 private:
  std::array<std::string_view, kMaxFields> items_;
  std::size_t count_ = 0;
};

}  // namespace nalo
