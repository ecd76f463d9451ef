// TBRegExp: the program's hold on the substitution library. It keeps one record
// slot, frees the record when the expression text changes, skips the library for
// an empty subject when substituting, and turns a library message into the
// exception EBRegExpError.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "rules/bregexp.h"

namespace nalo {

// Carries the library's message text.
class EBRegExpError : public std::runtime_error {
 public:
  explicit EBRegExpError(const std::string& message) : std::runtime_error(message) {}
};

class TBRegExp {
 public:
  TBRegExp() = default;
  ~TBRegExp();
  TBRegExp(const TBRegExp&) = delete;
  TBRegExp& operator=(const TBRegExp&) = delete;

  // True when the library substituted at least once; `subject` is then the
  // result. An empty subject is never passed to the library. Throws EBRegExpError.
  bool Substitute(std::string_view expression, std::string& subject);

  // The same for tr///; an empty subject is passed to the library as well.
  bool Translate(std::string_view expression, std::string& subject);

  // The expression the current record was compiled from (empty without one).
  std::string_view CompiledExpression() const;

 private:
  using TLibraryCall = int (*)(const char*, const char*, const char*, BREGEXP**, char*);
  bool Call(TLibraryCall call, std::string_view expression, std::string& subject);
  void ForgetOtherExpression(std::string_view expression);

  BREGEXP* record_ = nullptr;
};

// The one instance the program shares, created on first use and destroyed (with
// its record) at program end.
TBRegExp& SharedBRegExp();

}  // namespace nalo
