// The move rule. The bracket group runs from the opening bracket at the start of
// the name through the first closing bracket (both of its bytes when double-byte).
// A case-insensitive string search runs on lower-cased copies whose byte offsets
// match the name's, and the piece is cut from the name itself, keeping its case.
#include "rules/move_rule.h"

#include "rules/insert_position.h"
#include "text/name_text.h"

namespace nalo {
namespace {

std::optional<TMoveCut> CutAt(std::string_view name, std::size_t from, std::size_t length) {
  TMoveCut cut;
  cut.Piece = std::string(name.substr(from, length));
  cut.Rest = std::string(name.substr(0, from));
  cut.Rest.append(name.substr(from + length));
  return cut;
}

std::optional<TMoveCut> CutBracketGroup(std::string_view name, int bracket_index) {
  // No bracket kind chosen: nothing is moved.
  if (bracket_index < 0 || static_cast<std::size_t>(bracket_index) >= BracketPairs.size()) {
    return std::nullopt;
  }
  const TBracketPair& pair = BracketPairs[static_cast<std::size_t>(bracket_index)];
  const int p = FindInName(pair.Open, name);
  const int q = FindInName(pair.Close, name);
  if (p != 1 || q == 0) return std::nullopt;
  const int last = q + (bracket_index > 4 ? 1 : 0);  // last byte of the closing bracket
  if (last <= 1) return std::nullopt;
  return CutAt(name, 0, static_cast<std::size_t>(last));
}

// 1-based position of `text` in `name`, ignoring case unless `case_sensitive`.
int FindString(std::string_view text, std::string_view name, bool case_sensitive) {
  if (case_sensitive) return FindInName(text, name);
  const std::string lower_name = LowerCaseName(name);
  const std::string lower_text = LowerCaseName(text);
  // Case mapping keeps every character's byte length; were it ever not to, the
  // offsets would not fit the name and nothing is moved.
  if (lower_name.size() != name.size() || lower_text.size() != text.size()) return 0;
  return FindInName(lower_text, lower_name);
}

}  // namespace

std::string_view ValidateMoveRule(const TTabStatus_Move& status, bool folder_mode) {
  if (status.MoveString && !status.MoveBracket && status.MoveStr.empty()) {
    return kMsgNoMoveString;
  }
  const std::optional<TInsertPosition> position = PositionFromIndex(status.Position, folder_mode);
  if (position && IsAnchorPosition(*position) && status.NiniStr.empty()) {
    return kMsgNoAnchorString;
  }
  return {};
}

std::optional<TMoveCut> CutMovePiece(std::string_view name, const TTabStatus_Move& status) {
  // The two choices are radio buttons; the bracket move wins should both be set.
  if (status.MoveBracket) return CutBracketGroup(name, status.BracketIdx);
  if (!status.MoveString || status.MoveStr.empty()) return std::nullopt;
  const int r = FindString(status.MoveStr, name, status.StringCase);
  if (r == 0) return std::nullopt;
  return CutAt(name, static_cast<std::size_t>(r - 1), status.MoveStr.size());
}

TRuleResult RunMoveRule(const TRuleContext& ctx, const TTabStatus_Move& status) {
  if (NothingSelected(ctx)) return MessageResult(kMsgNoSelection);
  if (const std::string_view message = ValidateMoveRule(status, ctx.FolderMode); !message.empty()) {
    return MessageResult(message);
  }
  const std::optional<TInsertPosition> position =
      PositionFromIndex(status.Position, ctx.FolderMode);
  if (!position) return SilentResult();  // no position chosen: nothing happens
  const TFamilyRun family{kOkMove, TExclusionStep::kRevertToOld, TRowAcceptance::kWhenChanged,
                          false};
  return RunRuleLoop(ctx, family,
                     [&](const TListData& entry, std::size_t) -> std::optional<std::string> {
                       const std::optional<TMoveCut> cut = CutMovePiece(entry.Name, status);
                       if (!cut) return std::nullopt;
                       return InsertAtPosition(cut->Rest, cut->Piece, *position, status.NiniStr);
                     });
}

}  // namespace nalo
