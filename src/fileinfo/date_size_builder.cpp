// The date/size builder: any item, file or folder, that has a directory entry. In
// folder mode the size tags become empty texts; the date is the last-write time
// in local time.
#include "fileinfo/file_entry.h"
#include "fileinfo/info_builders.h"
#include "fileinfo/info_formats.h"
#include "fileinfo/tag_expansion.h"

namespace nalo {

std::string ExpandDateSizeInfo(const TDate_Size_INFO& info, std::int64_t size,
                               const std::tm& last_write, bool folder_mode) {
  const std::string size_text =
      folder_mode ? std::string() : FileSizeTagValue(info.Text, size, info.Size_Idx);
  const std::string unit = folder_mode ? std::string() : std::string(UnitWord(info.Size_Idx));
  std::string text = ExpandTag(info.Text, kTagFileSize, size_text);
  text = ExpandTag(text, kTagDate, FormatDate(last_write, info.FormatIdx));
  return ExpandTag(text, kTagUnit, unit);
}

std::string BuildDateSizeInfo(const TDate_Size_INFO& info, const std::string& cp932_path,
                              bool folder_mode) {
  const auto entry = LookUpEntry(cp932_path);
  if (!entry) return {};
  std::tm local {};
  if (!localtime_r(&entry->LastWrite, &local)) return {};
  return ExpandDateSizeInfo(info, entry->Size, local, folder_mode);
}

}  // namespace nalo
