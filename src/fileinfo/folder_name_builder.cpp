// The folder-name builder. The holding folder is the path up to its last "/",
// without that "/"; the root folder keeps its "/" as the drive of the path. In
// full-path mode the drive ("/") can be left out, and every ":" and "/" of the
// resulting text is replaced by the chosen separators, so the text can stand in a
// name.
#include "fileinfo/info_builders.h"
#include "fileinfo/info_formats.h"
#include "fileinfo/tag_expansion.h"

namespace nalo {

namespace {

constexpr std::string_view kDrive = "/";

std::string HoldingFolder(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  if (slash == 0) return std::string(kDrive);
  return path.substr(0, slash);
}

std::string LastComponent(const std::string& folder) {
  if (folder == kDrive) return folder;
  const std::size_t slash = folder.rfind('/');
  return slash == std::string::npos ? folder : folder.substr(slash + 1);
}

std::string WithoutDrive(const std::string& folder) {
  return folder.starts_with(kDrive) ? folder.substr(kDrive.size()) : folder;
}

}  // namespace

std::string BuildFolderNameInfo(const TFOLDER_INFO& info, const std::string& cp932_path) {
  const std::string folder = HoldingFolder(cp932_path);
  if (!info.FullPath) return ExpandTag(info.Text, kTagFolderName, LastComponent(folder));
  const std::string value = info.DriveFL ? WithoutDrive(folder) : folder;
  const std::string text = ExpandTag(info.Text, kTagFolderName, value);
  const std::string colons_done = ExpandTag(text, ":", SeparatorOf(info.Idx1));
  return ExpandTag(colons_done, "/", SeparatorOf(info.Idx2));
}

}  // namespace nalo
