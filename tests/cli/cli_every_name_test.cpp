// A folder holding every kind of name a Linux disk has, under a path that code
// page 932 cannot write either: each name is listed, renamed keeping every other
// byte, and undone to its exact bytes; the case and replace rules treat é as a
// letter; --fix-encoding touches the legacy name only.
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/cli_fixture.h"

namespace nalo::cli::test {
namespace {

using Names = std::vector<std::string>;

const std::string kFolder = "d/Pok\xC3\xA9mon\xE3\x80\x9C";  // Pokémon〜
const std::string kLegacy = "\x83\x65\x83\x58\x83\x67.txt";  // テスト.txt in legacy bytes
const std::string kLegacyInUtf8 = "\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88.txt";
const Names kNames = {
    "caf\xC3\xA9.txt",  // é
    "a\xE3\x80\x9C"
    "b.txt",  // U+301C
    "\xE2\x88\x92"
    "1.txt",                         // U+2212
    "smile\xF0\x9F\x98\x80.txt",     // emoji
    "\xED\x95\x9C\xEA\xB8\x80.txt",  // Hangul
    "plain.txt",
    kLegacy,
    "bytes\xFF\xFE.txt",  // neither UTF-8 nor code page 932
};

class TEveryNameTest : public TCliTest {
 protected:
  void SetUp() override {
    TCliTest::SetUp();
    ASSERT_EQ(mkdir((Root() + "/" + kFolder).c_str(), 0755), 0);
    for (const std::string& name : kNames)
      std::ofstream(Root() + "/" + kFolder + "/" + name) << name;
  }
  Names Here() const {
    Names names;
    for (const auto& e : std::filesystem::directory_iterator(Root() + "/" + kFolder)) {
      names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  static Names Sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(TEveryNameTest, ListShowsEveryNameAndMarksTheLegacyOne) {
  const TCliRun list = Run({"list", kFolder});
  EXPECT_EQ(list.Code, 0) << list.Err;
  EXPECT_EQ(list.Err, "");
  EXPECT_EQ(Lines(list.Out).size(), kNames.size());
  for (const char* shown : {"caf\xC3\xA9.txt\t",
                            "\xE2\x88\x92"
                            "1.txt\t",
                            "smile\xF0\x9F\x98\x80.txt\t", "bytes\xEF\xBF\xBD\xEF\xBF\xBD.txt\t"}) {
    EXPECT_NE(list.Out.find(shown), std::string::npos) << shown;
  }
  EXPECT_NE(list.Out.find(kLegacyInUtf8 + "\t"), std::string::npos);

  const TCliRun json = Run({"list", kFolder, "--format", "json"});
  EXPECT_EQ(json.Code, 0) << json.Err;
  EXPECT_NE(json.Out.find("\"name\":\"" + kLegacyInUtf8 + "\""), std::string::npos) << json.Out;
  EXPECT_EQ(json.Out.find("\"encoding\":\"cp932\""), json.Out.rfind("\"encoding\":\"cp932\""));
  EXPECT_NE(json.Out.find("\"encoding\":\"cp932\""), std::string::npos);
}

TEST_F(TEveryNameTest, ApplyKeepsEveryOtherByteAndUndoRestoresThem) {
  const TCliRun apply = Run({"apply", kFolder, "--add", "X_", "--at", "start", "--yes"});
  EXPECT_EQ(apply.Code, 0) << apply.Err;
  Names expected;
  for (const std::string& name : kNames)
    expected.push_back("X_" + (name == kLegacy ? kLegacyInUtf8 : name));
  EXPECT_EQ(Here(), Sorted(expected));
  EXPECT_EQ(Content("../" + kFolder + "/X_bytes\xFF\xFE.txt"), "bytes\xFF\xFE.txt");

  const TCliRun undo = Run({"undo", "--yes"});
  EXPECT_EQ(undo.Code, 0) << undo.Err;
  EXPECT_EQ(Here(), Sorted(kNames));
  EXPECT_EQ(Content("../" + kFolder + "/" + kLegacy), kLegacy);
}

TEST_F(TEveryNameTest, CaseAndReplaceRulesSeeTheLetters) {
  const TCliRun upper = Run({"preview", kFolder, "--name-case", "upper"});
  EXPECT_EQ(upper.Code, 0) << upper.Err;
  EXPECT_NE(upper.Out.find("\tCAF\xC3\x89.txt\t"), std::string::npos) << upper.Out;
  EXPECT_NE(upper.Out.find("\tA\xE3\x80\x9C"
                           "B.txt\t"),
            std::string::npos)
      << upper.Out;
  EXPECT_NE(upper.Out.find("\tSMILE\xF0\x9F\x98\x80.txt\t"), std::string::npos) << upper.Out;

  const TCliRun replace = Run({"apply", kFolder, "--replace", "\xC3\xA9", "e", "--yes"});
  EXPECT_EQ(replace.Code, 0) << replace.Err;
  const Names here = Here();
  EXPECT_EQ(std::count(here.begin(), here.end(), "cafe.txt"), 1);
}

TEST_F(TEveryNameTest, FixEncodingRenamesOnlyTheLegacyName) {
  const TCliRun fix = Run({"apply", kFolder, "--fix-encoding", "--yes"});
  EXPECT_EQ(fix.Code, 0) << fix.Err;
  EXPECT_EQ(Lines(fix.Out).size(), 1u) << fix.Out;
  Names expected = kNames;
  std::replace(expected.begin(), expected.end(), kLegacy, kLegacyInUtf8);
  EXPECT_EQ(Here(), Sorted(expected));
  EXPECT_EQ(Run({"preview", kFolder, "--fix-encoding"}).Code, 1);  // nothing left to convert
}

}  // namespace
}  // namespace nalo::cli::test
