// The substitution and translation library behind the Perl5 mode of the regex
// tab: BSubst, BTrans and BRegfree over a record that keeps the compiled form of
// the last expression and the last result. A caller passes the same record slot
// again for the same expression text, so an expression is compiled once and used
// for every name; a different text in the slot's record is compiled afresh.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace nalo {

class TPerl5Substitution;
class TPerl5Translation;

// Size of the message buffer every call receives; an empty text after the call
// means no error.
constexpr std::size_t kBRegExpMessageSize = 80;

struct BREGEXP {
  char* outp = nullptr;          // the result of the last call, NUL-terminated; null when it changed nothing
  char* outendp = nullptr;       // one past the result's last byte
  const char* parap = nullptr;   // the expression the record was compiled from
  const char* paraendp = nullptr;

  // Owned by the library; callers read only the fields above.
  std::string expression;
  std::string result;
  std::unique_ptr<TPerl5Substitution> substitution;
  std::unique_ptr<TPerl5Translation> translation;

  BREGEXP();
  ~BREGEXP();
};

// Substitutes with the s/// expression `str` in the subject [target, targetendp).
// Returns the number of substitutions (0 for none or on error); the result is then
// `(*rxp)->outp`. On error `msg` holds a text.
int BSubst(const char* str, const char* target, const char* targetendp, BREGEXP** rxp,
           char* msg);

// The same for a tr/// expression; returns the number of characters found.
int BTrans(const char* str, const char* target, const char* targetendp, BREGEXP** rxp,
           char* msg);

// Releases a record; a null record is ignored.
void BRegfree(BREGEXP* rx);

}  // namespace nalo
