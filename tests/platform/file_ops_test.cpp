// The file operations on a real temporary folder: refused names, renames that
// never replace, link-safe removal and trash info encoding.
#include "platform/file_ops.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "platform/trash.h"
#include "support/temp_folder.h"

namespace nalo {
namespace {

using testing::TTempFolder;

TEST(FileOps, NewNameChecks) {
  struct Case {
    const char* label;
    std::string name;
    NameRefusal expected;
  };
  const Case cases[] = {
      {"plain", "a.txt", NameRefusal::kNone},
      {"sjis-trail-5c", "\x83\x5C.txt", NameRefusal::kNone},  // ソ
      {"semicolon-allowed", "a;b", NameRefusal::kNone},
      {"empty", "", NameRefusal::kInvalid},
      {"dot", ".", NameRefusal::kInvalid},
      {"dotdot", "..", NameRefusal::kInvalid},
      {"backslash", "a\\b", NameRefusal::kInvalid},
      {"star", "a*", NameRefusal::kInvalid},
      {"quote", "a\"b", NameRefusal::kInvalid},
      {"lt", "<a", NameRefusal::kInvalid},
      {"del", "a\x7F", NameRefusal::kInvalid},
      {"nul", std::string("a\0b", 3), NameRefusal::kInvalid},
      {"lone-lead-byte", "a\x81", NameRefusal::kInvalid},
      {"255-bytes", std::string(255, 'x'), NameRefusal::kNone},
      {"256-bytes", std::string(256, 'x'), NameRefusal::kTooLong},
      {"86-kanji-is-258-utf8", [] { std::string s; for (int i = 0; i < 86; ++i) s += "\x95\x5C"; return s; }(),
       NameRefusal::kTooLong},
  };
  for (const Case& c : cases) EXPECT_EQ(CheckNewName(c.name), c.expected) << c.label;
}

TEST(FileOps, RenameNeverReplaces) {
  TTempFolder dir;
  dir.Write("a", "a");
  dir.Write("b", "b");
  dir.MakeFolder("d");
  EXPECT_EQ(RenameNoReplace(dir.Path("a"), dir.Path("b")), EEXIST);
  EXPECT_EQ(RenameNoReplace(dir.Path("a"), dir.Path("d")), EEXIST);
  EXPECT_EQ(RenameNoReplace(dir.Path("missing"), dir.Path("c")), ENOENT);
  EXPECT_EQ(RenameNoReplace(dir.Path("a"), dir.Path("c")), 0);
  EXPECT_EQ(dir.Read("b"), "b");
  EXPECT_EQ(dir.Read("c"), "a");
}

TEST(FileOps, ReadOnlyMeansNobodyMayWrite) {
  TTempFolder dir;
  dir.Write("f", "");
  chmod(dir.Path("f").c_str(), 0444);
  EXPECT_TRUE(IdentityAt(dir.Path("f"))->IsReadOnly());
  ASSERT_EQ(ClearReadOnlyAt(kCurrentFolder, dir.Path("f").c_str(), 0444), 0);
  EXPECT_FALSE(IdentityAt(dir.Path("f"))->IsReadOnly());
  ASSERT_EQ(SetModeAt(kCurrentFolder, dir.Path("f").c_str(), 0444), 0);
  EXPECT_EQ(IdentityAt(dir.Path("f"))->Mode & 07777, 0444u);
  chmod(dir.Path("f").c_str(), 0464);
  EXPECT_FALSE(IdentityAt(dir.Path("f"))->IsReadOnly());  // the group may write
}

TEST(FileOps, RemoveDirectRemovesALinkNotItsTarget) {
  TTempFolder dir;
  dir.MakeFolder("target");
  dir.Write("target/f", "x");
  symlink(dir.Path("target").c_str(), dir.Path("link").c_str());
  EXPECT_EQ(RemoveDirect(dir.Path("link")), 0);
  EXPECT_EQ(dir.Read("target/f"), "x");
  EXPECT_EQ(RemoveDirect(dir.Path("nothing")), ENOENT);
}

TEST(Trash, PathIsPercentEncoded) {
  EXPECT_EQ(PercentEncodePath("/home/u/a b%.txt"), "/home/u/a%20b%25.txt");
  EXPECT_EQ(PercentEncodePath("/x/\xE8\xA1\xA8"), "/x/%E8%A1%A8");
}

TEST(Trash, TheTrashCannotGoIntoItself) {
  TTempFolder dir;
  setenv("XDG_DATA_HOME", dir.Path("xdg").c_str(), 1);
  dir.MakeFolder("xdg");
  EXPECT_EQ(MoveToTrash(dir.Path("xdg")), EINVAL);
  EXPECT_TRUE(dir.Exists("xdg"));
  unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace nalo
