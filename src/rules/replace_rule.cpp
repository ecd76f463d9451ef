// The three replace sub-rules. Brackets are found with FindInName, so only whole
// characters match; a double-byte closing bracket is two bytes long and a deletion
// with content ends on its second byte. The bracket rule has its own acceptance:
// every entry that holds the pair (and, first-only, begins with it) gets a row.
#include "rules/replace_rule.h"

#include <algorithm>

#include "rules/rule_captions.h"
#include "text/name_text.h"

namespace nalo {
namespace {

bool IsBracketIndex(int index) {
  return index >= 0 && static_cast<std::size_t>(index) < BracketPairs.size();
}

// Deletes the brackets with their content: from the first opening bracket through
// the first closing one, or from the start of the name when first-only.
std::string DeleteBracketGroup(std::string_view name, int p, int q, int old_index,
                               bool first_only) {
  const int e = q + (old_index > 4 ? 1 : 0);  // last byte of the closing bracket
  const int from = first_only ? 1 : p;
  if ((first_only && (p != 1 || e <= 1)) || e <= from) return std::string(name);
  std::string out(name.substr(0, static_cast<std::size_t>(from - 1)));
  out.append(name.substr(static_cast<std::size_t>(e)));
  return out;
}

std::string SwapBrackets(std::string_view name, const TBracketPair& old_pair,
                         std::string_view new_open, std::string_view new_close,
                         bool first_only) {
  const std::string opened = ReplaceInName(name, old_pair.Open, new_open, !first_only, false);
  return ReplaceInName(opened, old_pair.Close, new_close, !first_only, false);
}

// The string and space sub-rules do not consult the exclusion condition; only the
// bracket sub-rule does, on the replaced name.
TRuleResult RunChosenReplace(const TRuleContext& ctx, const TTabStatus_Okikae& status) {
  TFamilyRun family{kOkReplace, TExclusionStep::kNone, TRowAcceptance::kWhenChanged, false};
  if (status.Kind == kReplaceKindBrackets) {
    family.Exclusion = TExclusionStep::kSkipOnNewName;
    family.Acceptance = TRowAcceptance::kAlways;
    return RunRuleLoop(ctx, family, [&status](const TListData& entry, std::size_t) {
      return ReplaceBracketsIn(entry.Name, status);
    });
  }
  const bool string_rule = status.Kind == kReplaceKindString;
  const std::string old_text = string_rule ? status.StringOld : status.SpaceOld;
  const std::string new_text = string_rule ? status.StringNew : SpaceReplacementText(status);
  const bool first_only = string_rule ? status.StringFirstOnly : status.SpaceFirstOnly;
  const bool ignore_case = !(string_rule ? status.StringCase : status.SpaceCase);
  return RunRuleLoop(ctx, family, [&](const TListData& entry, std::size_t) {
    return std::optional<std::string>(
        ReplaceInName(entry.Name, old_text, new_text, !first_only, ignore_case));
  });
}

}  // namespace

std::string_view ValidateReplaceRule(const TTabStatus_Okikae& status) {
  switch (status.Kind) {
    case kReplaceKindBrackets: {
      const std::string_view old_text = ItemText(kBracketOldItems, status.KakkoOldIdx);
      const std::string_view new_text = ItemText(kBracketNewItems, status.KakkoNewIdx);
      if (old_text == new_text) return kMsgSameReplacement;
      if (old_text.empty() || new_text.empty()) return kMsgNoString;
      return {};
    }
    case kReplaceKindString:
      if (status.StringOld == status.StringNew) return kMsgSameReplacement;
      if (status.StringOld.empty() || status.StringNew.empty()) return kMsgNoString;
      return {};
    case kReplaceKindSpaces:
      if (status.SpaceOld.empty()) return kMsgNoString;
      return {};
    default:
      return {};
  }
}

std::optional<std::string> ReplaceBracketsIn(std::string_view name,
                                             const TTabStatus_Okikae& status) {
  if (!IsBracketIndex(status.KakkoOldIdx)) return std::nullopt;
  const TBracketPair& old_pair = BracketPairs[static_cast<std::size_t>(status.KakkoOldIdx)];
  const int p = FindInName(old_pair.Open, name);
  const int q = FindInName(old_pair.Close, name);
  if (p == 0 || q == 0) return std::nullopt;
  // First-only accepts only a name that opens with the bracket.
  if (status.KakkoFirstOnly && p != 1) return std::nullopt;
  const int new_index = status.KakkoNewIdx;
  if (new_index == kBracketDeleteWithContent) {
    return DeleteBracketGroup(name, p, q, status.KakkoOldIdx, status.KakkoFirstOnly);
  }
  std::string_view new_open, new_close;  // empty for kBracketDeleteOnly
  if (IsBracketIndex(new_index)) {
    new_open = BracketPairs[static_cast<std::size_t>(new_index)].Open;
    new_close = BracketPairs[static_cast<std::size_t>(new_index)].Close;
  } else if (new_index != kBracketDeleteOnly) {
    return std::nullopt;
  }
  return SwapBrackets(name, old_pair, new_open, new_close, status.KakkoFirstOnly);
}

std::string SpaceReplacementText(const TTabStatus_Okikae& status) {
  const bool wide = status.SpaceWide;
  const int count =
      std::clamp(wide ? status.SpaceWideCount : status.SpaceHankakuCount, 0, kMaxSpaceCount);
  const std::string_view space = wide ? std::string_view("\x81\x40") : std::string_view(" ");
  std::string out;
  for (int i = 0; i < count; ++i) out.append(space);
  return out;
}

TRuleResult RunReplaceRule(const TRuleContext& ctx, const TTabStatus_Okikae& status) {
  if (NothingSelected(ctx)) return MessageResult(kMsgNoSelection);
  if (status.Kind < kReplaceKindBrackets || status.Kind > kReplaceKindSpaces) {
    return SilentResult();  // no sub-rule chosen: nothing happens
  }
  if (const std::string_view message = ValidateReplaceRule(status); !message.empty()) {
    return MessageResult(message);
  }
  return RunChosenReplace(ctx, status);
}

}  // namespace nalo
