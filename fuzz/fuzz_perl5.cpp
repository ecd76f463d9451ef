// Fuzzes the Perl5 expression layer: the input is an expression and a subject
// separated by the first NUL byte, run through BSubst, BTrans and the same
// expression again on the kept record. Nothing may crash or hang (matches run
// under the layer's limits), and every call must leave a terminated message.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "rules/bregexp.h"

namespace {

// Longest input worth trying: names are short, and longer inputs only slow the
// fuzzer down on patterns whose cost grows with the subject.
constexpr std::size_t kMaxInput = 4096;

void CheckCall(int count, const nalo::BREGEXP* record, const char* message) {
  if (std::memchr(message, '\0', nalo::kBRegExpMessageSize) == nullptr) __builtin_trap();
  if (count > 0 && (record == nullptr || record->outp == nullptr || record->outendp < record->outp ||
                    *record->outendp != '\0')) {
    __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > kMaxInput) return 0;
  std::string input(reinterpret_cast<const char*>(data), size);
  std::size_t split = input.find('\0');
  std::string expression = input.substr(0, split);
  std::string subject = split == std::string::npos ? "name.txt" : input.substr(split + 1);
  const char* begin = subject.data();
  const char* end = begin + subject.size();

  char message[nalo::kBRegExpMessageSize];
  nalo::BREGEXP* record = nullptr;
  for (std::string prefix : {"s/", "tr/"}) {
    std::string text = expression.starts_with(prefix) ? expression : prefix + expression;
    bool translate = prefix == "tr/";
    for (int round = 0; round < 2; ++round) {  // the second call reuses the record
      int count = translate ? nalo::BTrans(text.c_str(), begin, end, &record, message)
                            : nalo::BSubst(text.c_str(), begin, end, &record, message);
      CheckCall(count, record, message);
    }
  }
  nalo::BRegfree(record);
  return 0;
}
