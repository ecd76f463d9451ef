// Loading and saving of the information templates. Integers are read as 32-bit
// values, booleans as "any non-zero number"; the INI layer strips the quotes that
// keep leading and trailing spaces of a template.
#include "fileinfo/info_settings.h"

#include <limits>

namespace nalo {

namespace {

std::int32_t ReadInt32(const TIniFile& ini, std::string_view section, std::string_view key,
                       std::int32_t fallback) {
  const long long v = ini.ReadInteger(section, key, fallback);
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max()) {
    return fallback;
  }
  return static_cast<std::int32_t>(v);
}

bool ReadFlag(const TIniFile& ini, std::string_view section, std::string_view key, bool fallback) {
  return ini.ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void LoadCandidates(const TIniFile& ini, std::string_view section, StringList* candidates) {
  if (candidates) *candidates = ini.ReadList(section);
}

}  // namespace

TAVI_CODEC_INFO DefaultAviInfo() {
  TAVI_CODEC_INFO info;
  info.Text = "( <SIZE_X>x<SIZE_Y> <CODEC> <TIME>, AUDIO\x81\x46<AUDIO> )";  // AUDIO：
  info.Text2 = "<ACODEC>, <SAMPLINGRATE>, <CHANNEL>, <KBITRATE>";
  return info;
}

TDate_Size_INFO DefaultDateSizeInfo() {
  TDate_Size_INFO info;
  info.Text = "( <FILE_SIZE><UNIT> <DATE> )";
  return info;
}

TJPEG_GIF_INFO DefaultImageInfo() { return {"(<SIZE_X>x<SIZE_Y>)"}; }

TMP3_FRM_INFO DefaultMp3Info() {
  TMP3_FRM_INFO info;
  info.Text =
      "(<ARTIST> - <TITLE> <TIME> <VERSION>, <SAMPLINGRATE>, <CHANNEL>, <KBITRATE>, <FRAME>)";
  return info;
}

TFOLDER_INFO DefaultFolderInfo() {
  TFOLDER_INFO info;
  info.Text = "( <FOLDER_NAME> )";
  return info;
}

TInfoSettings DefaultInfoSettings() {
  return {DefaultAviInfo(), DefaultDateSizeInfo(), DefaultImageInfo(), DefaultMp3Info(),
          DefaultFolderInfo()};
}

void LoadInfoSettings(const TIniFile& ini, TAVI_CODEC_INFO& info, StringList* candidates) {
  const TAVI_CODEC_INFO d = DefaultAviInfo();
  info.Time_Idx = ReadInt32(ini, kAviSection, "Time_Idx", d.Time_Idx);
  info.Size_Idx = ReadInt32(ini, kAviSection, "Size_Idx", d.Size_Idx);
  info.Text = ini.ReadString(kAviSection, "Text", d.Text);
  info.Text2 = ini.ReadString(kAviSection, "Text2", d.Text2);
  LoadCandidates(ini, kAviCandidates, candidates);
}

void LoadInfoSettings(const TIniFile& ini, TDate_Size_INFO& info, StringList* candidates) {
  const TDate_Size_INFO d = DefaultDateSizeInfo();
  info.Size_Idx = ReadInt32(ini, kDateSection, "Size_Idx", d.Size_Idx);
  info.FormatIdx = ReadInt32(ini, kDateSection, "FormatIdx", d.FormatIdx);
  info.Text = ini.ReadString(kDateSection, "Text", d.Text);
  LoadCandidates(ini, kDateCandidates, candidates);
}

void LoadInfoSettings(const TIniFile& ini, TJPEG_GIF_INFO& info, StringList* candidates) {
  info.Text = ini.ReadString(kImageSection, "Text", DefaultImageInfo().Text);
  LoadCandidates(ini, kImageCandidates, candidates);
}

void LoadInfoSettings(const TIniFile& ini, TMP3_FRM_INFO& info, StringList* candidates) {
  const TMP3_FRM_INFO d = DefaultMp3Info();
  info.TimeIdx = ReadInt32(ini, kMp3Section, "TimeIdx", d.TimeIdx);
  info.FrameIdx = ReadInt32(ini, kMp3Section, "FrameIdx", d.FrameIdx);
  info.Text = ini.ReadString(kMp3Section, "Text", d.Text);
  LoadCandidates(ini, kMp3Candidates, candidates);
}

void LoadInfoSettings(const TIniFile& ini, TFOLDER_INFO& info, StringList* candidates) {
  const TFOLDER_INFO d = DefaultFolderInfo();
  info.Text = ini.ReadString(kFolderSection, "Text", d.Text);
  info.Idx1 = ReadInt32(ini, kFolderSection, "Idx1", d.Idx1);
  info.Idx2 = ReadInt32(ini, kFolderSection, "Idx2", d.Idx2);
  info.FullPath = ReadFlag(ini, kFolderSection, "FullPath", d.FullPath);
  info.DriveFL = ReadFlag(ini, kFolderSection, "DriveFL", d.DriveFL);
  LoadCandidates(ini, kFolderCandidates, candidates);
}

TInfoSettings LoadAllInfoSettings(const TIniFile& ini) {
  TInfoSettings s;
  LoadInfoSettings(ini, s.Avi);
  LoadInfoSettings(ini, s.DateSize);
  LoadInfoSettings(ini, s.Image);
  LoadInfoSettings(ini, s.Mp3);
  LoadInfoSettings(ini, s.Folder);
  return s;
}

void SaveInfoSettings(TIniFile& ini, const TAVI_CODEC_INFO& info) {
  ini.WriteInteger(kAviSection, "Time_Idx", info.Time_Idx);
  ini.WriteInteger(kAviSection, "Size_Idx", info.Size_Idx);
  ini.WriteString(kAviSection, "Text", info.Text);
  ini.WriteString(kAviSection, "Text2", info.Text2);
}

void SaveInfoSettings(TIniFile& ini, const TDate_Size_INFO& info) {
  ini.WriteInteger(kDateSection, "Size_Idx", info.Size_Idx);
  ini.WriteInteger(kDateSection, "FormatIdx", info.FormatIdx);
  ini.WriteString(kDateSection, "Text", info.Text);
}

void SaveInfoSettings(TIniFile& ini, const TJPEG_GIF_INFO& info) {
  ini.WriteString(kImageSection, "Text", info.Text);
}

void SaveInfoSettings(TIniFile& ini, const TMP3_FRM_INFO& info) {
  ini.WriteInteger(kMp3Section, "TimeIdx", info.TimeIdx);
  ini.WriteInteger(kMp3Section, "FrameIdx", info.FrameIdx);
  ini.WriteString(kMp3Section, "Text", info.Text);
}

void SaveInfoSettings(TIniFile& ini, const TFOLDER_INFO& info) {
  ini.WriteString(kFolderSection, "Text", info.Text);
  ini.WriteInteger(kFolderSection, "Idx1", info.Idx1);
  ini.WriteInteger(kFolderSection, "Idx2", info.Idx2);
  ini.WriteBool(kFolderSection, "FullPath", info.FullPath);
  ini.WriteBool(kFolderSection, "DriveFL", info.DriveFL);
}

void WriteCandidateSection(TIniFile& ini, std::string_view section, const StringList& items) {
  const std::size_t old_count = ini.KeyNames(section).size();
  for (std::size_t i = 0; i < items.size(); ++i) {
    ini.WriteString(section, std::to_string(i), items[i]);
  }
  for (std::size_t i = items.size(); i < old_count; ++i) {
    ini.DeleteKey(section, std::to_string(i));
  }
}

void SaveCandidateSection(const std::string& ini_path, std::string_view section,
                          const StringList& items) {
  TIniFile ini(ini_path);
  WriteCandidateSection(ini, section, items);
  ini.Save();
}

}  // namespace nalo
