// Code-page-932 data of the width and kana mappings. Each printable ASCII character
// has one full-width form; where the full-width form of the code page's own
// repertoire is a different character than the Unicode one (the double and single
// quote, whose U+FF02 and U+FF07 exist only as vendor extensions), the mapping uses
// the quotation marks ” and ’ of the standard repertoire, and both forms map back.
// Half-width katakana map to full-width katakana and punctuation; hiragana and
// katakana are two parallel runs of 83 characters.
#include "text/width_tables.h"

#include <iterator>

namespace nalo {
namespace {

constexpr unsigned char kFirstAscii = 0x20;
constexpr unsigned char kFirstHalfKana = 0xA1;

// Full-width forms of 0x20-0x7E in order.
constexpr std::uint16_t kAsciiFullForms[] = {
    0x8140, 0x8149, 0x8168, 0x8194, 0x8190, 0x8193, 0x8195, 0x8166,  //  !"#$%&'
    0x8169, 0x816A, 0x8196, 0x817B, 0x8143, 0x817C, 0x8144, 0x815E,  // ()*+,-./
    0x824F, 0x8250, 0x8251, 0x8252, 0x8253, 0x8254, 0x8255, 0x8256,  // 01234567
    0x8257, 0x8258, 0x8146, 0x8147, 0x8183, 0x8181, 0x8184, 0x8148,  // 89:;<=>?
    0x8197, 0x8260, 0x8261, 0x8262, 0x8263, 0x8264, 0x8265, 0x8266,  // @ABCDEFG
    0x8267, 0x8268, 0x8269, 0x826A, 0x826B, 0x826C, 0x826D, 0x826E,  // HIJKLMNO
    0x826F, 0x8270, 0x8271, 0x8272, 0x8273, 0x8274, 0x8275, 0x8276,  // PQRSTUVW
    0x8277, 0x8278, 0x8279, 0x816D, 0x815F, 0x816E, 0x814F, 0x8151,  // XYZ[\]^_
    0x814D, 0x8281, 0x8282, 0x8283, 0x8284, 0x8285, 0x8286, 0x8287,  // `abcdefg
    0x8288, 0x8289, 0x828A, 0x828B, 0x828C, 0x828D, 0x828E, 0x828F,  // hijklmno
    0x8290, 0x8291, 0x8292, 0x8293, 0x8294, 0x8295, 0x8296, 0x8297,  // pqrstuvw
    0x8298, 0x8299, 0x829A, 0x816F, 0x8162, 0x8170, 0x8160,          // xyz{|}~
};
static_assert(std::size(kAsciiFullForms) == 0x7F - kFirstAscii);

// Other full-width codes that map to half-width ASCII: the vendor-extension
// full-width quotes (IBM and NEC-selected copies).
struct TExtraHalfForm {
  std::uint16_t full;
  unsigned char half;
};
constexpr TExtraHalfForm kExtraHalfForms[] = {
    {0xFA57, '"'}, {0xEEFC, '"'}, {0xFA56, '\''}, {0xEEFB, '\''},
};

// Full-width forms of the half-width katakana 0xA1-0xDF in order.
constexpr std::uint16_t kHalfKanaFullForms[] = {
    0x8142, 0x8175, 0x8176, 0x8141, 0x8145, 0x8392, 0x8340,          // ｡｢｣､･ｦｧ
    0x8342, 0x8344, 0x8346, 0x8348, 0x8383, 0x8385, 0x8387, 0x8362,  // ｨｩｪｫｬｭｮｯ
    0x815B, 0x8341, 0x8343, 0x8345, 0x8347, 0x8349, 0x834A, 0x834C,  // ｰｱｲｳｴｵｶｷ
    0x834E, 0x8350, 0x8352, 0x8354, 0x8356, 0x8358, 0x835A, 0x835C,  // ｸｹｺｻｼｽｾｿ
    0x835E, 0x8360, 0x8363, 0x8365, 0x8367, 0x8369, 0x836A, 0x836B,  // ﾀﾁﾂﾃﾄﾅﾆﾇ
    0x836C, 0x836D, 0x836E, 0x8371, 0x8374, 0x8377, 0x837A, 0x837D,  // ﾈﾉﾊﾋﾌﾍﾎﾏ
    0x837E, 0x8380, 0x8381, 0x8382, 0x8384, 0x8386, 0x8388, 0x8389,  // ﾐﾑﾒﾓﾔﾕﾖﾗ
    0x838A, 0x838B, 0x838C, 0x838D, 0x838F, 0x8393, 0x814A, 0x814B,  // ﾘﾙﾚﾛﾜﾝﾞﾟ
};
static_assert(std::size(kHalfKanaFullForms) == 0xE0 - kFirstHalfKana);

// Half-width bases that take a voicing mark: ｶ-ﾄ and ﾊ-ﾎ take ﾞ (the voiced form is
// the next code), ﾊ-ﾎ also take ﾟ (the code after that), and ｳ ﾞ is ヴ.
constexpr unsigned char kFirstVoicedBase = 0xB6;      // ｶ
constexpr unsigned char kLastVoicedBase = 0xC4;       // ﾄ
constexpr unsigned char kFirstSemiVoicedBase = 0xCA;  // ﾊ
constexpr unsigned char kLastSemiVoicedBase = 0xCE;   // ﾎ
constexpr unsigned char kHalfU = 0xB3;                // ｳ
constexpr std::uint16_t kFullVu = 0x8394;             // ヴ

// Hiragana ぁ-ん and katakana ァ-ン: 83 characters each; the katakana run skips the
// missing trail byte 0x7F. The iteration marks ゝゞ and ヽヾ pair up as well.
constexpr std::uint16_t kFirstHiragana = 0x829F;
constexpr std::uint16_t kFirstKatakana = 0x8340;
constexpr int kKanaRunLength = 83;
constexpr std::uint16_t kHiraganaIterationMarks = 0x8154;  // ゝ ゞ
constexpr std::uint16_t kKatakanaIterationMarks = 0x8152;  // ヽ ヾ

std::uint16_t KatakanaAt(int index) {
  const std::uint16_t code = static_cast<std::uint16_t>(kFirstKatakana + index);
  return (code & 0xFF) >= 0x7F ? static_cast<std::uint16_t>(code + 1) : code;
}

bool InRange(unsigned char c, unsigned char first, unsigned char last) {
  return c >= first && c <= last;
}

void FillAscii(TWidthTables& t) {
  for (int i = 0; i < static_cast<int>(std::size(kAsciiFullForms)); ++i) {
    const unsigned char half = static_cast<unsigned char>(kFirstAscii + i);
    t.half_to_full[half] = kAsciiFullForms[i];
    t.FullToHalf.Set(kAsciiFullForms[i], half);
  }
  for (const TExtraHalfForm& extra : kExtraHalfForms) t.FullToHalf.Set(extra.full, extra.half);
}

void FillHalfKana(TWidthTables& t) {
  for (int i = 0; i < static_cast<int>(std::size(kHalfKanaFullForms)); ++i) {
    const unsigned char half = static_cast<unsigned char>(kFirstHalfKana + i);
    t.half_to_full[half] = kHalfKanaFullForms[i];
    t.FullToHalf.Set(kHalfKanaFullForms[i], half);
  }
  for (int base = kFirstHalfKana; base < 0xE0; ++base) {
    for (unsigned char mark : {kHalfVoicedMark, kHalfSemiVoicedMark}) {
      const std::uint16_t combined = CombinedKana(static_cast<unsigned char>(base), mark);
      if (combined != 0) t.FullToHalf.Set(combined, static_cast<std::uint16_t>(base << 8 | mark));
    }
  }
}

void FillHiraganaKatakana(TWidthTables& t) {
  for (int i = 0; i < kKanaRunLength; ++i) {
    const std::uint16_t hiragana = static_cast<std::uint16_t>(kFirstHiragana + i);
    t.HiraganaToKatakana.Set(hiragana, KatakanaAt(i));
    t.KatakanaToHiragana.Set(KatakanaAt(i), hiragana);
  }
  for (std::uint16_t i = 0; i < 2; ++i) {
    t.HiraganaToKatakana.Set(kHiraganaIterationMarks + i, kKatakanaIterationMarks + i);
    t.KatakanaToHiragana.Set(kKatakanaIterationMarks + i, kHiraganaIterationMarks + i);
  }
}

TWidthTables BuildWidthTables() {
  TWidthTables t;
  FillAscii(t);
  FillHalfKana(t);
  FillHiraganaKatakana(t);
  return t;
}

}  // namespace

std::uint16_t CombinedKana(unsigned char base, unsigned char mark) {
  if (mark == kHalfVoicedMark) {
    if (base == kHalfU) return kFullVu;
    if (InRange(base, kFirstVoicedBase, kLastVoicedBase) ||
        InRange(base, kFirstSemiVoicedBase, kLastSemiVoicedBase)) {
      return static_cast<std::uint16_t>(kHalfKanaFullForms[base - kFirstHalfKana] + 1);
    }
  }
  if (mark == kHalfSemiVoicedMark && InRange(base, kFirstSemiVoicedBase, kLastSemiVoicedBase)) {
    return static_cast<std::uint16_t>(kHalfKanaFullForms[base - kFirstHalfKana] + 2);
  }
  return 0;
}

const TWidthTables& WidthTables() {
  static const TWidthTables tables = BuildWidthTables();
  return tables;
}

}  // namespace nalo
