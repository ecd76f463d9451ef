// The preview computation: the first part holds exactly the rows of the entries
// before the last visible one, rows find their entries again, only clashes
// certain within a part are marked, and a stop gives nothing.
#include "execution/preview_worker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nalo {
namespace {

const TFamilyRun kFamily{kOkAdd, TExclusionStep::kRevertToOld, TRowAcceptance::kWhenChanged, false};

// Entries of a folder that does not exist; "keep" names get no row, the others
// lose their first character, so "xa" and "ya" both become "a".
TPreviewRequest Request(const std::vector<std::string>& names, std::size_t first_part) {
  auto list = std::make_shared<TEntryList>();
  for (const std::string& name : names) {
    TListData entry;
    entry.Name = name;
    entry.Location = TFolderText("/nonexistent-nalo-test/");
    list->Add(std::move(entry));
  }
  TPreviewRequest request;
  request.Generation = 7;
  request.Entries = list;
  request.FirstPart = first_part;
  request.Job = [](const TRuleContext& ctx) {
    return RunRuleLoop(ctx, kFamily,
                       [](const TListData& e, std::size_t) -> std::optional<std::string> {
                         if (e.Name.starts_with("keep")) return std::nullopt;
                         return e.Name.substr(1);
                       });
  };
  return request;
}

TEST(PreviewWorker, PartsRowsAndMarks) {
  struct TCase {
    bool first_part;
    std::vector<std::int32_t> row_of_entry;
    std::vector<TRowClash> clashes;
  };
  const std::vector<std::string> names = {"xa", "keep", "ya", "z/", "xb"};
  const TCase cases[] = {
      {true, {0, -1, 1, -1, -1}, {TRowClash::kNone, TRowClash::kDuplicate}},
      {false,
       {0, -1, 1, 2, 3},
       {TRowClash::kNone, TRowClash::kDuplicate, TRowClash::kInvalid, TRowClash::kNone}},
  };
  for (const TCase& c : cases) {
    const std::optional<TPreviewResult> result =
        ComputePreview(Request(names, 3), c.first_part, [] { return false; });
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->Generation, 7u);
    EXPECT_EQ(result->Complete, !c.first_part);
    EXPECT_EQ(result->RowOfEntry, c.row_of_entry) << c.first_part;
    EXPECT_EQ(result->Clashes, c.clashes) << c.first_part;
  }
}

TEST(PreviewWorker, AStopGivesNothing) {
  int asked = 0;
  EXPECT_FALSE(ComputePreview(Request({"xa", "xb", "xc"}, 0), false, [&] { return ++asked == 2; }));
  EXPECT_EQ(asked, 2);  // the walk ended at the second entry
}

}  // namespace
}  // namespace nalo
