// The four width and kana mappings over Shift-JIS text. Each walks the text once by
// characters and looks every character up in the tables of width_tables.cpp; a
// character without an entry, an invalid pair or a lead byte standing alone at the end
// is copied unchanged. Only half to full looks one character ahead, for a voicing mark.
#include "text/width_kana.h"

#include "text/name_text.h"
#include "text/sjis.h"
#include "text/width_tables.h"

namespace nalo {
namespace {

void AppendCode(std::string& out, std::uint16_t code) {
  out.push_back(static_cast<char>(code >> 8));
  out.push_back(static_cast<char>(code & 0xFF));
}

unsigned char ByteAt(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }

std::string HalfToFull(std::string_view text) {
  const TWidthTables& tables = WidthTables();
  std::string out;
  out.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = CharLengthAt(text, i);
    const std::uint16_t full = length == 1 ? tables.half_to_full[ByteAt(text, i)] : 0;
    if (full == 0) {
      out.append(text.substr(i, length));
      i += length;
      continue;
    }
    const std::uint16_t combined =
        i + 1 < text.size() ? CombinedKana(ByteAt(text, i), ByteAt(text, i + 1)) : 0;
    AppendCode(out, combined != 0 ? combined : full);
    i += combined != 0 ? 2 : 1;
  }
  return out;
}

std::string FullToHalf(std::string_view text) {
  const TCodeTable& table = WidthTables().full_to_half;
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = CharLengthAt(text, i);
    const std::uint16_t half =
        length == 2 ? table.Get(DoubleByteCode(ByteAt(text, i), ByteAt(text, i + 1))) : 0;
    if (half == 0) {
      out.append(text.substr(i, length));
    } else if (half > 0xFF) {
      AppendCode(out, half);  // base and voicing mark
    } else {
      out.push_back(static_cast<char>(half));
    }
    i += length;
  }
  return out;
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
      return MapDoubleBytes(text, WidthTables().hiragana_to_katakana);
    case TWidthKanaMode::KatakanaToHiragana:
      return MapDoubleBytes(text, WidthTables().katakana_to_hiragana);
  }
  return std::string(text);
}

std::string MapBaseNameWidthKana(std::string_view name, TWidthKanaMode mode) {
  const std::string base = MapWidthKana(BaseNameOf(name), mode);
  std::string out(LimitToBytes(base, kMaxMappedBaseNameBytes));
  out.append(ExtensionOf(name));
  return out;
}

}  // namespace nalo
