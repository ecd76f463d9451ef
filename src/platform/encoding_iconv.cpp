// CP932 <-> UTF-8 through glibc's iconv, with the user-area table for the rest.
// Pure ASCII needs no conversion and is returned as it is; other text is first
// converted whole, which keeps scans of ordinary names cheap. A UTF-8 to CP932
// conversion is accepted only when converting the result back gives the input
// again: characters that iconv maps one way only (U+301C to 0x8160, which reads
// back as U+FF5E) would otherwise change a name the user never touched. Text that
// fails the whole conversion is taken character by character, and what has no
// CP932 form goes through the table; core text holding no lead byte of the user
// area (0xF0-0xF9) never needs the table on the way out.
#include "platform/encoding.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include "platform/user_area_table.h"

namespace nalo {
namespace {

constexpr std::string_view kReplacementMark = "\xEF\xBF\xBD";  // U+FFFD

constexpr bool IsCp932Lead(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

bool IsAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool HasUserAreaByte(std::string_view s) {
  return std::any_of(s.begin(), s.end(),
                     [](char c) { return IsUserAreaLead(static_cast<unsigned char>(c)); });
}

// Private-use characters always go through the table: iconv would give the first
// of them codes of the user-defined area, which the table hands out itself.
constexpr bool IsPrivateUse(char32_t cp) { return cp >= 0xE000 && cp <= 0xF8FF; }

// The byte 0xEE starts every UTF-8 character from U+E000 to U+EFFF, the only ones
// iconv maps into the user-defined area.
bool MayHoldPrivateUse(std::string_view utf8) {
  return utf8.find('\xEE') != std::string_view::npos;
}

// Length of the valid UTF-8 character at `i` (its code point in `cp`), or 0.
std::size_t Utf8CharAt(std::string_view s, std::size_t i, char32_t& cp) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b0 = byte(i);
  std::size_t len = 0;
  char32_t min = 0;
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  } else if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2, cp = b0 & 0x1F, min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3, cp = b0 & 0x0F, min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    cp = cp << 6 | (byte(i + k) & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

bool IsValidUtf8(std::string_view s) {
  char32_t cp = 0;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t len = Utf8CharAt(s, i, cp);
    if (len == 0) return false;
    i += len;
  }
  return true;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | cp >> 6);
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | cp >> 12);
    out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | cp >> 18);
    out += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// One iconv descriptor per direction and thread, opened on first use.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts the whole input; on an invalid or unconvertible sequence either
  // fails (replacement empty) or writes the replacement and skips one byte.
  std::optional<std::string> Convert(std::string_view in, std::string_view replacement) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.resize(in.size() * 2 + 16);
    char* src = const_cast<char*>(in.data());
    size_t src_left = in.size();
    size_t written = 0;
    while (src_left > 0) {
      char* dst = out.data() + written;
      size_t dst_left = out.size() - written;
      size_t rc = iconv(cd_, &src, &src_left, &dst, &dst_left);
      written = out.size() - dst_left;
      if (rc != static_cast<size_t>(-1)) break;
      if (errno == E2BIG) {
        out.resize(out.size() * 2);
        continue;
      }
      if (replacement.empty()) return std::nullopt;  // EILSEQ or EINVAL
      out.resize(written);
      out.append(replacement);
      out.resize(out.size() + src_left * 2 + 16);
      written += replacement.size();
      ++src;  // skip the offending byte (the input is CP932 whenever a replacement is asked for)
      --src_left;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(written);
    return out;
  }

 private:
  iconv_t cd_;
};

Converter& ToCp932() {
  thread_local Converter converter("CP932", "UTF-8");
  return converter;
}

Converter& FromCp932() {
  thread_local Converter converter("UTF-8", "CP932");
  return converter;
}

// The CP932 form of UTF-8 text that converts back to the same text, or nothing.
std::optional<std::string> RoundTripCp932(std::string_view utf8) {
  auto cp932 = ToCp932().Convert(utf8, {});
  if (!cp932) return std::nullopt;
  auto back = FromCp932().Convert(*cp932, {});
  if (!back || *back != utf8) return std::nullopt;
  return cp932;
}

bool AppendTableCode(std::string& out, TForeignUnit unit) {
  const std::optional<std::uint16_t> code = TUserAreaTable::Process().CodeFor(unit);
  if (!code) return false;
  out += static_cast<char>(*code >> 8);
  out += static_cast<char>(*code & 0xFF);
  return true;
}

// Character by character: what has a CP932 form takes it, the rest (and every
// byte that is not part of a UTF-8 character) takes a table code.
std::optional<std::string> Utf8ToCp932ByChar(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp = 0;
    const std::size_t len = Utf8CharAt(utf8, i, cp);
    if (len == 1) {
      out += utf8[i++];
      continue;
    }
    if (len == 0) {
      if (!AppendTableCode(out, kByteUnitBase + static_cast<unsigned char>(utf8[i])))
        return std::nullopt;
      ++i;
      continue;
    }
    std::optional<std::string> one;
    if (!IsPrivateUse(cp)) one = RoundTripCp932(utf8.substr(i, len));
    if (one) {
      out += *one;
    } else if (!AppendTableCode(out, cp)) {
      return std::nullopt;
    }
    i += len;
  }
  return out;
}

enum class TOutMode { Exact, Display };

// Core text to bytes. Plain runs go through iconv; table codes become what they
// stand for (a stray byte is U+FFFD when shown).
std::optional<std::string> ExpandCp932(std::string_view cp932, TOutMode mode) {
  const std::string_view bad = mode == TOutMode::Exact ? std::string_view() : kReplacementMark;
  if (!HasUserAreaByte(cp932)) return FromCp932().Convert(cp932, bad);
  std::string out;
  std::size_t run = 0;
  const auto flush = [&](std::size_t end) {
    std::optional<std::string> part = FromCp932().Convert(cp932.substr(run, end - run), bad);
    if (part) out += *part;
    return part.has_value();
  };
  for (std::size_t i = 0; i < cp932.size();) {
    const unsigned char lead = static_cast<unsigned char>(cp932[i]);
    if (!IsUserAreaLead(lead) || i + 1 == cp932.size()) {
      i += IsCp932Lead(lead) ? std::min<std::size_t>(2, cp932.size() - i) : 1;
      continue;
    }
    if (!flush(i)) return std::nullopt;
    const auto code =
        static_cast<std::uint16_t>(lead << 8 | static_cast<unsigned char>(cp932[i + 1]));
    const std::optional<TForeignUnit> unit = TUserAreaTable::Process().UnitOf(code);
    if (unit && !IsByteUnit(*unit)) {
      AppendUtf8(out, *unit);
    } else if (mode == TOutMode::Display) {
      out += kReplacementMark;
    } else if (unit) {
      out += static_cast<char>(*unit - kByteUnitBase);
    } else {
      return std::nullopt;
    }
    i += 2;
    run = i;
  }
  if (!flush(cp932.size())) return std::nullopt;
  return out;
}

// Valid code page 932 with no code of the user-defined area.
bool IsLegacyCp932(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (IsUserAreaLead(c)) return false;
    i += IsCp932Lead(c) ? 2 : 1;
  }
  return FromCp932().Convert(bytes, {}).has_value();
}

}  // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  if (!MayHoldPrivateUse(utf8)) {
    if (auto cp932 = RoundTripCp932(utf8)) return cp932;
  }
  return Utf8ToCp932ByChar(utf8);
}

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
  if (IsAscii(cp932)) return std::string(cp932);
  return ExpandCp932(cp932, TOutMode::Exact);
}

std::string Cp932ToUtf8Lossy(std::string_view cp932) {
  if (IsAscii(cp932)) return std::string(cp932);
  return *ExpandCp932(cp932, TOutMode::Display);
}

std::optional<TDiskName> DiskNameToCp932(std::string_view bytes) {
  if (IsAscii(bytes)) return TDiskName{std::string(bytes), false};
  if (!MayHoldPrivateUse(bytes)) {
    if (auto cp932 = RoundTripCp932(bytes)) return TDiskName{std::move(*cp932), false};
  }
  if (!IsValidUtf8(bytes) && IsLegacyCp932(bytes)) {
    if (!ByteUnitsOf(bytes)) return std::nullopt;  // its disk form needs the codes
    return TDiskName{std::string(bytes), true};
  }
  std::optional<std::string> text = Utf8ToCp932ByChar(bytes);
  if (!text) return std::nullopt;
  return TDiskName{std::move(*text), false};
}

bool HoldsUserAreaCode(std::string_view cp932) {
  if (!HasUserAreaByte(cp932)) return false;
  for (std::size_t i = 0; i < cp932.size();) {
    const unsigned char c = static_cast<unsigned char>(cp932[i]);
    if (IsUserAreaLead(c) && i + 1 < cp932.size()) return true;
    i += IsCp932Lead(c) ? 2 : 1;
  }
  return false;
}

std::optional<std::string> Cp932ToOpaqueUtf8(std::string_view cp932) {
  if (IsAscii(cp932)) return std::string(cp932);
  return FromCp932().Convert(cp932, {});
}

std::optional<std::string> OpaqueUtf8ToCp932(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  return RoundTripCp932(utf8);
}

std::optional<char32_t> UserAreaCharOf(std::uint16_t code) {
  const std::optional<TForeignUnit> unit = TUserAreaTable::Process().UnitOf(code);
  if (!unit || IsByteUnit(*unit)) return std::nullopt;
  return static_cast<char32_t>(*unit);
}

std::optional<std::string> CharToCp932(char32_t cp) {
  std::string utf8;
  AppendUtf8(utf8, cp);
  return Utf8ToCp932(utf8);
}

std::optional<std::string> ByteUnitsOf(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const unsigned char b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      out += bytes[i];
      continue;
    }
    // The trail byte of a double-byte character goes with it: one that looks like
    // "\" or "|" must not be taken for that character in the new name's checks.
    const std::size_t len = IsCp932Lead(b) && i + 1 < bytes.size() ? 2 : 1;
    for (std::size_t k = 0; k < len; ++k) {
      if (!AppendTableCode(out, kByteUnitBase + static_cast<unsigned char>(bytes[i + k])))
        return std::nullopt;
    }
    i += len - 1;
  }
  return out;
}

}  // namespace nalo
