// Sub and GSub. GSub builds the result in one output buffer: the text before each
// match, then the expansion. After an empty match it copies the next character
// (a double-byte pair, or CR LF, as one unit) so the next search
// starts past it; after a match that ends with an LF a line starts there, so the
// next search may use "^".
#include "rules/awk/awk_str.h"

#include "rules/awk/replacement_template.h"
#include "text/sjis.h"

namespace nalo {

std::optional<TREMatch> TAWKStr::FindFirst(std::string_view text, std::size_t from) const {
  return UsesAnchors() ? FindFirstAnchored(text, from) : FindFirstUnanchored(text, from);
}

bool TAWKStr::Sub(std::string_view tmpl, std::string& text) const {
  const std::optional<TREMatch> m = FindFirst(text);
  if (!m) return false;
  const TReplacementTemplate expansion(tmpl);
  const std::string replacement =
      expansion.Expand(std::string_view(text).substr(m->Start, m->End - m->Start));
  text.replace(m->Start, m->End - m->Start, replacement);
  return true;
}

int TAWKStr::GSub(std::string_view tmpl, std::string& text) const {
  std::optional<TREMatch> m = FindFirst(text);
  if (!m) return 0;
  const TReplacementTemplate expansion(tmpl);
  if (text.empty()) {
    text = expansion.Expand("");
    return 1;
  }
  const std::string_view in(text);
  std::string out;
  out.reserve(text.size() + 16);
  std::size_t rest = 0;  // start of the part not yet copied
  int count = 0;
  while (m) {
    out.append(in, rest, m->Start - rest);
    expansion.AppendTo(out, in.substr(m->Start, m->End - m->Start));
    std::size_t end = m->End;
    if (m->Start == m->End && end < in.size()) {
      std::size_t step = CharLengthAt(in, end);
      const bool crlf = in[end] == '\r' && end + 1 < in.size() && in[end + 1] == '\n';
      if (crlf) step = 2;
      out.append(in, end, step);
      end += step;
    }
    ++count;
    rest = end;
    if (rest >= in.size()) break;
    m = in[rest - 1] == '\n' ? FindFirst(in, rest) : FindNext(in, rest);
  }
  out.append(in, rest, std::string_view::npos);
  text = std::move(out);
  return count;
}

}  // namespace nalo
