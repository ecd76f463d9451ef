// The fixed texts of the five template dialogs, in UTF-8 for the front end: window
// titles, the tags of their parts lists, the lines of their help windows, the
// titles of their candidate-list editors and the captions of their option lists.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/info_text_source.h"

namespace nalo {

using TextLines = std::vector<std::string_view>;

// The tags a parts list offers, in order.
struct TTemplateParts {
  TextLines Tags;
  TextLines HelpLines;  // what the help window shows below its heading
};

// Everything fixed about one dialog. `folder_mode` matters for the date/size
// dialog only.
struct TTemplateDialogTexts {
  std::string Title;
  std::string ListEditorTitle;
  std::string_view CandidateSection;
  TTemplateParts Parts;        // the first parts list
  TTemplateParts SecondParts;  // AVI audio parts, MP3 MPEG parts; else empty
};
TTemplateDialogTexts TemplateDialogTexts(TInfoKind kind, bool folder_mode);

// The help window's text for a parts list: "パーツについて", an empty line, then
// the lines, joined with "\n".
std::string TemplateHelpText(const TTemplateParts& parts);

// Option list captions; the index of a caption is the value stored.
extern const TextLines kTimeFormatItems;   // hh：nn：ss ... mm分ss秒
extern const TextLines kSizeUnitItems;     // ﾊﾞｲﾄ, バイト, KB, MB
extern const TextLines kDateFormatItems;   // yyyymmdd ... yy年mm月dd日
extern const TextLines kFrameStyleItems;   // Frame len=999 ...
extern const TextLines kSeparatorItems;    // 半角スペース ... "：" 全角コロン

}  // namespace nalo
