// Fuzz target for the width and kana mappings and the name helpers they lean on.
// Arbitrary bytes go through every mode; besides running clean under the sanitizers,
// the results must obey laws that hold for any input: each mapping is idempotent,
// full to half undoes half to full, kana mappings keep every length, and printable
// ASCII survives a trip to full width and back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "text/name_text.h"
#include "text/sjis.h"
#include "text/width_kana.h"

namespace {

using nalo::MapWidthKana;
using nalo::TWidthKanaMode;

void Check(bool condition) {
  if (!condition) std::abort();
}

// True when the last character is a lead byte standing alone.
bool EndsWithLoneLead(std::string_view s) {
  std::size_t pos = 0, last = 0;
  while (pos < s.size()) {
    last = pos;
    pos += nalo::CharLengthAt(s, pos);
  }
  return !s.empty() && s.size() - last == 1 &&
         nalo::IsLeadByte(static_cast<unsigned char>(s[last]));
}

void CheckMode(std::string_view in, TWidthKanaMode mode) {
  const std::string out = MapWidthKana(in, mode);
  Check(MapWidthKana(out, mode) == out);
  Check(EndsWithLoneLead(out) == EndsWithLoneLead(in));
  Check(out.size() <= 2 * in.size());
}

void CheckLaws(std::string_view in) {
  const auto full = [](std::string_view s) { return MapWidthKana(s, TWidthKanaMode::HalfToFull); };
  const auto half = [](std::string_view s) { return MapWidthKana(s, TWidthKanaMode::FullToHalf); };
  const auto kata = [](std::string_view s) {
    return MapWidthKana(s, TWidthKanaMode::HiraganaToKatakana);
  };
  const auto hira = [](std::string_view s) {
    return MapWidthKana(s, TWidthKanaMode::KatakanaToHiragana);
  };
  const std::string halved = half(in);
  Check(half(full(halved)) == halved);
  for (const std::string& mapped : {kata(in), hira(in)}) {
    Check(mapped.size() == in.size());
    Check(nalo::CharCount(mapped) == nalo::CharCount(in));
  }
  Check(hira(kata(in)) == hira(in));
  Check(kata(hira(in)) == kata(in));
}

void CheckPrintableAsciiRoundTrip(std::string_view in) {
  std::string ascii(in);
  for (char& c : ascii) c = static_cast<char>(0x20 + static_cast<unsigned char>(c) % 95);
  const std::string full = MapWidthKana(ascii, TWidthKanaMode::HalfToFull);
  Check(full.size() == 2 * ascii.size());
  Check(MapWidthKana(full, TWidthKanaMode::FullToHalf) == ascii);
}

void CheckBaseNameLimit(std::string_view name, TWidthKanaMode mode) {
  const std::string out = nalo::MapBaseNameWidthKana(name, mode);
  const std::string_view ext = nalo::ExtensionOf(name);
  Check(out.size() >= ext.size() && out.compare(out.size() - ext.size(), ext.size(), ext) == 0);
  const std::string_view base(out.data(), out.size() - ext.size());
  Check(base.size() <= nalo::kMaxMappedBaseNameBytes);
  Check(MapWidthKana(nalo::BaseNameOf(name), mode).compare(0, base.size(), base) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view in(reinterpret_cast<const char*>(data), size);
  for (TWidthKanaMode mode : {TWidthKanaMode::HalfToFull, TWidthKanaMode::FullToHalf,
                              TWidthKanaMode::HiraganaToKatakana,
                              TWidthKanaMode::KatakanaToHiragana}) {
    CheckMode(in, mode);
    CheckBaseNameLimit(in, mode);
  }
  CheckLaws(in);
  CheckPrintableAsciiRoundTrip(in);
  return 0;
}
