// The shared rule loop and its helpers. The loop asks the family for each target's
// new name, applies the family's exclusion step and the trim option, and adds a row
// when the family's acceptance says so. A guard object pairs begin_rule_run with
// end_rule_run so that the front end's busy state is undone on every way out.
#include "rules/rule_run.h"

#include <utility>

#include "text/name_text.h"

namespace nalo {
namespace {

// Calls end_rule_run when the walk ends, however it ends.
class TRuleRunGuard {
 public:
  explicit TRuleRunGuard(const TRuleContext& ctx) : ctx_(ctx) {
    if (ctx_.BeginRuleRun) ctx_.BeginRuleRun();
  }
  ~TRuleRunGuard() {
    if (ctx_.EndRuleRun) ctx_.EndRuleRun();
  }
  TRuleRunGuard(const TRuleRunGuard&) = delete;
  TRuleRunGuard& operator=(const TRuleRunGuard&) = delete;

 private:
  const TRuleContext& ctx_;
};

bool IsTarget(const TRuleContext& ctx, std::size_t index) {
  if (ctx.Selection == nullptr) return true;
  return index < ctx.Selection->size() && (*ctx.Selection)[index];
}

bool IsEntryExcluded(const TRuleContext& ctx, const TFamilyRun& family, const TListData& entry,
                     std::string_view new_name) {
  switch (family.Exclusion) {
    case TExclusionStep::kNone:
      return false;
    case TExclusionStep::kRevertToOld: return IsExcluded(ctx.Exclusion, entry.Name);
    case TExclusionStep::kSkipOnNewName: return IsExcluded(ctx.Exclusion, new_name);
  }
  return false;
}

// Runs the exclusion, trim and acceptance steps for one computed name; returns true
// when a row was added.
bool FinishEntry(const TRuleContext& ctx, const TFamilyRun& family, std::size_t index,
                 std::string new_name, bool excluded, TConfirmationList& rows) {
  const TListData& entry = ctx.Entries.EntryAt(index);
  if (excluded && family.Exclusion == TExclusionStep::kSkipOnNewName) return false;
  if (excluded) new_name = entry.Name;
  if (ctx.Trim || family.AlwaysTrim) new_name = TrimNameParts(new_name);
  if (family.Acceptance == TRowAcceptance::kWhenChanged && new_name == entry.Name) return false;
  AddConfirmationRow(rows, index, std::move(new_name));
  return true;
}

// Returns false when stop_before ended the walk early.
bool WalkEntries(const TRuleContext& ctx, const TFamilyRun& family, const TNameStep& step,
                 TConfirmationList& rows) {
  std::size_t numbered = 0;
  const std::size_t count = ctx.Entries.Count();
  for (std::size_t i = 0; i < count; ++i) {
    if (ctx.StopBefore && ctx.StopBefore(i)) return false;
    if (!IsTarget(ctx, i)) continue;
    const TListData& entry = ctx.Entries.EntryAt(i);
    std::optional<std::string> new_name = step(entry, numbered);
    if (!new_name) continue;
    const bool excluded = IsEntryExcluded(ctx, family, entry, *new_name);
    if (FinishEntry(ctx, family, i, std::move(*new_name), excluded, rows) && !excluded) {
      ++numbered;
    }
  }
  return true;
}

}  // namespace

bool NothingSelected(const TRuleContext& ctx) {
  if (ctx.Selection == nullptr) return false;
  for (bool selected : *ctx.Selection) {
    if (selected) return false;
  }
  return true;
}

TRuleResult MessageResult(std::string_view message) {
  TRuleResult result;
  result.Message = std::string(message);
  return result;
}

TRuleResult SilentResult() {
  TRuleResult result;
  result.Silent = true;
  return result;
}

void AddConfirmationRow(TConfirmationList& rows, std::size_t entry_index, std::string new_name) {
  rows.push_back({static_cast<std::uint32_t>(entry_index), false, std::move(new_name)});
}

TRuleResult RunRuleLoop(const TRuleContext& ctx, const TFamilyRun& family,
                        const TNameStep& step) {
  TRuleResult result;
  result.OkCaption = std::string(family.OkButton.Caption);
  result.OkHint = std::string(family.OkButton.Hint);
  try {
    TRuleRunGuard guard(ctx);
    result.Stopped = !WalkEntries(ctx, family, step, result.Rows);
  } catch (const EInfoReadError& error) {
    // A half-filled list must never be applied: drop every row of this run.
    result.Rows.clear();
    result.Message = error.what();
  }
  return result;
}

}  // namespace nalo
