// The run of one rename rule, shared by every rule family: target selection, the
// per-entry new name supplied by the family, the exclusion step, the trim option and
// one confirmation row per changed name. A family validates its own inputs, then
// hands RunRuleLoop a per-entry function; the loop never touches the disk.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "listing/exclusion.h"
#include "listing/list_data.h"
#include "rules/confirmation_row.h"
#include "rules/info_text_source.h"
#include "rules/rule_messages.h"

namespace nalo {

// Everything a rule run reads besides the tab's own record.
struct TRuleContext {
  explicit TRuleContext(const TEntryList& list) : Entries(list) {}

  const TEntryList& Entries;
  // Selected rows when only the selection is to be renamed (chk_SelectOnly); null
  // when every entry is a target. Indexes past its end count as not selected.
  const std::vector<bool>* Selection = nullptr;
  TExclusion Exclusion;
  bool Trim = true;            // trim spaces around base name and extension afterwards
  bool FolderMode = false;     // the entries are folders
  TInfoTextSource InfoSource;  // information texts of the add rule; may be empty
  // Called around the walk over the entries; end_rule_run also when the walk fails.
  std::function<void()> BeginRuleRun;
  std::function<void()> EndRuleRun;
  // Asked before each entry with its index; true ends the walk there, keeping the
  // rows of the entries before it. Null walks every entry.
  std::function<bool(std::size_t entry_index)> StopBefore;
};

// What a rule run gives its front end. When `message` is set nothing ran (or the run
// failed) and the front end shows the message. When `message` is empty and `rows`
// is empty, the front end shows kMsgNothingToRename, unless `silent` is set.
struct TRuleResult {
  std::string Message;     // UTF-8 message for the user; empty when rows are valid
  int ErrorPosition = 0;   // 1-based place of a faulty pattern character; 0 if none
  bool Silent = false;     // the rule chose to do nothing and show nothing
  TConfirmationList Rows;  // in entry-list order, at most one per entry
  std::string OkCaption;   // caption of the confirmation window's OK button
  std::string OkHint;      // its hint
  bool Stopped = false;    // stop_before ended the walk: `rows` covers only a prefix
};

// How a family applies the exclusion condition to a computed name.
enum class TExclusionStep {
  kNone,            // the condition is not consulted
  kRevertToOld,     // an excluded entry gets its old name back (trim still applies)
  kSkipOnNewName,   // the condition is tested on the computed name; a match gets no row
};

// How a family's row is accepted after the exclusion and trim steps.
enum class TRowAcceptance {
  kWhenChanged,  // a row only when the new name differs from the old (byte compare)
  kAlways,       // a row for every entry the family returned a name for
};

struct TFamilyRun {
  TOkButtonText OkButton;
  TExclusionStep Exclusion = TExclusionStep::kRevertToOld;
  TRowAcceptance Acceptance = TRowAcceptance::kWhenChanged;
  bool AlwaysTrim = false;  // trim whatever the context's trim option says
};

// The new name of one entry, or nothing when the entry gets no row. `numbered` is
// the count of rows added so far for entries that were not excluded; the numbering
// rule numbers by it so that skipped and excluded entries use up no number.
using TNameStep =
    std::function<std::optional<std::string>(const TListData& entry, std::size_t numbered)>;

// One rule with its record fixed, ready to run over any context (a front end's
// frame hands one out; it may run later or on another thread).
using TRuleJob = std::function<TRuleResult(const TRuleContext& ctx)>;

// True when only the selection is a target and nothing is selected.
bool NothingSelected(const TRuleContext& ctx);

// A result that carries only a message (validation failures and the like).
TRuleResult MessageResult(std::string_view message);
// A result that asks the front end to show nothing.
TRuleResult SilentResult();

// Appends the row of the entry at `entry_index` with its new name.
void AddConfirmationRow(TConfirmationList& rows, std::size_t entry_index, std::string new_name);

// Walks the target entries in list order between begin_rule_run and end_rule_run and
// returns the rows, up to where stop_before ends the walk. An EInfoReadError from a step ends the
// run: no rows, the error's text as the message. Selection and validation are the caller's to check
// first.
TRuleResult RunRuleLoop(const TRuleContext& ctx, const TFamilyRun& family,
                        const TNameStep& step);

}  // namespace nalo
