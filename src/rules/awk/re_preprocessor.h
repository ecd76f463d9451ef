// TREPreProcessor is the hook for rewriting a pattern through dictionaries of
// fuzzy character groups and synonyms before it is compiled. The rewriting is
// never switched on, so with both options off the pattern passes unchanged; the
// options exist so that changing them recompiles the pattern.
#pragma once

#include <string>
#include <string_view>

namespace nalo {

class TREPreProcessor {
 public:
  bool UseFuzzyCharDic = false;
  bool UseSynonymDic = false;

  std::string Run(std::string_view pattern) const { return std::string(pattern); }
};

}  // namespace nalo
