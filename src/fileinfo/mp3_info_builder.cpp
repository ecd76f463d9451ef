// The MP3 builder: the ten MP3 tags from the record that ReadMp3Info fills; a file
// with neither an ID3v1 tag nor MPEG data gives nothing.
#include "fileinfo/info_builders.h"
#include "fileinfo/mp3_info.h"
#include "fileinfo/tag_expansion.h"

namespace nalo {

std::string BuildMp3Info(const TMP3_FRM_INFO& info, const std::string& cp932_path) {
  Tmp3Info mp3;
  if (ReadMp3Info(mp3, cp932_path, info.TimeIdx, info.FrameIdx) == kMp3Neither) return {};
  static constexpr std::pair<std::string_view, int> kTags[] = {
      {kTagArtist, Tmp3Info::kArtist},   {kTagTitle, Tmp3Info::kTitle},
      {kTagAlbum, Tmp3Info::kAlbum},     {kTagTrack, Tmp3Info::kTrack},
      {kTagTime, Tmp3Info::kTime},       {kTagVersion, Tmp3Info::kVersion},
      {kTagSamplingRate, Tmp3Info::kSamplingRate}, {kTagChannel, Tmp3Info::kChannel},
      {kTagKBitRate, Tmp3Info::kBitRate}, {kTagFrame, Tmp3Info::kFrame},
  };
  std::string text = info.Text;
  for (const auto& [tag, field] : kTags) text = ExpandTag(text, tag, mp3.Fields[field]);
  return text;
}

}  // namespace nalo
