// Differential test of the Perl5 layer against the system's perl: a few hundred
// generated ASCII s/// and tr/// expressions run through BSubst/BTrans and
// through one perl process, comparing the new text and the count. Cases reach
// perl through a file of hex-encoded lines, never through a shell command line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "rules/bregexp.h"
#include "support/temp_folder.h"

namespace nalo {
namespace {

constexpr const char* kPerl = "/usr/bin/perl";
constexpr int kSubstCases = 300;  // enough to meet every generated construct many times
constexpr int kTransCases = 200;

// Reads "hex-expression hex-subject" lines; prints "hex-result count" or "ERR".
constexpr const char* kPerlScript = R"(no strict; no warnings;
open(my $in, '<', $ARGV[0]) or die "cannot read cases";
while (my $line = <$in>) {
  chomp $line;
  my ($e, $s) = split / /, $line, 2;
  $e = pack('H*', $e); $s = pack('H*', $s // '');
  local $_ = $s;
  my $n = eval $e;
  if ($@) { print "ERR\n"; next; }
  print unpack('H*', $_), ' ', ($n ? $n + 0 : 0), "\n";
}
)";

struct TCase {
  std::string expression;
  std::string subject;
};

std::string Hex(const std::string& text) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  for (unsigned char c : text) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

class Generator {
 public:
  explicit Generator(unsigned seed) : rng_(seed) {}

  template <std::size_t N>
  const char* Pick(const char* const (&items)[N]) {
    return items[std::uniform_int_distribution<std::size_t>(0, N - 1)(rng_)];
  }
  int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
  bool Chance(int percent) { return Int(1, 100) <= percent; }

  std::string Subject() {
    static const char* const kChars[] = {"a", "a", "b", "b", "c", ".", "A", "B", "-", "_", "1", " "};
    std::string s;
    for (int i = Int(0, 10); i > 0; --i) s += Pick(kChars);
    return s;
  }

  TCase Substitution() {
    static const char* const kAtoms[] = {"a",    "b",     "c",     "A",     ".",      "\\.",   "[ab]",
                                         "[^a]", "[a-c]", "\\d",   "\\w",   "\\s",    "-",     "_",
                                         "1",    "(a|b)", "(ab)",  "(\\w)", "x",      "(b+)"};
    static const char* const kQuantifiers[] = {"", "", "", "*", "+", "?", "{1,2}", "*?", "+?"};
    std::string pattern = Chance(10) ? "^" : "";
    for (int i = Int(1, 3); i > 0; --i) {
      if (Chance(10)) {
        pattern += "\\b";  // an assertion takes no quantifier in PCRE2
        continue;
      }
      pattern += Pick(kAtoms);
      pattern += Pick(kQuantifiers);
    }
    if (Chance(10)) pattern += "$";
    int groups = 0;
    for (char c : pattern) groups += c == '(';
    std::string replacement;
    for (int i = Int(0, 3); i > 0; --i) replacement += ReplacementPiece(groups);
    std::string flags = std::string(Chance(50) ? "g" : "") + (Chance(25) ? "i" : "");
    return {"s/" + pattern + "/" + replacement + "/" + flags, Subject()};
  }

  TCase Translation() {
    static const char* const kSearch[] = {"a-c", "ab", "A-Z", "a-z", ".", "_", "abc.", "\\-", "b", "Z-Z"};
    static const char* const kReplace[] = {"", "x", "xy", "A-C", "_", "a-z", "Q", "\\-."};
    std::string search = std::string(Pick(kSearch)) + (Chance(40) ? Pick(kSearch) : "");
    std::string replacement = Pick(kReplace);
    std::string flags = std::string(Chance(30) ? "c" : "") + (Chance(30) ? "d" : "") +
                        (Chance(30) ? "s" : "");
    return {"tr/" + search + "/" + replacement + "/" + flags, Subject()};
  }

 private:
  std::string ReplacementPiece(int groups) {
    // Not "[$&]": perl reads "$&[" as an element of the array @&.
    static const char* const kPlain[] = {"X", "-", "$&", "\\U$&\\E", "\\u$&", "<",
                                         "\\L$&\\E", "<$&>", "\\Ux\\E", "\\lAB"};
    if (groups >= 1 && Chance(30)) return Chance(50) ? "$1" : (Chance(50) ? "\\1" : "${1}x");
    if (groups >= 2 && Chance(20)) return "$2";
    return Pick(kPlain);
  }

  std::mt19937 rng_;
};

// "hex-result count" like the perl script, or "ERR".
std::string RunOurs(const TCase& c) {
  BREGEXP* record = nullptr;
  char message[kBRegExpMessageSize];
  const char* begin = c.subject.data();
  const char* end = begin + c.subject.size();
  bool translate = c.expression.starts_with("tr/");
  int count = translate ? BTrans(c.expression.c_str(), begin, end, &record, message)
                        : BSubst(c.expression.c_str(), begin, end, &record, message);
  std::string result = c.subject;
  if (count > 0) result.assign(record->outp, record->outendp);
  BRegfree(record);
  if (message[0] != '\0') return "ERR";
  return Hex(result) + " " + std::to_string(count);
}

std::vector<std::string> RunPerl(const std::vector<TCase>& cases, const std::string& dir) {
  const std::string script = dir + "/diff.pl";
  const std::string input = dir + "/cases.txt";
  std::ofstream(script) << kPerlScript;
  {
    std::ofstream out(input);
    for (const TCase& c : cases) out << Hex(c.expression) << ' ' << Hex(c.subject) << '\n';
  }
  // Both paths come from mkdtemp and hold only safe characters.
  const std::string command = std::string(kPerl) + " " + script + " " + input;
  std::vector<std::string> lines;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return lines;
  char buffer[4096];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
    std::string line(buffer);
    if (!line.empty() && line.back() == '\n') line.pop_back();
    lines.push_back(line);
  }
  pclose(pipe);
  return lines;
}

TEST(Perl5AgainstPerl, GeneratedAsciiExpressionsAgree) {
  if (access(kPerl, X_OK) != 0) GTEST_SKIP() << "no perl at " << kPerl;
  Generator generator(20240531);
  std::vector<TCase> cases;
  for (int i = 0; i < kSubstCases; ++i) cases.push_back(generator.Substitution());
  for (int i = 0; i < kTransCases; ++i) cases.push_back(generator.Translation());

  std::vector<std::string> expected;
  {
    const testing::TTempFolder dir("nalo_perl5");
    expected = RunPerl(cases, dir.Root());
  }
  ASSERT_EQ(expected.size(), cases.size());

  int agreed = 0;
  int changed = 0;  // cases where perl substituted or translated something
  int refused = 0;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    refused += expected[i] == "ERR";
    changed += expected[i] != "ERR" && !expected[i].ends_with(" 0");
    std::string ours = RunOurs(cases[i]);
    EXPECT_EQ(ours, expected[i]) << cases[i].expression << " on \"" << cases[i].subject << "\"";
    agreed += ours == expected[i];
  }
  EXPECT_EQ(agreed, static_cast<int>(cases.size()));
  // The generator must exercise real work, not only misses and errors.
  EXPECT_GT(changed, static_cast<int>(cases.size()) / 3);
  EXPECT_LT(refused, static_cast<int>(cases.size()) / 20);
  std::printf("%d cases, %d changed, %d refused by perl\n", static_cast<int>(cases.size()), changed, refused);
}

}  // namespace
}  // namespace nalo
