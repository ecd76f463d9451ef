// CP932 <-> UTF-8 through glibc's iconv. Pure ASCII needs no conversion and is
// returned as it is, which keeps scans of ordinary names cheap. A UTF-8 to CP932
// conversion is accepted only when converting the result back gives the input
// again: characters that iconv maps one way only (U+301C to 0x8160, which reads
// back as U+FF5E) would otherwise change a name the user never touched.
#include "platform/encoding.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace nalo {
namespace {

bool IsAscii(std::string_view s) {
  for (unsigned char c : s) {
    if (c >= 0x80) return false;
  }
  return true;
}

// One iconv descriptor per direction and thread, opened on first use.
class Converter {
 public:
  Converter(const char* to, const char* from)
      : cd_(iconv_open(to, from)), utf8_source_(std::string_view(from) == "UTF-8") {
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
      // Skip the offending character: one byte, plus its continuation bytes in UTF-8.
      do {
        ++src;
        --src_left;
      } while (utf8_source_ && src_left > 0 && (static_cast<unsigned char>(*src) & 0xC0) == 0x80);
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(written);
    return out;
  }

 private:
  iconv_t cd_;
  bool utf8_source_;
};

Converter& ToCp932() {
  thread_local Converter converter("CP932", "UTF-8");
  return converter;
}

Converter& FromCp932() {
  thread_local Converter converter("UTF-8", "CP932");
  return converter;
}

}  // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  auto cp932 = ToCp932().Convert(utf8, {});
  if (!cp932) return std::nullopt;
  auto back = FromCp932().Convert(*cp932, {});
  if (!back || *back != utf8) return std::nullopt;
  return cp932;
}

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
  if (IsAscii(cp932)) return std::string(cp932);
  return FromCp932().Convert(cp932, {});
}

std::string Cp932ToUtf8Lossy(std::string_view cp932) {
  if (IsAscii(cp932)) return std::string(cp932);
  return *FromCp932().Convert(cp932, "\xEF\xBF\xBD");
}

std::string Utf8ToCp932Lossy(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  return *ToCp932().Convert(utf8, "?");
}

}  // namespace nalo
