// Three passes over the template: protect escaped ampersands by doubling their
// backslash, unescape, then read "&" as the matched text and "\&" as a literal
// "&". The last pass records where the matched text goes, so expanding a match is
// plain appending. All passes step by whole characters.
#include "rules/awk/replacement_template.h"

#include "rules/awk/re_chars.h"
#include "text/sjis.h"

namespace nalo {
namespace {

std::string ProtectEscapedAmpersands(std::string_view tmpl) {
  std::string out;
  out.reserve(tmpl.size() + 4);
  for (std::size_t i = 0; i < tmpl.size();) {
    const std::size_t len = CharLengthAt(tmpl, i);
    if (tmpl[i] == '\\' && i + 1 < tmpl.size() && tmpl[i + 1] == '&') out.push_back('\\');
    out.append(tmpl.substr(i, len));
    i += len;
  }
  return out;
}

}  // namespace

TReplacementTemplate::TReplacementTemplate(std::string_view tmpl) {
  const std::string text = UnescapeText(ProtectEscapedAmpersands(tmpl));
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t len = CharLengthAt(text, i);
    if (text[i] == '&') {
      match_offsets_.push_back(literal_.size());
    } else if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '&') {
      literal_.push_back('&');
      i += 2;
      continue;
    } else {
      literal_.append(text, i, len);
    }
    i += len;
  }
}

void TReplacementTemplate::AppendTo(std::string& out, std::string_view matched) const {
  std::size_t from = 0;
  for (std::size_t at : match_offsets_) {
    out.append(literal_, from, at - from);
    out.append(matched);
    from = at;
  }
  out.append(literal_, from, std::string::npos);
}

std::string TReplacementTemplate::Expand(std::string_view matched) const {
  std::string out;
  AppendTo(out, matched);
  return out;
}

}  // namespace nalo
