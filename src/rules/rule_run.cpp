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
    if (ctx_.begin_rule_run) ctx_.begin_rule_run();
  }
  ~TRuleRunGuard() {
    if (ctx_.end_rule_run) ctx_.end_rule_run();
  }
  TRuleRunGuard(const TRuleRunGuard&) = delete;
  TRuleRunGuard& operator=(const TRuleRunGuard&) = delete;

 private:
  const TRuleContext& ctx_;
};

bool IsTarget(const TRuleContext& ctx, std::size_t index) {
  if (ctx.selection == nullptr) return true;
  return index < ctx.selection->size() && (*ctx.selection)[index];
}

bool IsEntryExcluded(const TRuleContext& ctx, const TFamilyRun& family, const TListData& entry,
                     std::string_view new_name) {
  switch (family.exclusion) {
    case TExclusionStep::kNone:
      return false;
    case TExclusionStep::kRevertToOld:
      return IsExcluded(ctx.exclusion, entry.Name);
    case TExclusionStep::kSkipOnNewName:
      return IsExcluded(ctx.exclusion, new_name);
  }
  return false;
}

// Runs the exclusion, trim and acceptance steps for one computed name; returns true
// when a row was added.
bool FinishEntry(const TRuleContext& ctx, const TFamilyRun& family, const TListData& entry,
                 std::string new_name, bool excluded, TConfirmationList& rows) {
  if (excluded && family.exclusion == TExclusionStep::kSkipOnNewName) return false;
  if (excluded) new_name = entry.Name;
  if (ctx.trim || family.always_trim) new_name = TrimNameParts(new_name);
  if (family.acceptance == TRowAcceptance::kWhenChanged && new_name == entry.Name) return false;
  AddConfirmationRow(rows, entry, std::move(new_name));
  return true;
}

// Returns false when stop_before ended the walk early.
bool WalkEntries(const TRuleContext& ctx, const TFamilyRun& family, const TNameStep& step,
                 TConfirmationList& rows) {
  std::size_t numbered = 0;
  const std::size_t count = ctx.entries.Count();
  for (std::size_t i = 0; i < count; ++i) {
    if (ctx.stop_before && ctx.stop_before(i)) return false;
    if (!IsTarget(ctx, i)) continue;
    const TListData& entry = ctx.entries.EntryAt(i);
    std::optional<std::string> new_name = step(entry, numbered);
    if (!new_name) continue;
    const bool excluded = IsEntryExcluded(ctx, family, entry, *new_name);
    if (FinishEntry(ctx, family, entry, std::move(*new_name), excluded, rows) && !excluded) {
      ++numbered;
    }
  }
  return true;
}

}  // namespace

bool NothingSelected(const TRuleContext& ctx) {
  if (ctx.selection == nullptr) return false;
  for (bool selected : *ctx.selection) {
    if (selected) return false;
  }
  return true;
}

TRuleResult MessageResult(std::string_view message) {
  TRuleResult result;
  result.message = std::string(message);
  return result;
}

TRuleResult SilentResult() {
  TRuleResult result;
  result.silent = true;
  return result;
}

bool IsExcluded(const TExclusion& exclusion, std::string_view name) {
  if (!exclusion.enabled || exclusion.text.empty()) return false;
  if (exclusion.case_sensitive) return FindInName(exclusion.text, name) > 0;
  return FindInName(UpperCaseName(exclusion.text), UpperCaseName(name)) > 0;
}

std::string_view FolderOf(std::string_view full_path) {
  const std::size_t slash = full_path.rfind('/');
  if (slash == std::string_view::npos) return {};
  if (slash == 0) return full_path.substr(0, 1);  // an item of the root folder
  return full_path.substr(0, slash);
}

void AddConfirmationRow(TConfirmationList& rows, const TListData& entry, std::string new_name) {
  TConfirmationRow row;
  row.OldName = entry.Name;
  row.NewName = std::move(new_name);
  row.OldFullPath = entry.FullPath();
  row.Folder = std::string(FolderOf(row.OldFullPath));
  rows.push_back(std::move(row));
}

TRuleResult RunRuleLoop(const TRuleContext& ctx, const TFamilyRun& family,
                        const TNameStep& step) {
  TRuleResult result;
  result.ok_caption = std::string(family.ok_button.Caption);
  result.ok_hint = std::string(family.ok_button.Hint);
  try {
    TRuleRunGuard guard(ctx);
    result.stopped = !WalkEntries(ctx, family, step, result.rows);
  } catch (const EInfoReadError& error) {
    // A half-filled list must never be applied: drop every row of this run.
    result.rows.clear();
    result.message = error.what();
  }
  return result;
}

}  // namespace nalo
