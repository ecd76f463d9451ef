// Apply and undo from the entry list on a real folder holding every kind of name:
// each rename keeps every byte it does not change (a legacy name comes out in
// UTF-8), and undo puts back the exact bytes, the legacy name included.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "execution/apply_renames.h"
#include "execution/batch_fixture.h"
#include "execution/undo_batch.h"
#include "listing/list_folder.h"
#include "platform/encoding.h"
#include "rules/rule_run.h"

namespace nalo {
namespace {

using testing::TTempFolder;

std::vector<std::string> NamesIn(const TTempFolder& dir) {
  std::vector<std::string> names;
  for (const auto& [name, content] : dir.Contents()) names.push_back(name);
  return names;
}

TEST(EveryNameApply, RenameAndUndoKeepTheExactBytes) {
  TTempFolder dir;
  const std::string legacy = "\x95\x5C\x83\x5C.txt";  // 表ソ.txt in legacy bytes
  const std::map<std::string, std::string> names = {
      {"caf\xC3\xA9.txt", "X_caf\xC3\xA9.txt"},
      {"\xE2\x88\x92"
       "1\xE3\x80\x9C.txt",
       "X_\xE2\x88\x92"
       "1\xE3\x80\x9C.txt"},
      {"\xEE\x80\x80pua.txt", "X_\xEE\x80\x80pua.txt"},  // a private-use character
      {legacy, "X_\xE8\xA1\xA8\xE3\x82\xBD.txt"},
      {"b\xFF\xFE.txt", "X_b\xFF\xFE.txt"},
  };
  for (const auto& [name, renamed] : names) dir.Write(name, name);
  TListingState state;
  TEntryList entries;
  TListFolderRequest request;
  request.Folder = *Utf8ToCp932(dir.Path());
  ASSERT_TRUE(ListFolder(request, {}, state, entries).Listed);
  ASSERT_EQ(entries.Count(), names.size());

  TConfirmationList rows;
  for (std::size_t i = 0; i < entries.Count(); ++i) {
    AddConfirmationRow(rows, i, "X_" + entries.EntryAt(i).Name);
  }
  const TApplyResult applied = ApplyRenames(entries, rows, {}, {});
  EXPECT_EQ(applied.Renamed, names.size()) << applied.Message;
  std::vector<std::string> expected;
  for (const auto& [name, renamed] : names) expected.push_back(renamed);
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(NamesIn(dir), expected);
  for (const TListData& e : entries.Items()) EXPECT_FALSE(e.Legacy);

  const TUndoResult undone = UndoLastBatch(entries, {}, {});
  EXPECT_EQ(undone.Restored, names.size()) << (undone.Messages.empty() ? "" : undone.Messages[0]);
  for (const auto& [name, renamed] : names) EXPECT_EQ(dir.Read(name), name);
  std::size_t legacy_entries = 0;
  for (const TListData& e : entries.Items()) legacy_entries += e.Legacy ? 1 : 0;
  EXPECT_EQ(legacy_entries, 1u);
}

}  // namespace
}  // namespace nalo
