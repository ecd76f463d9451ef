// TIniFile: profile-function reading (quotes, blanks, case, defaults), list
// writing with its shrink rule, preservation of comments, and saving to a real
// temporary folder, including saves that fail and must leave the old file intact.
#include "settings/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/encoding.h"
#include "support/temp_folder.h"

namespace nalo {
namespace {

using nalo::testing::CountFilesIn;
using nalo::testing::ReadFile;
using nalo::testing::TTempFolder;
using nalo::testing::WriteFile;
using Strings = std::vector<std::string>;

TEST(IniRead, StringsAsTheProfileFunctionsReadThem) {
  const TIniFile ini = TIniFile::FromText(
      "[Opt]\r\n"
      "   Value0 = \"  x\"  \r\n"
      "single='y '\r\n"
      "bare=  z  \r\n"
      "empty=\r\n"
      "inner=\"a\"b\"\r\n");
  const struct {
    const char* key;
    const char* expected;
  } cases[] = {
      {"Value0", "  x"}, {"single", "y "}, {"bare", "z"}, {"empty", ""}, {"inner", "a\"b"},
      {"VALUE0", "  x"}, {" value0 ", "  x"},
  };
  for (const auto& c : cases) EXPECT_EQ(ini.ReadString("opt", c.key, "fallback"), c.expected) << c.key;
  EXPECT_EQ(ini.ReadString("Opt", "missing", "fallback"), "fallback");
  EXPECT_EQ(ini.ReadString("Missing", "Value0", "fallback"), "fallback");
  EXPECT_FALSE(ini.ReadRaw("Opt", "missing").has_value());
}

TEST(IniRead, NumbersFallBackWhenMissingOrNotANumber) {
  const TIniFile ini = TIniFile::FromText(
      "[N]\nint=42\nquoted=\"5\"\ngarbage=12abc\nword=abc\nnothing=\n"
      "t=1\nf=0\ntwo=2\nyes=yes\nday=37578.25\nbadday=today\n");
  const struct {
    const char* key;
    long long expected;
  } ints[] = {{"int", 42}, {"quoted", 5}, {"garbage", 12}, {"word", -1}, {"nothing", -1}, {"absent", -1}};
  for (const auto& c : ints) EXPECT_EQ(ini.ReadInteger("N", c.key, -1), c.expected) << c.key;

  EXPECT_TRUE(ini.ReadBool("N", "t", false));
  EXPECT_FALSE(ini.ReadBool("N", "f", true));
  EXPECT_TRUE(ini.ReadBool("N", "two", false)) << "non-zero is true";
  EXPECT_TRUE(ini.ReadBool("N", "yes", true)) << "not a number gives the default";
  EXPECT_FALSE(ini.ReadBool("N", "yes", false));

  EXPECT_EQ(ini.ReadDateTime("N", "day", 1.0), 37578.25);
  EXPECT_EQ(ini.ReadDateTime("N", "badday", 1.0), 1.0);
  EXPECT_EQ(ini.ReadDateTime("N", "absent", 1.0), 1.0);
}

TEST(IniRead, SectionsAndKeysInFileOrderWithoutRegardToCase) {
  const TIniFile ini = TIniFile::FromText(
      "; heading comment\n[Zeta]\nb=1\na=2\n[alpha]\nk=v\n[ZETA]\nc=3\n");
  EXPECT_EQ(ini.SectionNames(), (Strings{"Zeta", "alpha"}));
  EXPECT_EQ(ini.KeyNames("zeta"), (Strings{"b", "a"})) << "the first section of a name is read";
  EXPECT_EQ(ini.KeyNames("beta"), Strings{});
}

TEST(IniRead, ListsTakeEveryKeyWhateverItsNameAndSkipEmptyValues) {
  const TIniFile ini = TIniFile::FromText(
      "[Hand]\na=x\nb=y\n"
      "[Gaps]\nValue0=\"one\"\nValue1=\"\"\n; note\nValue2=\nValue3=\"four\"\n"
      "[Blanks]\nValue0=\"  lead\"\n");
  EXPECT_EQ(ini.ReadList("Hand"), (Strings{"x", "y"}));
  EXPECT_EQ(ini.ReadList("Gaps"), (Strings{"one", "four"}));
  EXPECT_EQ(ini.ReadList("Blanks"), (Strings{"  lead"}));
  EXPECT_EQ(ini.ReadList("Missing"), Strings{});
}

TEST(IniWrite, ValuesReadBackExactly) {
  TIniFile ini = TIniFile::FromText("");
  const Strings values = {"  leading", "trailing  ", "\"quoted\"", "'single'", "",
                          "\x83\x5C\x95\x5C",  // two kanji whose trail byte is a backslash
                          "a]b[c=d;e"};
  for (std::size_t i = 0; i < values.size(); ++i) {
    ini.WriteString("S", "k" + std::to_string(i), values[i]);
  }
  const TIniFile reread = TIniFile::FromText(ini.ToText());
  for (std::size_t i = 0; i < values.size(); ++i) {
    EXPECT_EQ(reread.ReadString("S", "k" + std::to_string(i), "?"), values[i]) << i;
  }
}

// A value beyond code page 932 is stored as the UTF-8 mark plus UTF-8 and reads
// back as the same core text; code-page-932 text (a trail byte 0xF0 included) is
// stored byte for byte as before.
TEST(IniWrite, TextBeyondCp932IsStoredMarkedInUtf8) {
  struct Case {
    const char* name;
    std::string value;   // core text
    std::string stored;  // between the quotes on disk
  } cases[] = {
      {"path/e-acute", *Utf8ToCp932("/home/u/Pok\xC3\xA9mon\xE3\x80\x9C"),
       "\xEF\xBB\xBF/home/u/Pok\xC3\xA9mon\xE3\x80\x9C"},
      {"template/emoji", *Utf8ToCp932("<T>\xF0\x9F\x98\x80\xE8\xA1\xA8"),
       "\xEF\xBB\xBF<T>\xF0\x9F\x98\x80\xE8\xA1\xA8"},
      {"cp932/trail-F0", "\x88\xF0", "\x88\xF0"},  // 芋
      {"cp932/kanji", "\x83\x5C\x95\x5C", "\x83\x5C\x95\x5C"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TIniFile ini = TIniFile::FromText("");
    ini.WriteString("S", "V", c.value);
    ini.WriteList("L", {c.value});
    EXPECT_EQ(ini.ToText(),
              "[S]\r\nV=\"" + c.stored + "\"\r\n[L]\r\nValue0=\"" + c.stored + "\"\r\n");
    const TIniFile reread = TIniFile::FromText(ini.ToText());
    EXPECT_EQ(reread.ReadString("S", "V", "?"), c.value);
    EXPECT_EQ(reread.ReadList("L"), Strings{c.value});
  }
}

TEST(IniWrite, ValueFormsOnDisk) {
  TIniFile ini = TIniFile::FromText("");
  ini.WriteString("S", "Str", "x");
  ini.WriteBool("S", "On", true);
  ini.WriteBool("S", "Off", false);
  ini.WriteInteger("S", "Int", -12);
  ini.WriteDateTime("S", "Day", 37578.5);
  EXPECT_EQ(ini.ToText(), "[S]\r\nStr=\"x\"\r\nOn=1\r\nOff=0\r\nInt=-12\r\nDay=37578.5\r\n");
}

TEST(IniWrite, ExistingKeysChangeInPlaceAndCommentsStay) {
  TIniFile ini = TIniFile::FromText(
      "top line\n[A]\n; keep me\nx=1\nnot a key\n\n[B]\ny=2\n");
  ini.WriteInteger("a", "X", 5);
  ini.WriteInteger("A", "new", 6);
  ini.WriteInteger("C", "z", 7);
  EXPECT_EQ(ini.ToText(),
            "top line\r\n[A]\r\n; keep me\r\nx=5\r\nnot a key\r\nnew=6\r\n\r\n[B]\r\ny=2\r\n[C]\r\nz=7\r\n");
}

TEST(IniWrite, LineBreaksInAValueCannotStartANewLine) {
  TIniFile ini = TIniFile::FromText("");
  ini.WriteString("S", "k", "a\r\n[Evil]\nx=1");
  const TIniFile reread = TIniFile::FromText(ini.ToText());
  EXPECT_EQ(reread.SectionNames(), Strings{"S"});
  EXPECT_EQ(reread.ReadString("S", "k", ""), "a  [Evil] x=1");
}

TEST(IniWrite, UnusableNamesAreRefused) {
  TIniFile ini = TIniFile::FromText("");
  for (const char* key : {"", "a=b", "[a", ";a", " a", "a\n"}) {
    EXPECT_THROW(ini.WriteString("S", key, "v"), std::invalid_argument) << key;
  }
  EXPECT_THROW(ini.WriteString("S\nT", "k", "v"), std::invalid_argument);
}

TEST(IniWrite, DateTimesReadBackAsTheSameDouble) {
  TIniFile ini = TIniFile::FromText("");
  const double values[] = {37578.0, 37578.123456789012, 45000.999988425923, 1.0 / 7.0};
  for (double v : values) {
    ini.WriteDateTime("D", "v", v);
    EXPECT_EQ(TIniFile::FromText(ini.ToText()).ReadDateTime("D", "v", 0), v);
  }
}

TEST(IniList, ShrinkFromFiveToThreeLeavesExactlyValue0ToValue2) {
  TTempFolder dir;
  const std::string path = dir.Path("Nalo.ini");
  {
    TIniFile ini(path);
    ini.WriteList("Path", {"a", "b", "c", "d", "e"});
    ini.Save();
  }
  {
    TIniFile ini(path);
    ini.WriteList("Path", {"x", "y", "z"});
    ini.Save();
  }
  const TIniFile ini(path);
  EXPECT_EQ(ini.KeyNames("Path"), (Strings{"Value0", "Value1", "Value2"}));
  EXPECT_EQ(ini.ReadList("Path"), (Strings{"x", "y", "z"}));
}

TEST(IniList, ShrinkDeletesOnlyNumberedKeysUpToTheOldKeyCount) {
  TIniFile ini = TIniFile::FromText(
      "[L]\nValue0=a\nValue1=b\nValue2=c\nValue3=d\nextra=e\nValue9=f\n");
  ini.WriteList("L", {"x"});  // six keys before: Value1 .. Value5 go
  EXPECT_EQ(ini.KeyNames("L"), (Strings{"Value0", "extra", "Value9"}));
}

TEST(IniList, EmptyListOfAMissingSectionWritesNothing) {
  TIniFile ini = TIniFile::FromText("");
  ini.WriteList("L", {});
  EXPECT_EQ(ini.SectionNames(), Strings{});
}

TEST(IniList, DeleteKeyRemovesEveryKeyOfThatName) {
  TIniFile ini = TIniFile::FromText("[A]\nk=1\nK=2\nj=3\n[b]\nx=1\n");
  ini.DeleteKey("a", "k");
  EXPECT_EQ(ini.KeyNames("A"), Strings{"j"});
  EXPECT_EQ(ini.KeyNames("b"), Strings{"x"});
}

TEST(IniFileDisk, MissingFileReadsEmptyAndSaveWithoutWritesCreatesNothing) {
  TTempFolder dir;
  TIniFile ini(dir.Path("none.ini"));
  EXPECT_EQ(ini.SectionNames(), Strings{});
  ini.Save();
  EXPECT_FALSE(std::filesystem::exists(dir.Path("none.ini")));
}

TEST(IniFileDisk, LfFileWithByteOrderMarkIsReadAndRewrittenWithCrlfAndTheMark) {
  TTempFolder dir;
  const std::string path = dir.Path("lf.ini");
  WriteFile(path, "\xEF\xBB\xBF; comment\n[S]\nk=\"v\"\n");
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("S", "k", ""), "v");
  ini.WriteInteger("S", "n", 1);
  ini.Save();
  EXPECT_EQ(ReadFile(path), "\xEF\xBB\xBF; comment\r\n[S]\r\nk=\"v\"\r\nn=1\r\n");
  EXPECT_EQ(CountFilesIn(dir.Root()), 1u) << "no temporary file left";
}

TEST(IniFileDisk, SaveKeepsPermissionsAndSymbolicLinks) {
  TTempFolder dir;
  const std::string target = dir.Path("real.ini");
  const std::string link = dir.Path("link.ini");
  WriteFile(target, "[S]\nk=1\n");
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  std::filesystem::create_symlink(target, link);
  TIniFile ini(link);
  ini.WriteInteger("S", "k", 2);
  ini.Save();
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(TIniFile(target).ReadInteger("S", "k", 0), 2);
  struct stat st {};
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

// A failed save names the file and leaves the disk as it was.
void ExpectSaveFails(TIniFile& ini, const std::string& folder) {
  const std::size_t files_before = CountFilesIn(folder);
  ini.WriteString("S", "k", "new");
  try {
    ini.Save();
    ADD_FAILURE() << "save succeeded";
  } catch (const EIniWriteError& e) {
    EXPECT_NE(std::string(e.what()).find(ini.Path()), std::string::npos) << e.what();
  }
  EXPECT_EQ(CountFilesIn(folder), files_before) << "no temporary file left";
}

TEST(IniFileDisk, SaveIntoAPathUnderAFileFails) {
  TTempFolder dir;
  WriteFile(dir.Path("plain"), "x");
  TIniFile ini(dir.Path("plain") + "/Nalo.ini");
  ExpectSaveFails(ini, dir.Root());
}

TEST(IniFileDisk, TextWithoutAFileNameCannotBeSaved) {
  TIniFile ini = TIniFile::FromText("[S]\nk=1\n");
  ini.WriteInteger("S", "k", 2);
  EXPECT_THROW(ini.Save(), EIniWriteError);
}

TEST(IniFileDisk, ReadOnlyFileIsNotReplaced) {
  TTempFolder dir;
  const std::string path = dir.Path("ro.ini");
  WriteFile(path, "[S]\nk=\"old\"\n");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  TIniFile ini(path);
  ExpectSaveFails(ini, dir.Root());
  EXPECT_EQ(ReadFile(path), "[S]\nk=\"old\"\n");
}

TEST(IniFileDisk, ReadOnlyFolderFails) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TTempFolder dir;
  const std::string path = dir.Path("Nalo.ini");
  WriteFile(path, "[S]\nk=\"old\"\n");
  ASSERT_EQ(::chmod(dir.Root().c_str(), 0555), 0);
  TIniFile ini(path);
  ExpectSaveFails(ini, dir.Root());
  EXPECT_EQ(ReadFile(path), "[S]\nk=\"old\"\n");
}

TEST(IniFileDisk, AnUnreadableFileIsNeverOverwritten) {
  TTempFolder dir;
  const std::string path = dir.Path("Nalo.ini");
  std::filesystem::create_directory(path);  // reading a folder fails whoever we are
  TIniFile ini(path);
  ExpectSaveFails(ini, dir.Root());
  EXPECT_TRUE(std::filesystem::is_directory(path));
}

}  // namespace
}  // namespace nalo
