// glibc back end: the case tables of its C.UTF-8 locale, which carries Unicode's
// simple mappings for every character, through a locale object of its own so the
// process locale (LANG=C, a Turkish locale) never changes the result. Without
// that locale only ASCII letters change case.
#include <locale.h>
#include <wctype.h>

#include "platform/unicode_case.h"

namespace nalo {
namespace {

locale_t UnicodeLocale() {
  static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
  return locale;
}

char32_t AsciiOnly(char32_t cp, bool upper) {
  if (upper && cp >= 'a' && cp <= 'z') return cp - 'a' + 'A';
  if (!upper && cp >= 'A' && cp <= 'Z') return cp - 'A' + 'a';
  return cp;
}

}  // namespace

char32_t SimpleUpperCase(char32_t cp) {
  const locale_t locale = UnicodeLocale();
  if (locale == static_cast<locale_t>(0)) return AsciiOnly(cp, true);
  return static_cast<char32_t>(towupper_l(static_cast<wint_t>(cp), locale));
}

char32_t SimpleLowerCase(char32_t cp) {
  const locale_t locale = UnicodeLocale();
  if (locale == static_cast<locale_t>(0)) return AsciiOnly(cp, false);
  return static_cast<char32_t>(towlower_l(static_cast<wint_t>(cp), locale));
}

}  // namespace nalo
