// The add rule. Validation checks the chosen user string and the anchor string;
// each entry then gets its text and has it inserted. An entry whose text comes out
// empty, or whose name lacks the anchor, is left out: there is nothing to add to it.
#include "rules/add_rule.h"

#include "rules/insert_position.h"

namespace nalo {

std::string_view ValidateAddRule(const TTabStatus_Add& status, bool folder_mode) {
  const int candidate = status.Candidate;
  if (candidate >= 0 && candidate < kAddUserStringCount &&
      status.AddText[candidate].empty()) {
    return kMsgNoAddString;
  }
  const std::optional<TInsertPosition> position = PositionFromIndex(status.Position, folder_mode);
  if (position && IsAnchorPosition(*position) && status.NiniStr.empty()) {
    return kMsgNoAnchorString;
  }
  return {};
}

std::string AddTextFor(const TRuleContext& ctx, const TTabStatus_Add& status,
                       const TListData& entry) {
  const int candidate = status.Candidate;
  if (candidate >= 0 && candidate < kAddUserStringCount) return status.AddText[candidate];
  if (candidate < kAddUserStringCount || candidate >= kAddCandidateCount) return {};
  if (!ctx.InfoSource) return {};
  // Candidates 5-9 (record values 4-8) are the information kinds 5-9.
  const auto kind = static_cast<TInfoKind>(candidate + 1);
  return ctx.InfoSource(kind, entry.FullPath(), ctx.FolderMode);
}

TRuleResult RunAddRule(const TRuleContext& ctx, const TTabStatus_Add& status) {
  if (NothingSelected(ctx)) return MessageResult(kMsgNoSelection);
  if (const std::string_view message = ValidateAddRule(status, ctx.FolderMode); !message.empty()) {
    return MessageResult(message);
  }
  const std::optional<TInsertPosition> position =
      PositionFromIndex(status.Position, ctx.FolderMode);
  if (!position) return SilentResult();  // no position chosen: nothing happens
  const TFamilyRun family{kOkAdd, TExclusionStep::kRevertToOld, TRowAcceptance::kWhenChanged,
                          false};
  return RunRuleLoop(ctx, family,
                     [&](const TListData& entry, std::size_t) -> std::optional<std::string> {
                       const std::string text = AddTextFor(ctx, status, entry);
                       if (text.empty()) return std::nullopt;
                       return InsertAtPosition(entry.Name, text, *position, status.NiniStr);
                     });
}

}  // namespace nalo
