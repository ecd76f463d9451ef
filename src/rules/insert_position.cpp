// Insertion of a text at one of the add and move positions. Positions are cut at
// byte offsets that FindInName and the base-name split give, both of which lie on
// character boundaries, so a double-byte character is never split.
#include "rules/insert_position.h"

#include "text/name_text.h"

namespace nalo {
namespace {

std::string Joined(std::string_view front, std::string_view middle, std::string_view back) {
  std::string out;
  out.reserve(front.size() + middle.size() + back.size());
  out.append(front).append(middle).append(back);
  return out;
}

}  // namespace

std::optional<TInsertPosition> PositionFromIndex(int index, bool folder_mode) {
  using P = TInsertPosition;
  static constexpr P kFile[] = {P::kBeforeName, P::kAfterBaseName, P::kAfterExtension,
                                P::kBeforeAnchor, P::kAfterAnchor};
  static constexpr P kFolder[] = {P::kBeforeName, P::kAfterBaseName, P::kBeforeAnchor,
                                  P::kAfterAnchor};
  if (index < 0) return std::nullopt;
  const auto i = static_cast<std::size_t>(index);
  if (folder_mode) {
    if (i >= std::size(kFolder)) return std::nullopt;
    return kFolder[i];
  }
  if (i >= std::size(kFile)) return std::nullopt;
  return kFile[i];
}

std::optional<std::string> InsertAtPosition(std::string_view name, std::string_view text,
                                            TInsertPosition position, std::string_view anchor) {
  switch (position) {
    case TInsertPosition::kBeforeName:
      return Joined({}, text, name);
    case TInsertPosition::kAfterBaseName:
      return Joined(BaseNameOf(name), text, ExtensionOf(name));
    case TInsertPosition::kAfterExtension:
      return Joined(name, text, {});
    case TInsertPosition::kBeforeAnchor:
    case TInsertPosition::kAfterAnchor:
      break;
  }
  const int p = FindInName(anchor, name);
  if (p == 0) return std::nullopt;
  std::size_t cut = static_cast<std::size_t>(p - 1);
  if (position == TInsertPosition::kAfterAnchor) cut += anchor.size();
  return Joined(name.substr(0, cut), text, name.substr(cut));
}

}  // namespace nalo
