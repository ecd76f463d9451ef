// Tag expansion over the shared Shift-JIS search and replace of the name model, so
// a tag is never found inside a double-byte character.
#include "fileinfo/tag_expansion.h"

#include "text/name_text.h"

namespace nalo {

std::string ExpandTag(std::string_view text, std::string_view tag, std::string_view value) {
  return ReplaceInName(text, tag, value, /*replace_all=*/true, /*ignore_case=*/false);
}

bool TemplateHasTag(std::string_view text, std::string_view tag) {
  return FindInName(tag, text) > 0;
}

}  // namespace nalo
