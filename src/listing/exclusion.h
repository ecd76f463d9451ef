// The "do not rename when the name contains ..." condition of the main window. The
// scan leaves out the items it matches, and a rule run keeps their old names.
#pragma once

#include <string>
#include <string_view>

namespace nalo {

struct TExclusion {
  bool Enabled = false;        // chk_not
  std::string Text;            // cmb_notText (CP932); empty excludes nothing
  bool CaseSensitive = false;  // chk_OmojiKomoji
};

// Whether `text` occurs in `name` at a character boundary, upper-cased on both sides
// unless the test is case-sensitive.
bool NameContainsText(std::string_view name, std::string_view text, bool case_sensitive);

// True when the condition is on and its text occurs in `name`.
bool IsExcluded(const TExclusion& exclusion, std::string_view name);

}  // namespace nalo
