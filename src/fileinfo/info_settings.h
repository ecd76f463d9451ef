// The five information templates with their options, as kept by the main window
// and stored in sections of Nalo.ini, and the five candidate lists of ready-made
// templates that the template dialogs offer. Loading fills missing keys with the
// defaults; saving writes the keys of a section in field order.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ini_file.h"

namespace nalo {

using StringList = std::vector<std::string>;

// AVI: section "AviSection".
struct TAVI_CODEC_INFO {
  std::int32_t Time_Idx = 2;
  std::int32_t Size_Idx = 0;
  std::string Text;   // defaults: see DefaultAviInfo()
  std::string Text2;  // audio sub-template, its result replaces <AUDIO>
};

// Last-write date and size: section "DateSection".
struct TDate_Size_INFO {
  std::int32_t Size_Idx = 0;
  std::int32_t FormatIdx = 5;
  std::string Text;
};

// Image size: section "JPG_GIFSection".
struct TJPEG_GIF_INFO {
  std::string Text;
};

// MP3: section "MP3Section".
struct TMP3_FRM_INFO {
  std::int32_t TimeIdx = 2;
  std::int32_t FrameIdx = 1;
  std::string Text;
};

// Folder name: section "FolderSection".
struct TFOLDER_INFO {
  std::string Text;
  std::int32_t Idx1 = 6;   // separator choice for ":" in full-path mode
  std::int32_t Idx2 = 2;   // separator choice for the folder separator in full-path mode
  bool FullPath = false;   // the whole path of the holding folder, not its last component
  bool DriveFL = false;    // in full-path mode, leave the leading "/" (the drive) out
};

// The five records, each with its defaults.
struct TInfoSettings {
  TAVI_CODEC_INFO Avi;
  TDate_Size_INFO DateSize;
  TJPEG_GIF_INFO Image;
  TMP3_FRM_INFO Mp3;
  TFOLDER_INFO Folder;
};

TAVI_CODEC_INFO DefaultAviInfo();
TDate_Size_INFO DefaultDateSizeInfo();
TJPEG_GIF_INFO DefaultImageInfo();
TMP3_FRM_INFO DefaultMp3Info();
TFOLDER_INFO DefaultFolderInfo();
TInfoSettings DefaultInfoSettings();

// Section names of the records and of their candidate lists.
inline constexpr std::string_view kAviSection = "AviSection";
inline constexpr std::string_view kDateSection = "DateSection";
inline constexpr std::string_view kImageSection = "JPG_GIFSection";
inline constexpr std::string_view kMp3Section = "MP3Section";
inline constexpr std::string_view kFolderSection = "FolderSection";
inline constexpr std::string_view kAviCandidates = "AviCmb";
inline constexpr std::string_view kDateCandidates = "DateCmb";
inline constexpr std::string_view kImageCandidates = "JpGfCmb";
inline constexpr std::string_view kMp3Candidates = "MP3Cmb";
inline constexpr std::string_view kFolderCandidates = "FolderCmb";

// Read one record from its section (missing keys keep their defaults). When
// `candidates` is given it is replaced by the record's candidate list: the
// non-empty values of the candidate section in file order.
void LoadInfoSettings(const TIniFile& ini, TAVI_CODEC_INFO& info, StringList* candidates = nullptr);
void LoadInfoSettings(const TIniFile& ini, TDate_Size_INFO& info, StringList* candidates = nullptr);
void LoadInfoSettings(const TIniFile& ini, TJPEG_GIF_INFO& info, StringList* candidates = nullptr);
void LoadInfoSettings(const TIniFile& ini, TMP3_FRM_INFO& info, StringList* candidates = nullptr);
void LoadInfoSettings(const TIniFile& ini, TFOLDER_INFO& info, StringList* candidates = nullptr);

// All five records, as the main window loads them at start-up.
TInfoSettings LoadAllInfoSettings(const TIniFile& ini);

// Write one record's section into `ini` (templates quoted, booleans 1/0); the
// caller saves the file.
void SaveInfoSettings(TIniFile& ini, const TAVI_CODEC_INFO& info);
void SaveInfoSettings(TIniFile& ini, const TDate_Size_INFO& info);
void SaveInfoSettings(TIniFile& ini, const TJPEG_GIF_INFO& info);
void SaveInfoSettings(TIniFile& ini, const TMP3_FRM_INFO& info);
void SaveInfoSettings(TIniFile& ini, const TFOLDER_INFO& info);

// Rewrite a candidate list in `ini`: items under the keys "0", "1", ... in quotes,
// then the keys n to (old key count - 1) deleted.
void WriteCandidateSection(TIniFile& ini, std::string_view section, const StringList& items);

// WriteCandidateSection on the file at `ini_path`, saved at once. Throws
// EIniWriteError naming the file when it cannot be written.
void SaveCandidateSection(const std::string& ini_path, std::string_view section,
                          const StringList& items);

}  // namespace nalo
