// The entry record: shared folder texts and the texts derived from numbers.
#include "listing/list_data.h"

#include <gtest/gtest.h>

#include "listing/size_units.h"

namespace nalo {
namespace {

TEST(ListData, EntriesOfOneFolderShareItsTextUntilOneMoves) {
  const TFolderText folder("/photos/");
  TListData a, b;
  a.Location = folder;
  a.Name = "a.jpg";
  b.Location = folder;
  b.Name = "b.jpg";
  EXPECT_TRUE(a.Location.SameTextAs(b.Location));
  EXPECT_EQ(a.FullPath(), "/photos/a.jpg");

  a.SetPath("/photos/c.jpg");  // same folder: the shared text stays
  EXPECT_EQ(a.Name, "c.jpg");
  EXPECT_TRUE(a.Location.SameTextAs(b.Location));

  a.SetPath("/other/c.jpg");  // another folder: only this entry changes
  EXPECT_EQ(a.Location, "/other/");
  EXPECT_EQ(b.Location, "/photos/");
  EXPECT_EQ(b.FullPath(), "/photos/b.jpg");

  a.SetPath("bare");  // no folder part at all
  EXPECT_EQ(a.Location, "");
  EXPECT_EQ(a.FullPath(), "bare");
}

TEST(ListData, SizeAndDateTextsFollowTheNumbers) {
  TListData e;
  e.Size = 1536;
  EXPECT_EQ(e.SizeText(), "1,536");
  e.SizeUnit = kUnitKB;
  EXPECT_EQ(e.SizeText(), "2");
  e.FolderMode = true;
  EXPECT_EQ(e.SizeText(), std::string(kFolderSizeText));
  e.Modified = 40000.75;  // 2009/07/06 18:00
  EXPECT_EQ(e.DateText(), "2009/07/06 18:00");
}

}  // namespace
}  // namespace nalo
