// The batch plan written while it is made: a plan that spans several blocks reads
// back step for step, and a plan that cannot start leaves nothing behind.
#include <gtest/gtest.h>

#include <string>

#include "execution/batch_fixture.h"
#include "execution/batch_journal.h"

namespace nalo {
namespace {

using testing::TTempFolder;

TEST(JournalPlan, StepsSpanningSeveralBlocksReadBackAsWritten) {
  // A name with every escaped character, a non-ASCII one and a plain one, so
  // records of unequal length fall across the block boundaries.
  const std::string names[] = {"tab\there\\back\nline\rcr", "\xE5\x86\x99\xE7\x9C\x9F.jpg", "a"};
  const struct {
    const char* label;
    std::size_t steps;
  } cases[] = {{"one block", 3}, {"several blocks", 3 * kJournalBlockBytes / 60}};
  for (const auto& c : cases) {
    TTempFolder dir;
    const std::string folder = dir.Path("d/");
    TJournalPlan plan(folder);
    ASSERT_EQ(plan.Begin(dir.Root()), 0) << c.label;
    for (std::size_t i = 0; i < c.steps; ++i) {
      const std::string& name = names[i % 3];
      plan.AddStep(7, 1000 + i, static_cast<TStepKind>(i % 3), folder, name + std::to_string(i),
                   folder, name);
    }
    ASSERT_EQ(plan.Commit(), 0) << c.label;
    const auto record = ReadJournalFile(JournalPath(dir.Root()));
    ASSERT_TRUE(record.has_value()) << c.label;
    EXPECT_EQ(record->Batch, plan.Batch()) << c.label;
    EXPECT_EQ(record->State, TJournalState::Planned) << c.label;
    EXPECT_FALSE(record->Damaged) << c.label;
    EXPECT_EQ(record->DamagedSteps, 0u) << c.label;
    ASSERT_EQ(record->Steps.size(), c.steps) << c.label;
    for (std::size_t i = 0; i < c.steps; ++i) {
      const TJournalStep& s = record->Steps[i];
      const std::string& name = names[i % 3];
      ASSERT_EQ(s.From, folder + name + std::to_string(i)) << c.label << " step " << i;
      ASSERT_EQ(s.To, folder + name) << c.label << " step " << i;
      ASSERT_EQ(s.Inode, 1000 + i) << c.label << " step " << i;
      ASSERT_EQ(s.Kind, static_cast<TStepKind>(i % 3)) << c.label << " step " << i;
    }
    const auto summary = ReadBatchSummary(JournalPath(dir.Root()));
    ASSERT_TRUE(summary.has_value()) << c.label;
    EXPECT_EQ(summary->Folder + "/", folder) << c.label;
    EXPECT_EQ(dir.Contents().size(), 1u) << c.label << ": only the journal, no temporary file";
  }
}

TEST(JournalPlan, APlanThatCannotStartLeavesNothing) {
  TTempFolder dir;
  TJournalPlan plan(dir.Path());
  EXPECT_NE(plan.Begin(dir.Path("no-such-folder")), 0);
  plan.AddStep(1, 2, TStepKind::Plain, dir.Path(), "a", dir.Path(), "b");
  EXPECT_NE(plan.Commit(), 0);
  EXPECT_TRUE(dir.Contents().empty());
}

}  // namespace
}  // namespace nalo
