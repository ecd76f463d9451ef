// The pattern cache: the empty pattern stays at entry 0, new patterns go in at
// entry 1, and with the cache full the oldest inserted pattern leaves, whatever
// was used last. A failed compile leaves the empty pattern current.
#include <string>

#include <gtest/gtest.h>

#include "rules/awk/awk_str.h"
#include "rules/awk/re_error.h"
#include "rules/awk/re_limits.h"

namespace nalo {
namespace {

std::string Pattern(int i) { return "p" + std::to_string(i); }

TEST(Cache, StartsWithTheEmptyPattern) {
  TAWKStr awk;
  EXPECT_EQ(awk.CacheSize(), 1u);
  EXPECT_EQ(awk.CachedPattern(0), "");
  EXPECT_EQ(awk.RegExp(), "");
}

TEST(Cache, OldestInsertedLeavesFirstAndIsCompiledAgain) {
  TAWKStr awk;
  for (int i = 1; i < static_cast<int>(kMaxCachedPatterns); ++i) awk.SetRegExp(Pattern(i));
  ASSERT_EQ(awk.CacheSize(), kMaxCachedPatterns);
  EXPECT_EQ(awk.CachedPattern(1), Pattern(29));
  EXPECT_EQ(awk.CachedPattern(29), Pattern(1));

  // Using p1 again is a cache hit and does not move it.
  const std::size_t compiles = awk.CompileCount();
  awk.SetRegExp(Pattern(1));
  EXPECT_EQ(awk.CompileCount(), compiles);
  EXPECT_EQ(awk.CachedPattern(29), Pattern(1));
  EXPECT_TRUE(awk.FindFirst("xp1"));

  // A new pattern pushes out p1, the oldest inserted, though it was used last.
  awk.SetRegExp(Pattern(30));
  EXPECT_EQ(awk.CacheSize(), kMaxCachedPatterns);
  EXPECT_EQ(awk.CachedPattern(0), "");
  EXPECT_EQ(awk.CachedPattern(1), Pattern(30));
  EXPECT_EQ(awk.CachedPattern(29), Pattern(2));

  awk.SetRegExp(Pattern(1));
  EXPECT_EQ(awk.CompileCount(), compiles + 2);
  EXPECT_EQ(awk.CachedPattern(1), Pattern(1));
  EXPECT_EQ(awk.CachedPattern(0), "");
}

TEST(Cache, FailedCompileMakesTheEmptyPatternCurrent) {
  TAWKStr awk;
  awk.SetRegExp("^a");
  EXPECT_THROW(awk.SetRegExp("a("), ERegExpParser);
  EXPECT_EQ(awk.RegExp(), "");
  EXPECT_EQ(awk.CacheSize(), 2u);  // "^a" stays, "a(" is not kept
  EXPECT_EQ(awk.FindFirst("xa"), (TREMatch{0, 0}));
}

}  // namespace
}  // namespace nalo
