// Type-to-find upper-cases single-byte characters only; the bytes of double-byte
// characters are left alone so a trail byte in the letter range never matches a
// different character.
#include "listing/list_edit.h"

#include <algorithm>

#include "text/sjis.h"

namespace nalo {
namespace {

std::string AsciiUpperByChars(std::string_view s) {
  std::string out(s);
  for (std::size_t i = 0; i < out.size();) {
    const std::size_t len = CharLengthAt(out, i);
    if (len == 1 && out[i] >= 'a' && out[i] <= 'z') out[i] = static_cast<char>(out[i] - 'a' + 'A');
    i += len;
  }
  return out;
}

bool BeginsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::optional<std::size_t> FindEntryByPrefix(const TEntryList& entries, std::string_view text,
                                             std::size_t start, bool wrap) {
  const std::size_t n = entries.Count();
  if (n == 0) return std::nullopt;
  if (start >= n) start = 0;
  const std::string wanted = AsciiUpperByChars(text);
  std::size_t i = start;
  do {
    if (BeginsWith(AsciiUpperByChars(entries.EntryAt(i).Name), wanted)) return i;
    if (++i == n) {
      if (!wrap) return std::nullopt;
      i = 0;
    }
  } while (i != start);
  return std::nullopt;
}

std::size_t RemoveEntries(TEntryList& entries, const std::vector<std::size_t>& rows) {
  std::vector<TListData>& items = entries.Items();
  std::vector<bool> doomed(items.size(), false);
  for (std::size_t r : rows) {
    if (r < doomed.size()) doomed[r] = true;
  }
  std::size_t write = 0;
  for (std::size_t read = 0; read < items.size(); ++read) {
    if (doomed[read]) continue;
    if (write != read) items[write] = std::move(items[read]);
    ++write;
  }
  const std::size_t removed = items.size() - write;
  items.resize(write);
  return removed;
}

std::string NameCopyText(const TListData& entry) { return entry.Name; }

std::string SizeCopyText(const TListData& entry) {
  std::string text = entry.SizeText();
  text.erase(std::remove(text.begin(), text.end(), ','), text.end());
  return text;
}

std::string PathCopyText(const TListData& entry) { return entry.FullPath(); }

TMenuEnabling MenuEnablingFor(std::size_t selected_count) {
  return {selected_count == 1, selected_count >= 1};
}

}  // namespace nalo
