// Dispatch of an information kind to its builder.
#include "fileinfo/info_source.h"

#include "fileinfo/info_builders.h"

namespace nalo {

TInfoTextSource MakeInfoTextSource(const TInfoSettings& settings, std::string settings_dir) {
  return [&settings, dir = std::move(settings_dir)](TInfoKind kind, const std::string& path,
                                                    bool folder_mode) -> std::string {
    switch (kind) {
      case TInfoKind::Avi: return BuildAviInfo(settings.Avi, dir, path);
      case TInfoKind::DateSize: return BuildDateSizeInfo(settings.DateSize, path, folder_mode);
      case TInfoKind::Image: return BuildImageSizeInfo(settings.Image, path);
      case TInfoKind::Mp3: return BuildMp3Info(settings.Mp3, path);
      case TInfoKind::Folder: return BuildFolderNameInfo(settings.Folder, path);
    }
    return {};
  };
}

}  // namespace nalo
