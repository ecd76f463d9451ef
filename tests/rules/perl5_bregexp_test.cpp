// The library contract: a record slot reused for one expression text and
// replaced for another, results through the record, messages cut to the 80-byte
// buffer, and TBRegExp's handling of empty subjects and errors.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "perl5_test_util.h"
#include "rules/bregexp.h"
#include "rules/bregexp_wrapper.h"

namespace nalo {
namespace {

int CallSubst(const char* expression, const std::string& subject, BREGEXP** slot, char* message) {
  return BSubst(expression, subject.data(), subject.data() + subject.size(), slot, message);
}

TEST(BRegExpLibrary, ReusesTheRecordForTheSameExpression) {
  BREGEXP* slot = nullptr;
  char message[kBRegExpMessageSize];
  EXPECT_EQ(CallSubst("s/a/X/g", "banana", &slot, message), 3);
  ASSERT_NE(slot, nullptr);
  BREGEXP* first = slot;
  EXPECT_STREQ(slot->outp, "bXnXnX");
  EXPECT_EQ(CallSubst("s/a/X/g", "cat", &slot, message), 1);
  EXPECT_EQ(slot, first);
  EXPECT_STREQ(slot->outp, "cXt");
  EXPECT_STREQ(slot->parap, "s/a/X/g");
  EXPECT_EQ(CallSubst("s/t/Y/", "cat", &slot, message), 1);
  EXPECT_STREQ(slot->parap, "s/t/Y/");
  EXPECT_STREQ(slot->outp, "caY");
  BRegfree(slot);
}

TEST(BRegExpLibrary, ReportsErrorsInTheMessageBuffer) {
  BREGEXP* slot = nullptr;
  char message[kBRegExpMessageSize];
  EXPECT_EQ(CallSubst("s/a/x/e", "a", &slot, message), 0);
  EXPECT_GT(std::strlen(message), 0u);
  EXPECT_EQ(slot, nullptr);
  EXPECT_EQ(CallSubst("s/a/x/", "a", &slot, message), 1);
  EXPECT_STREQ(message, "");
  BRegfree(slot);
}

TEST(BRegExpLibrary, CutsLongMessagesToTheBuffer) {
  BREGEXP* slot = nullptr;
  char message[kBRegExpMessageSize + 16];
  std::memset(message, 'Z', sizeof message);
  // PCRE2's message for this pattern is longer than the buffer.
  CallSubst("s/(?<n>a)(?<n>b)/x/", "ab", &slot, message);
  std::size_t length = std::strlen(message);
  EXPECT_GT(length, 0u);
  EXPECT_LT(length, kBRegExpMessageSize);
  EXPECT_EQ(message[kBRegExpMessageSize], 'Z');  // nothing written past the buffer
  BRegfree(slot);
}

TEST(BRegExpLibrary, TranslationKeepsItsOwnRecordKind) {
  BREGEXP* slot = nullptr;
  char message[kBRegExpMessageSize];
  std::string subject = "abc";
  EXPECT_EQ(BTrans("tr/a-c/A-C/", subject.data(), subject.data() + 3, &slot, message), 3);
  EXPECT_STREQ(slot->outp, "ABC");
  // The same text handed to BSubst is not a substitution.
  EXPECT_EQ(BSubst("tr/a-c/A-C/", subject.data(), subject.data() + 3, &slot, message), 0);
  EXPECT_GT(std::strlen(message), 0u);
  BRegfree(slot);
}

TEST(BRegExpLibrary, SubjectMayBeTheLastResult) {
  BREGEXP* slot = nullptr;
  char message[kBRegExpMessageSize];
  EXPECT_EQ(CallSubst("s/a/XY/g", "aa", &slot, message), 2);
  EXPECT_EQ(BSubst("s/X/a/g", slot->outp, slot->outendp, &slot, message), 2);  // new record
  EXPECT_STREQ(slot->outp, "aYaY");
  EXPECT_EQ(BSubst("s/a/bc/g", slot->outp, slot->outendp, &slot, message), 2);
  EXPECT_STREQ(slot->outp, "bcYbcY");
  EXPECT_EQ(BSubst("s/a/bc/g", slot->outp, slot->outendp, &slot, message), 0);  // same record
  EXPECT_EQ(slot->outp, nullptr);
  BRegfree(slot);
}

TEST(TBRegExpWrapper, SameTextAsTheOtherKindIsRefusedSafely) {
  TBRegExp regexp;
  std::string subject = "abc";
  EXPECT_TRUE(regexp.Translate("tr/a/b/", subject));
  subject = "abc";
  // The record's own expression text is handed back to the library, which must
  // read it before it frees the record.
  EXPECT_THROW(regexp.Substitute("tr/a/b/", subject), EBRegExpError);
  EXPECT_EQ(subject, "abc");
}

TEST(TBRegExpWrapper, EmptySubjectIsNotSubstituted) {
  TBRegExp regexp;
  std::string subject;
  EXPECT_FALSE(regexp.Substitute("s/^/x/", subject));
  EXPECT_EQ(subject, "");
}

TEST(TBRegExpWrapper, EmptySubjectIsTranslated) {
  TBRegExp regexp;
  std::string subject;
  EXPECT_FALSE(regexp.Translate("tr/a/b/", subject));
  EXPECT_EQ(regexp.CompiledExpression(), "tr/a/b/");  // the library was called
}

TEST(TBRegExpWrapper, ForgetsTheRecordWhenTheExpressionChanges) {
  TBRegExp regexp;
  std::string subject = "abc";
  EXPECT_TRUE(regexp.Substitute("s/b/B/", subject));
  EXPECT_EQ(regexp.CompiledExpression(), "s/b/B/");
  subject = "abc";
  EXPECT_TRUE(regexp.Substitute("s/c/C/", subject));
  EXPECT_EQ(subject, "abC");
  EXPECT_EQ(regexp.CompiledExpression(), "s/c/C/");
}

TEST(TBRegExpWrapper, LibraryMessageBecomesException) {
  TBRegExp regexp;
  std::string subject = "abc";
  try {
    regexp.Substitute("s/a/x/o", subject);
    FAIL() << "no exception";
  } catch (const EBRegExpError& error) {
    EXPECT_NE(std::string(error.what()), "");
  }
  EXPECT_EQ(subject, "abc");
}

TEST(TBRegExpWrapper, SubjectWithRawBytesWorksWithoutK) {
  TBRegExp regexp;
  std::string subject = "a\x82";  // a lead byte as the last byte
  EXPECT_TRUE(regexp.Substitute("s/a/b/", subject));
  EXPECT_EQ(subject, "b\x82");
  subject = "a\x82";
  EXPECT_TRUE(regexp.Substitute("s/$/!/", subject));  // the end is a boundary
  EXPECT_EQ(subject, "a\x82!");
  // A pair whose trail byte has a lead-byte value, then a lone lead byte: only
  // the lone one is a character of its own.
  subject = "\x82\x81\x81";
  EXPECT_TRUE(regexp.Substitute("s/\\x81/-/", subject));
  EXPECT_EQ(subject, "\x82\x81-");
  subject = "a\x82";
  EXPECT_THROW(regexp.Substitute("s/a/b/k", subject), EBRegExpError);
}

TEST(TBRegExpWrapper, SharedInstanceIsOne) { EXPECT_EQ(&SharedBRegExp(), &SharedBRegExp()); }

}  // namespace
}  // namespace nalo
