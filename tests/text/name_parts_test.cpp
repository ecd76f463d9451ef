// Base name and extension split and trimming of both parts.
#include <gtest/gtest.h>

#include "sj.h"
#include "text/name_text.h"

namespace nalo {
namespace {

using test::Sj;

TEST(NameParts, BaseAndExtension) {
  struct Row {
    const char* name;
    std::string input, base, ext;
  };
  const Row rows[] = {
      {"ext/simple", "a.txt", "a", ".txt"},
      {"ext/dotfile", ".profile", "", ".profile"},
      {"ext/folder-version", "v1.5", "v1", ".5"},
      {"ext/no-dot", "noext", "noext", ""},
      {"ext/last-dot", "a.b.c", "a.b", ".c"},
      {"ext/trailing-dot", "a.", "a", "."},
      {"ext/empty", "", "", ""},
      {"ext/double-byte-base", Sj("表.txt"), Sj("表"), ".txt"},
      // A "." that is the second byte of an invalid pair is not a dot.
      {"ext/dot-as-trail", "a.b\x81.", "a", ".b\x81."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(BaseNameOf(row.input), row.base);
    EXPECT_EQ(ExtensionOf(row.input), row.ext);
  }
}

TEST(NameParts, TrimNameParts) {
  struct Row {
    const char* name;
    std::string input, expected;
  };
  const Row rows[] = {
      {"trim/both-parts", " a b .txt ", "a b.txt"},
      {"trim/spaced", " a .txt", "a.txt"},
      {"trim/control-codes", "\t\x01x\x1F.e\n", "x.e"},
      {"trim/fullwidth-space-kept", Sj("　a　.txt"), Sj("　a　.txt")},
      {"trim/no-ext", "  name  ", "name"},
      {"trim/only-blanks", "   ", ""},
      {"trim/ext-only", ". txt ", ". txt"},
      // 0x81 0x20 is one (invalid) character; trimming must not leave a lone lead byte.
      {"trim/space-as-trail", "a\x81 .txt", "a\x81 .txt"},
      {"trim/so-kept", Sj(" ソ "), Sj("ソ")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(TrimNameParts(row.input), row.expected);
  }
}

}  // namespace
}  // namespace nalo
