// One compiled s/pattern/replacement/flags expression and its run over a
// subject. Matching follows Perl: leftmost match, with "g" every match from left
// to right, an empty match never twice at one place. In "k" mode the subject is
// matched as UTF-8 so that every Shift-JIS character is one character.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "rules/perl5_expression.h"
#include "rules/perl5_regex.h"
#include "rules/perl5_replacement.h"

namespace nalo {

class TPerl5Substitution {
 public:
  // Throws EPerl5Error for a pattern or replacement the layer cannot use.
  explicit TPerl5Substitution(const TPerl5Expression& expression);

  // Returns the number of substitutions; when it is above 0, `result` holds the
  // new subject (CP932). Throws EPerl5Error when matching fails or the result
  // cannot be expressed in CP932.
  std::size_t Run(std::string_view subject, std::string& result);

 private:
  std::size_t RunOn(std::string_view subject, std::string& out);

  TPerl5Flags flags_;
  std::unique_ptr<TPerl5Regex> regex_;
  TPerl5Replacement replacement_;
};

}  // namespace nalo
