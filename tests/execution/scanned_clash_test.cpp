// The clash check of a listed folder answers from the names the scan read (every
// name, masked or not, of either kind) and the rename itself refuses what the scan
// could not see; a batch makes the folder's names out of date, so the check looks
// at the disk there afterwards.
#include <gtest/gtest.h>

#include "execution/apply_renames.h"
#include "execution/batch_fixture.h"
#include "execution/rename_preview.h"
#include "listing/list_folder.h"

namespace nalo {
namespace {

using testing::TTempFolder;

// The entries of `folder` (trailing "/" left off) under `mask`, listed as the
// front ends list them.
TEntryList Listed(const std::string& folder, const std::string& mask) {
  TListFolderRequest request;
  request.Folder = folder;
  request.ReadSizeAndDate = false;
  TTabStatus_Search search;
  search.ExtMask = mask;
  TListingState state;
  TEntryList entries;
  ListFolder(request, search, state, entries);
  return entries;
}

TConfirmationRow Row(const TEntryList& entries, const TTempFolder& dir, const std::string& from,
                     const std::string& to) {
  return testing::RowFor(entries, dir.Path("d/" + from), to);
}

std::vector<std::string_view> ClashNames(const TConfirmationList& rows, const TEntryList& entries) {
  std::vector<std::string_view> names;
  for (TRowClash clash : PreviewClashes(rows, entries)) names.push_back(ClashName(clash));
  return names;
}

TEST(ScannedClash, TargetsAreTakenByEveryNameTheScanRead) {
  TTempFolder dir;
  dir.MakeFolder("d");
  dir.MakeFolder("d/sub.txt");  // a folder: not listed in file mode
  for (const char* name : {"a.txt", "b.txt", "c.txt", "keep.jpg", "gone.jpg"}) {
    dir.Write(std::string("d/") + name, name);
  }
  TEntryList entries = Listed(dir.Path("d"), "*.txt");
  ASSERT_EQ(entries.Count(), 3u);
  ASSERT_NE(entries.EntryAt(0).Location.Names(), nullptr);
  dir.Write("d/late.txt", "late");              // made after the scan: the scan never saw it
  std::remove(dir.Path("d/gone.jpg").c_str());  // removed after the scan: free again
  struct Case {
    const char* from;
    const char* to;
    std::string_view clash;
  };
  const Case cases[] = {
      {"a.txt", "keep.jpg", "exists"},  // masked out, still taken
      {"b.txt", "sub.txt", "exists"},   // the other kind, still taken
      {"c.txt", "gone.jpg", ""},        // read by the scan, confirmed free on the disk
      {"c.txt", "late.txt", ""},        // not seen by the scan
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClashNames({Row(entries, dir, c.from, c.to)}, entries),
              std::vector<std::string_view>{c.clash})
        << c.from << " -> " << c.to;
  }
  // The rename itself refuses the target the scan did not see.
  TConfirmationList rows = {Row(entries, dir, "c.txt", "late.txt")};
  const TApplyResult r = ApplyRenames(entries, rows, {}, {});
  EXPECT_EQ(r.Failed, 1u);
  EXPECT_EQ(dir.Read("d/late.txt"), "late");
  EXPECT_EQ(dir.Read("d/c.txt"), "c.txt");
}

TEST(ScannedClash, ABatchMakesTheFolderNamesOutOfDate) {
  TTempFolder dir;
  dir.MakeFolder("d");
  for (const char* name : {"a.txt", "b.txt"}) dir.Write(std::string("d/") + name, name);
  TEntryList entries = Listed(dir.Path("d"), "*.*");
  TConfirmationList first = {Row(entries, dir, "a.txt", "new.txt")};
  ASSERT_EQ(ApplyRenames(entries, first, {}, {}).Renamed, 1u);
  for (const TListData& e : entries.Items()) EXPECT_EQ(e.Location.Names(), nullptr) << e.Name;
  EXPECT_EQ(ClashNames({Row(entries, dir, "b.txt", "new.txt")}, entries),
            std::vector<std::string_view>{"exists"});
  EXPECT_EQ(ClashNames({Row(entries, dir, "b.txt", "a.txt")}, entries),
            std::vector<std::string_view>{""});
}

}  // namespace
}  // namespace nalo
