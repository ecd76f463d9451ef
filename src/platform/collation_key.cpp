// One collator for the process, opened at first use from the environment's
// locale. ucol_getSortKey on a shared collator is safe from several threads.
#include "platform/collation_key.h"

#include <unicode/ucol.h>
#include <unicode/uloc.h>
#include <unicode/ustring.h>

#include <optional>
#include <stdexcept>
#include <vector>

#include "platform/encoding.h"

namespace nalo {
namespace {

class TCollator {
 public:
  TCollator() {
    UErrorCode status = U_ZERO_ERROR;
    collator_ = ucol_open(CollationLocale(), &status);
    if (U_FAILURE(status)) {
      status = U_ZERO_ERROR;
      collator_ = ucol_open("", &status);
    }
    if (U_FAILURE(status)) throw std::runtime_error(u_errorName(status));
    ucol_setStrength(collator_, UCOL_SECONDARY);
  }
  ~TCollator() { ucol_close(collator_); }
  TCollator(const TCollator&) = delete;
  TCollator& operator=(const TCollator&) = delete;

  void AppendKey(std::string& out, const std::u16string& text) const {
    const auto* chars = reinterpret_cast<const UChar*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    const std::size_t at = out.size();
    out.resize(at + kFirstGuess + text.size() * 4);
    int32_t needed = ucol_getSortKey(collator_, chars, length, KeyBuffer(out, at),
                                     static_cast<int32_t>(out.size() - at));
    if (needed > static_cast<int32_t>(out.size() - at)) {
      out.resize(at + static_cast<std::size_t>(needed));
      needed = ucol_getSortKey(collator_, chars, length, KeyBuffer(out, at), needed);
    }
    out.resize(at + static_cast<std::size_t>(needed > 0 ? needed - 1 : 0));  // drop the zero
  }

 private:
  static constexpr std::size_t kFirstGuess = 16;
  // The environment's locale (LC_ALL, LC_COLLATE, LANG). The C and POSIX locales
  // map to en_US_POSIX, whose collation orders by code point and so by case: they
  // take the root collation instead.
  static const char* CollationLocale() {
    const char* locale = uloc_getDefault();
    return std::string_view(locale).starts_with("en_US_POSIX") ? "" : locale;
  }
  static uint8_t* KeyBuffer(std::string& out, std::size_t at) {
    return reinterpret_cast<uint8_t*>(out.data() + at);
  }
  UCollator* collator_ = nullptr;
};

const TCollator& Collator() {
  static const TCollator collator;
  return collator;
}

bool IsAscii(std::string_view s) {
  for (char c : s) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// The name as UTF-16 in `text`, whose capacity is reused from name to name; false
// when the name is not valid CP932.
bool Utf16Of(std::string_view cp932, std::u16string& text) {
  if (IsAscii(cp932)) {
    text.assign(cp932.begin(), cp932.end());
    return true;
  }
  const std::optional<std::string> utf8 = Cp932ToUtf8(cp932);
  if (!utf8) return false;
  text.resize(utf8->size());
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strFromUTF8(reinterpret_cast<UChar*>(text.data()), static_cast<int32_t>(text.size()), &length,
                utf8->data(), static_cast<int32_t>(utf8->size()), &status);
  if (U_FAILURE(status)) return false;
  text.resize(static_cast<std::size_t>(length));
  return true;
}

}  // namespace

void AppendCollationKey(std::string& out, std::string_view cp932_name) {
  thread_local std::u16string text;  // one per thread: the workers of the front ends sort too
  if (!Utf16Of(cp932_name, text)) {
    out.push_back('\xFF');  // above every collation key's first byte
    out.append(cp932_name);
    return;
  }
  Collator().AppendKey(out, text);
}

}  // namespace nalo
