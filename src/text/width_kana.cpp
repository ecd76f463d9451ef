// The four width and kana mappings over Shift-JIS text. Each walks the text once by
// characters and looks every character up in the tables of width_tables.cpp; a
// character without an entry, an invalid pair or a lead byte standing alone at the end
// is copied unchanged. Only half to full looks one character ahead, for a voicing mark.
#include "text/width_kana.h"

#include <utility>

#include "text/name_text.h"
#include "text/sjis.h"
#include "text/width_tables.h"

namespace nalo {
namespace {

unsigned char ByteAt(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }

// Writes into a buffer sized for the longest result, trimmed once at the end, so
// the loops below never grow a string character by character.
class TOutput {
 public:
  explicit TOutput(std::size_t capacity) : buffer_(capacity, '\0') {}
  void Byte(unsigned char b) { buffer_[size_++] = static_cast<char>(b); }
  void Code(std::uint16_t code) {
    Byte(static_cast<unsigned char>(code >> 8));
    Byte(static_cast<unsigned char>(code & 0xFF));
  }
  void Copy(std::string_view bytes) {
    for (char c : bytes) buffer_[size_++] = c;
  }
  std::string Take() {
    buffer_.resize(size_);
    return std::move(buffer_);
  }

 private:
  std::string buffer_;
  std::size_t size_ = 0;
};

// Every character at most doubles: one byte becomes one double-byte character.
std::string HalfToFull(std::string_view text) {
  const TWidthTables& tables = WidthTables();
  TOutput out(text.size() * 2);
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = CharLengthAt(text, i);
    const std::uint16_t full = length == 1 ? tables.half_to_full[ByteAt(text, i)] : 0;
    if (full == 0) {
      out.Copy(text.substr(i, length));
      i += length;
      continue;
    }
    const std::uint16_t combined =
        i + 1 < text.size() ? CombinedKana(ByteAt(text, i), ByteAt(text, i + 1)) : 0;
    out.Code(combined != 0 ? combined : full);
    i += combined != 0 ? 2 : 1;
  }
  return out.Take();
}

// Every double-byte character becomes at most two bytes, so the size never grows.
std::string FullToHalf(std::string_view text) {
  const TCodeTable& table = WidthTables().FullToHalf;
  TOutput out(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = CharLengthAt(text, i);
    const std::uint16_t half =
        length == 2 ? table.Get(DoubleByteCode(ByteAt(text, i), ByteAt(text, i + 1))) : 0;
    if (half == 0) {
      out.Copy(text.substr(i, length));
    } else if (half > 0xFF) {
      out.Code(half);  // base and voicing mark
    } else {
      out.Byte(static_cast<unsigned char>(half));
    }
    i += length;
  }
  return out.Take();
}

// Hiragana and katakana are both double-byte, so this mapping keeps every length.
std::string MapDoubleBytes(std::string_view text, const TCodeTable& table) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size();) {
    const std::size_t length = CharLengthAt(out, i);
    if (length == 2) {
      const std::uint16_t mapped = table.Get(DoubleByteCode(ByteAt(out, i), ByteAt(out, i + 1)));
      if (mapped != 0) {
        out[i] = static_cast<char>(mapped >> 8);
        out[i + 1] = static_cast<char>(mapped & 0xFF);
      }
    }
    i += length;
  }
  return out;
}

}  // namespace

std::string MapWidthKana(std::string_view text, TWidthKanaMode mode) {
  switch (mode) {
    case TWidthKanaMode::HalfToFull:
      return HalfToFull(text);
    case TWidthKanaMode::FullToHalf:
      return FullToHalf(text);
    case TWidthKanaMode::HiraganaToKatakana:
      return MapDoubleBytes(text, WidthTables().HiraganaToKatakana);
    case TWidthKanaMode::KatakanaToHiragana:
      return MapDoubleBytes(text, WidthTables().KatakanaToHiragana);
  }
  return std::string(text);
}

std::string MapBaseNameWidthKana(std::string_view name, TWidthKanaMode mode) {
  const std::string_view base = BaseNameOf(name);
  std::string out = MapWidthKana(base, mode);
  out.resize(LimitToBytes(out, kMaxMappedBaseNameBytes).size());
  out.append(name.substr(base.size()));
  return out;
}

}  // namespace nalo
