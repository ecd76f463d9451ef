// Wildcard matching by characters: the name and the masks are both lower-cased
// once, so the match itself compares characters byte for byte. "*" backtracks to
// the latest star only, which keeps the match linear for ordinary masks.
#include "listing/wildcard_mask.h"

#include <algorithm>

#include "text/name_text.h"
#include "text/sjis.h"

namespace nalo {
namespace {

bool IsAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string AsciiLower(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

// Same character at mask[mi] and name[ni] (both at character boundaries)?
bool SameChar(std::string_view mask, std::size_t mi, std::size_t mlen, std::string_view name,
              std::size_t ni, std::size_t nlen) {
  return mlen == nlen && mask.compare(mi, mlen, name, ni, nlen) == 0;
}

bool MatchWildcards(std::string_view mask, std::string_view name) {
  std::size_t mi = 0, ni = 0;
  std::size_t star_mi = std::string_view::npos, star_ni = 0;
  while (ni < name.size()) {
    const std::size_t nlen = CharLengthAt(name, ni);
    if (mi < mask.size()) {
      const std::size_t mlen = CharLengthAt(mask, mi);
      if (mask[mi] == '*') {
        star_mi = ++mi;
        star_ni = ni;
        continue;
      }
      if ((mlen == 1 && mask[mi] == '?') || SameChar(mask, mi, mlen, name, ni, nlen)) {
        mi += mlen;
        ni += nlen;
        continue;
      }
    }
    if (star_mi == std::string_view::npos) return false;
    // Let the last star swallow one more character and retry from there.
    star_ni += CharLengthAt(name, star_ni);
    ni = star_ni;
    mi = star_mi;
  }
  while (mi < mask.size() && mask[mi] == '*') ++mi;
  return mi == mask.size();
}

void AddUnique(std::vector<std::string>& masks, std::string mask) {
  if (mask.empty()) return;
  if (std::find(masks.begin(), masks.end(), mask) == masks.end()) masks.push_back(std::move(mask));
}

}  // namespace

std::vector<std::string> ParseMaskList(std::string_view mask_text) {
  const std::string lowered = LowerCaseName(mask_text);
  std::vector<std::string> masks;
  std::string current;
  for (std::size_t i = 0; i < lowered.size();) {
    const std::size_t len = CharLengthAt(lowered, i);
    const char c = lowered[i];
    if (len == 1 && (c == ';' || c == '\r' || c == '\n')) {
      AddUnique(masks, std::move(current));
      current.clear();
    } else {
      current.append(lowered, i, len);
    }
    i += len;
  }
  AddUnique(masks, std::move(current));
  const bool has_all = std::any_of(masks.begin(), masks.end(),
                                   [](const std::string& m) { return m == "*" || m == kAllFilesMask; });
  if (has_all || masks.empty()) return {std::string(kAllFilesMask)};
  return masks;
}

std::string MaskFoldedName(std::string_view name) {
  return IsAscii(name) ? AsciiLower(name) : LowerCaseName(name);
}

bool MatchesMask(std::string_view mask, std::string_view folded_name) {
  if (MatchWildcards(mask, folded_name)) return true;
  // "x.*" also finds "x": the dot and star may match an absent extension.
  if (mask.size() >= 2 && mask.substr(mask.size() - 2) == ".*") {
    const std::string_view stem = mask.substr(0, mask.size() - 2);
    if (IsCharBoundary(mask, stem.size())) return MatchWildcards(stem, folded_name);
  }
  return false;
}

}  // namespace nalo
