// Helpers for the rule tests: entry lists built in memory from UTF-8 names (stored
// as CP932 the way the scan stores them), a context over them, and the new names of
// a result read back as UTF-8 so that expectations stay readable.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "listing/list_data.h"
#include "platform/encoding.h"
#include "rules/rule_run.h"

namespace nalo::testing {

// The CP932 form of a UTF-8 test text; fails the test when it has none.
inline std::string Sj(std::string_view utf8) {
  std::optional<std::string> cp932 = Utf8ToCp932(utf8);
  EXPECT_TRUE(cp932.has_value()) << "no CP932 form: " << utf8;
  return cp932.value_or(std::string());
}

inline std::string Utf8(std::string_view cp932) { return Cp932ToUtf8Lossy(cp932); }

inline TListData MakeEntry(std::string_view utf8_name, std::string_view folder = "/data/") {
  TListData entry;
  entry.Name = Sj(utf8_name);
  entry.Location = std::string(folder);
  return entry;
}

// An entry list and the context a front end would pass for it.
struct RuleFixture {
  TEntryList entries;
  std::vector<bool> selection;
  TRuleContext ctx{entries};

  explicit RuleFixture(std::initializer_list<std::string_view> utf8_names, bool trim = false) {
    for (std::string_view name : utf8_names) entries.Add(MakeEntry(name));
    ctx.Trim = trim;
  }
  void Select(std::initializer_list<std::size_t> rows) {
    selection.assign(entries.Count(), false);
    for (std::size_t row : rows) selection[row] = true;
    ctx.Selection = &selection;
  }
  void Exclude(std::string_view utf8_text, bool case_sensitive = false) {
    ctx.Exclusion = TExclusion{true, Sj(utf8_text), case_sensitive};
  }
};

// The new names of the rows, as UTF-8.
inline std::vector<std::string> NewNames(const TRuleResult& result) {
  std::vector<std::string> names;
  for (const TConfirmationRow& row : result.Rows) names.push_back(Utf8(row.NewName));
  return names;
}

// The old names of the rows made from `entries`, as UTF-8.
inline std::vector<std::string> OldNames(const TEntryList& entries, const TRuleResult& result) {
  std::vector<std::string> names;
  for (const TConfirmationRow& row : result.Rows) {
    names.push_back(Utf8(std::string(RowOldName(entries, row))));
  }
  return names;
}

using Names = std::vector<std::string>;

}  // namespace nalo::testing
