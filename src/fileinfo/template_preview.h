// Previews of the information templates for the template dialogs: each template
// filled with fixed sample values (or, for the folder name, a sample path), so the
// user sees the shape of the text before any file is read. A template may be saved
// only when its preview can stand in a file name.
#pragma once

#include <array>
#include <ctime>
#include <string>
#include <string_view>

#include "fileinfo/info_formats.h"
#include "fileinfo/info_settings.h"

namespace nalo {

// Captions of the playing-time formats, shown in the option lists and in previews:
// "hh：nn：ss", "hh'nn'ss", "999sec", "99h99m99s", "99m99s", "mm'ss",
// "hh時mm分ss秒", "mm分ss秒".
extern const std::array<std::string_view, kTimeFormatCount> TimeFormatCaptions;

// Byte count shown for <FILE_SIZE> in previews.
inline constexpr std::int64_t kPreviewFileSize = 9999999;
// Folder path the folder-name preview shows.
inline constexpr std::string_view kPreviewFolderPath = "/Temp/Images";

std::string PreviewAviTemplate(const TAVI_CODEC_INFO& info);
// `today` is the date shown for <DATE>; <UNIT> shows in folder mode too.
std::string PreviewDateSizeTemplate(const TDate_Size_INFO& info, const std::tm& today);
std::string PreviewImageTemplate(const TJPEG_GIF_INFO& info);
std::string PreviewMp3Template(const TMP3_FRM_INFO& info);
std::string PreviewFolderTemplate(const TFOLDER_INFO& info);

// True when a preview holds no character that a file name cannot hold.
bool PreviewFitsFileName(std::string_view preview);

}  // namespace nalo
