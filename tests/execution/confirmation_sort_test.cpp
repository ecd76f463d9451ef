// The confirmation list's order: each column in both directions, ties by the
// present name, the problem column by kind, and the moves a view follows.
#include "execution/confirmation_sort.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/entries_of.h"

namespace nalo {
namespace {

using testing::EntriesOf;

// Entries b.txt in /x, a.txt in /z, C.txt in /y and B.txt in /x, one row each.
TEntryList SampleEntries() {
  return EntriesOf({{"/x/", "b.txt"}, {"/z/", "a.txt"}, {"/y/", "C.txt"}, {"/x/", "B.txt"}});
}

TConfirmationList SampleRows() {
  return {{0, false, "2"}, {1, false, "3"}, {2, false, "1"}, {3, false, "1"}};
}

std::string OldNames(const TEntryList& entries, const TConfirmationList& rows) {
  std::string names;
  for (const TConfirmationRow& r : rows) names += std::string(RowOldName(entries, r)) + " ";
  return names;
}

TEST(ConfirmationSort, OrdersByColumnAndDirectionWithTiesByThePresentName) {
  const std::vector<TRowClash> clashes = {TRowClash::kNone, TRowClash::kDuplicate,
                                          TRowClash::kExists, TRowClash::kNone};
  const struct {
    const char* Name;
    int Column;
    bool Ascending;
    const char* Order;
  } cases[] = {
      // Letter case does not order names; equal keys keep their row order.
      {"old/ascending", kOldNameColumn, true, "a.txt b.txt B.txt C.txt "},
      {"old/descending", kOldNameColumn, false, "C.txt b.txt B.txt a.txt "},
      {"new/ascending-ties-by-old", kNewNameColumn, true, "B.txt C.txt b.txt a.txt "},
      {"new/descending", kNewNameColumn, false, "a.txt b.txt C.txt B.txt "},
      {"folder/ascending-ties-by-old", kFolderColumn, true, "b.txt B.txt C.txt a.txt "},
      {"problem/by-kind", kProblemColumn, true, "b.txt B.txt C.txt a.txt "},
      {"problem/descending", kProblemColumn, false, "a.txt C.txt b.txt B.txt "},
  };
  const TEntryList entries = SampleEntries();
  for (const auto& c : cases) {
    TConfirmationList rows = SampleRows();
    const std::vector<std::size_t> moved =
        SortConfirmationRows(entries, rows, clashes, TConfirmationSort{c.Column, c.Ascending});
    EXPECT_EQ(OldNames(entries, rows), c.Order) << c.Name;
    // Each old row is found at its new position.
    const TConfirmationList before = SampleRows();
    for (std::size_t i = 0; i < before.size(); ++i) {
      EXPECT_EQ(rows[moved[i]].Entry, before[i].Entry) << c.Name << " row " << i;
    }
  }
}

// Rows of one folder follow each other and share their folder's key; the next
// folder gets its own.
TEST(ConfirmationSort, FolderRunsShareAKeyAndTieByThePresentName) {
  const TEntryList entries = EntriesOf(
      {{"/x/", "b.txt"}, {"/x/", "a.txt"}, {"/w/", "d.txt"}, {"/w/", "c.txt"}, {"/y/", "e.txt"}});
  TConfirmationList rows = {
      {0, false, "1"}, {1, false, "2"}, {2, false, "3"}, {3, false, "4"}, {4, false, "5"}};
  SortConfirmationRows(entries, rows, std::vector<TRowClash>(rows.size()),
                       TConfirmationSort{kFolderColumn, true});
  EXPECT_EQ(OldNames(entries, rows), "c.txt d.txt a.txt b.txt e.txt ");
}

TEST(ConfirmationSort, AClickOnTheSortColumnFlipsItAndAnotherColumnStartsAscending) {
  TConfirmationSort sort;  // a new list: old names, descending, until the first click
  sort.Click(kOldNameColumn);
  EXPECT_EQ(sort.Column, kOldNameColumn);
  EXPECT_TRUE(sort.Ascending);
  sort.Click(kOldNameColumn);
  EXPECT_FALSE(sort.Ascending);
  sort.Click(kFolderColumn);
  EXPECT_EQ(sort.Column, kFolderColumn);
  EXPECT_TRUE(sort.Ascending);
}

}  // namespace
}  // namespace nalo
