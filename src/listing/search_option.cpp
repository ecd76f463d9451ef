// Each test of MatchesSearchOptions is a small function of its own; they run in
// the fixed order size, string mask, exclusion, date and the first failure ends
// the evaluation. Texts are found at character boundaries (FindInName), upper-cased
// on both sides when the search ignores case.
#include "listing/search_option.h"

#include "listing/wildcard_mask.h"
#include "platform/file_times.h"
#include "listing/size_units.h"
#include "text/name_text.h"

namespace nalo {
namespace {

bool PassesSize(std::int64_t size, const TSearchOption& o) {
  if (o.FolderMode) return true;
  if (o.UseMinSize && o.UseMaxSize) {
    if (o.MinSize == 0 && o.MaxSize == 0) return true;
    return o.MinSize <= size && size <= o.MaxSize;
  }
  if (o.UseMinSize) return size >= o.MinSize;
  if (o.UseMaxSize) return size <= o.MaxSize;
  return true;
}

bool PassesStringMask(const std::string& name, const TSearchOption& o) {
  return o.StrMask.empty() || NameContainsText(name, o.StrMask, o.StrMaskCase);
}

bool PassesExclusion(const std::string& name, const TSearchOption& o) {
  return !IsExcluded(o.Exclusion, name);
}

bool PassesDate(double modified, const TSearchOption& o) {
  const std::int64_t d = WholeDays(modified);
  if (o.UseStartDate && d < WholeDays(o.StartDate)) return false;
  if (o.UseEndDate && d > WholeDays(o.EndDate)) return false;
  return true;
}

}  // namespace

TSearchOption BuildSearchOption(const std::string& folder, const TTabStatus_Search& status,
                                const TExclusion& exclusion, bool sub_folders, bool folder_mode) {
  TSearchOption o;
  o.Folder = folder;
  o.ExtMask = status.ExtMask.empty() ? std::string(kAllFilesMask) : status.ExtMask;
  o.StrMask = status.StrMask;
  o.StrMaskCase = status.StrMaskCase;
  o.Exclusion = exclusion;
  o.SubFolders = sub_folders;
  const std::int64_t divisor = SizeUnitDivisor(status.SizeUnit);
  o.MinSize = static_cast<std::int64_t>(status.MinSize) * divisor;
  o.MaxSize = static_cast<std::int64_t>(status.MaxSize) * divisor;
  o.UseMinSize = status.UseMinSize;
  o.UseMaxSize = status.UseMaxSize;
  o.StartDate = status.StartDate;
  o.EndDate = status.EndDate;
  o.UseStartDate = status.UseStartDate;
  o.UseEndDate = status.UseEndDate;
  o.SizeUnit = status.SizeUnit;
  o.FolderMode = folder_mode;
  return o;
}

bool TestsSizeOrDate(const TSearchOption& o) {
  return (!o.FolderMode && (o.UseMinSize || o.UseMaxSize)) || o.UseStartDate || o.UseEndDate;
}

bool MatchesSearchOptions(const TFileInfoRec& item, const TSearchOption& option) {
  return PassesSize(item.Size, option) && PassesStringMask(item.Name, option) &&
         PassesExclusion(item.Name, option) && PassesDate(item.Modified, option);
}

}  // namespace nalo
