// The texts of an entry that are derived from its numbers.
#include "listing/list_data.h"

#include "listing/size_units.h"
#include "platform/encoding.h"
#include "platform/file_times.h"

namespace nalo {

std::string TListData::LegacyFullPath() const {
  // The scan gave every byte of a legacy name its code before listing it.
  return Location + ByteUnitsOf(Name).value_or(Name);
}

void TListData::SetPath(std::string_view full_path) {
  const std::size_t slash = full_path.rfind('/');
  const std::string_view folder =
      slash == std::string_view::npos ? std::string_view() : full_path.substr(0, slash + 1);
  if (Location != folder) Location = TFolderText(folder);
  Name.assign(full_path.substr(folder.size()));
  Legacy = false;
  if (!HoldsUserAreaCode(Name)) return;
  const std::optional<std::string> bytes = Cp932ToUtf8(Name);
  std::optional<TDiskName> disk = bytes ? DiskNameToCp932(*bytes) : std::nullopt;
  if (disk) {
    Name = std::move(disk->Text);
    Legacy = disk->Legacy;
  }
}

std::string TListData::SizeText() const {
  TCellText cell;
  return std::string(SizeTextIn(cell));
}

std::string TListData::DateText() const {
  TCellText cell;
  return std::string(DateTextIn(cell));
}

std::string_view TListData::SizeTextIn(TCellText& cell) const {
  WriteEntrySizeText(Size, SizeUnit, FolderMode, cell);
  return cell.View();
}

std::string_view TListData::DateTextIn(TCellText& cell) const {
  static_assert(TCellText::kCapacity >= kDateTextCapacity);
  cell.SetSize(WriteDateText(LocalTimeOfDayCount(Modified), cell.Buffer()));
  return cell.View();
}

}  // namespace nalo
