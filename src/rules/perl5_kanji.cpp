// Checked CP932 <-> UTF-8 conversion for the Shift-JIS mode of the Perl5 layer,
// on top of the platform converter. Characters beyond the code page reach the
// engine as the private-use characters of their user-area codes: each is one
// opaque character to it and comes back unchanged.
#include "rules/perl5_kanji.h"

#include "platform/encoding.h"
#include "rules/perl5_error.h"

namespace nalo {

std::string KanjiToUtf8(std::string_view cp932) {
  auto utf8 = Cp932ToOpaqueUtf8(cp932);
  if (!utf8) throw EPerl5Error("Shift-JIS として読めない文字があります");
  return std::move(*utf8);
}

std::string KanjiFromUtf8(std::string_view utf8) {
  auto cp932 = OpaqueUtf8ToCp932(utf8);
  if (!cp932) throw EPerl5Error("結果に Shift-JIS にできない文字があります");
  return std::move(*cp932);
}

}  // namespace nalo
