// The one error type of the Perl5 expression layer. Every stage (splitting the
// expression, checking the pattern, compiling, matching, translating) throws it
// with a short text for the user; the library entry points turn it into their
// message buffer, so nothing of the layer ever escapes as a crash.
#pragma once

#include <stdexcept>
#include <string>

namespace nalo {

class EPerl5Error : public std::runtime_error {
 public:
  explicit EPerl5Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace nalo
