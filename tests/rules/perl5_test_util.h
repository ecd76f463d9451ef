// Helpers for the Perl5 layer tests: tests are written in UTF-8 and the layer
// works on CP932, so every call converts on the way in and out.
#pragma once

#include <string>
#include <string_view>

#include "platform/encoding.h"
#include "rules/bregexp_wrapper.h"

namespace nalo::perl5_test {

inline std::string Sj(std::string_view utf8) { return Utf8ToCp932(utf8).value(); }
inline std::string Utf(std::string_view cp932) { return Cp932ToUtf8Lossy(cp932); }

// "<none>" when nothing changed, "error" when the library refused, the new
// subject (in UTF-8) otherwise.
inline std::string Apply(bool translate, std::string_view expression, std::string_view subject) {
  TBRegExp regexp;
  std::string text = Sj(subject);
  try {
    bool changed = translate ? regexp.Translate(Sj(expression), text)
                             : regexp.Substitute(Sj(expression), text);
    return changed ? Utf(text) : "<none>";
  } catch (const EBRegExpError&) {
    return "error";
  }
}

inline std::string Subst(std::string_view e, std::string_view s) { return Apply(false, e, s); }
inline std::string Trans(std::string_view e, std::string_view s) { return Apply(true, e, s); }

}  // namespace nalo::perl5_test
