// The five information builders of the add rule: each fills its template with
// values read from one item and returns the text to insert, empty when the
// information is missing. Paths are CP932; `settings_dir` is the file-system
// folder that holds codecs.dat and audio.dat. A file that exists but cannot be
// opened throws EInfoReadError.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

#include "fileinfo/avi_reader.h"
#include "fileinfo/info_settings.h"

namespace nalo {

// AVI: frame size, codec, time, frame rate, frame count, audio format and size.
// Empty when the video codec is not registered in codecs.dat.
std::string BuildAviInfo(const TAVI_CODEC_INFO& info, const std::string& settings_dir,
                         const std::string& cp932_path);
// The AVI template filled from read headers and looked-up codec names (an empty
// audio name shows as "不明").
std::string ExpandAviInfo(const TAVI_CODEC_INFO& info, const TAviHeaders& headers,
                          std::string_view codec_name, std::string_view audio_name);

// Last-write date and, in file mode, size of any item.
std::string BuildDateSizeInfo(const TDate_Size_INFO& info, const std::string& cp932_path,
                              bool folder_mode);
// The date/size template for an item of `size` bytes last written at `last_write`.
std::string ExpandDateSizeInfo(const TDate_Size_INFO& info, std::int64_t size,
                               const std::tm& last_write, bool folder_mode);

// Pixel size of a JPEG, GIF or PNG file.
std::string BuildImageSizeInfo(const TJPEG_GIF_INFO& info, const std::string& cp932_path);

// ID3v1 tag and MPEG stream values of an MPEG audio file.
std::string BuildMp3Info(const TMP3_FRM_INFO& info, const std::string& cp932_path);

// Name, or with FullPath the whole path, of the folder that holds the item.
std::string BuildFolderNameInfo(const TFOLDER_INFO& info, const std::string& cp932_path);

}  // namespace nalo
