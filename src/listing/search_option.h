// The search conditions of one scan: TSearchOption is collected from the saved
// search tab state and the exclusion controls, and MatchesSearchOptions decides for
// each found item whether it is listed (size, contained text, excluded text, date,
// in that order). The extension mask is not tested here: the scanner enumerates
// with it.
#pragma once

#include <cstdint>
#include <string>

#include "listing/exclusion.h"
#include "listing/find_search.h"
#include "settings/tab_status.h"

namespace nalo {

struct TSearchOption {
  std::string Folder;
  std::string ExtMask;          // the saved mask, or "*.*" when it is empty
  std::string StrMask;
  bool StrMaskCase = false;
  TExclusion Exclusion;
  bool SubFolders = false;
  std::int64_t MinSize = 0;     // bytes
  std::int64_t MaxSize = 0;     // bytes
  bool UseMinSize = false;
  bool UseMaxSize = false;
  double StartDate = 0;
  double EndDate = 0;
  bool UseStartDate = false;
  bool UseEndDate = false;
  std::int32_t SizeUnit = 0;    // also the unit of the new entries' size texts
  bool FolderMode = false;      // folders are listed: the size test does not apply
};

TSearchOption BuildSearchOption(const std::string& folder, const TTabStatus_Search& status,
                                const TExclusion& exclusion, bool sub_folders, bool folder_mode);

// Whether a test needs the items' sizes or dates (so the scan must read them).
bool TestsSizeOrDate(const TSearchOption& option);

// Whether the item passes the size, string-mask, exclusion and date tests.
bool MatchesSearchOptions(const TFileInfoRec& item, const TSearchOption& option);

}  // namespace nalo
