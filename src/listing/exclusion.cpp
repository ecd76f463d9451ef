#include "listing/exclusion.h"

#include "text/name_text.h"

namespace nalo {

bool NameContainsText(std::string_view name, std::string_view text, bool case_sensitive) {
  if (case_sensitive) return FindInName(text, name) > 0;
  return FindInName(UpperCaseName(text), UpperCaseName(name)) > 0;
}

bool IsExcluded(const TExclusion& exclusion, std::string_view name) {
  return exclusion.Enabled && !exclusion.Text.empty() &&
         NameContainsText(name, exclusion.Text, exclusion.CaseSensitive);
}

}  // namespace nalo
