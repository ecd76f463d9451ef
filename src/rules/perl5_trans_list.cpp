// tr/// list expansion in two passes: escapes first, each item remembering
// whether it was escaped (so "\-" is never a range dash), then ranges.
#include "rules/perl5_trans_list.h"

#include "rules/perl5_error.h"
#include "rules/perl5_kanji.h"
#include "rules/perl5_utf8.h"

namespace nalo {
namespace {

// The largest code point an escape may give (the end of Unicode).
constexpr std::uint32_t kMaxCodePoint = 0x10FFFF;

// Most characters a list may hold. Every CP932 character lies in the first
// 65536 code points, so two full sweeps of them are more than any useful list.
constexpr std::size_t kMaxListLength = 2 * 0x10000;

struct TItem {
  std::uint32_t Code;
  bool Escaped;
};

int HexValue(std::uint32_t c) {
  if (c >= '0' && c <= '9') return static_cast<int>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<int>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<int>(c - 'A' + 10);
  return -1;
}

class TEscapeReader {
 public:
  explicit TEscapeReader(const std::vector<std::uint32_t>& codes) : in_(codes) {}

  std::vector<TItem> Run() {
    std::vector<TItem> items;
    while (pos_ < in_.size()) {
      std::uint32_t c = in_[pos_++];
      if (c == '\\' && pos_ < in_.size()) {
        items.push_back({Escape(), true});
      } else {
        items.push_back({c, false});
      }
    }
    return items;
  }

 private:
  std::uint32_t Escape() {
    std::uint32_t c = in_[pos_++];
    switch (c) {
      case 'n': return '\n';
      case 't': return '\t';
      case 'r': return '\r';
      case 'f': return '\f';
      case 'a': return '\a';
      case 'e': return 0x1B;
      case 'x': return Hex();
      case 'c':
        if (pos_ >= in_.size() || in_[pos_] >= 0x80) throw EPerl5Error("\"\\c\" の後に文字が必要です");
        return (in_[pos_] >= 'a' && in_[pos_] <= 'z' ? in_[pos_++] - 32 : in_[pos_++]) ^ 0x40u;
      default:
        if (c >= '0' && c <= '7') return Octal(c);
        return c;
    }
  }

  // The first digit has been read; two more octal digits at most follow.
  std::uint32_t Octal(std::uint32_t first) {
    std::uint32_t code = first - '0';
    for (int i = 0; i < 2 && pos_ < in_.size() && in_[pos_] >= '0' && in_[pos_] <= '7'; ++i) {
      code = code * 8 + (in_[pos_++] - '0');
    }
    return code;
  }

  std::uint32_t Hex() {
    std::uint32_t code = 0;
    if (pos_ < in_.size() && in_[pos_] == '{') {
      ++pos_;
      while (pos_ < in_.size() && in_[pos_] != '}') {
        int digit = HexValue(in_[pos_++]);
        if (digit < 0) throw EPerl5Error("\"\\x{}\" の中が 16 進数ではありません");
        code = code * 16 + static_cast<std::uint32_t>(digit);
        if (code > kMaxCodePoint) throw EPerl5Error("\"\\x{}\" の値が大きすぎます");
      }
      if (pos_ >= in_.size()) throw EPerl5Error("\"\\x{\" が閉じていません");
      ++pos_;
      return code;
    }
    for (int i = 0; i < 2 && pos_ < in_.size() && HexValue(in_[pos_]) >= 0; ++i) {
      code = code * 16 + static_cast<std::uint32_t>(HexValue(in_[pos_++]));
    }
    return code;
  }

  const std::vector<std::uint32_t>& in_;
  std::size_t pos_ = 0;
};

}  // namespace

std::vector<std::uint32_t> ExpandTransList(std::string_view cp932_list) {
  std::vector<TItem> items = TEscapeReader(DecodeUtf8(KanjiToUtf8(cp932_list))).Run();
  std::vector<std::uint32_t> codes;
  for (std::size_t i = 0; i < items.size(); ++i) {
    bool is_range = i + 2 < items.size() && items[i + 1].Code == '-' && !items[i + 1].Escaped;
    if (!is_range) {
      codes.push_back(items[i].Code);
      continue;
    }
    std::uint32_t low = items[i].Code;
    std::uint32_t high = items[i + 2].Code;
    if (high < low) throw EPerl5Error("tr の文字範囲が逆順です");
    if (codes.size() + (high - low) >= kMaxListLength) throw EPerl5Error("tr の文字範囲が長すぎます");
    for (std::uint32_t c = low; c <= high; ++c) codes.push_back(c);
    i += 2;
  }
  return codes;
}

}  // namespace nalo
