// Template previews with the sample values of the dialogs. Expansion order and the
// size rule are those of the builders; the folder preview runs the folder builder
// itself on a file in the sample folder.
#include "fileinfo/template_preview.h"

#include "fileinfo/info_builders.h"
#include "fileinfo/tag_expansion.h"
#include "text/name_text.h"

namespace nalo {

namespace {

constexpr std::string_view kSampleCodec = "CODEC\x96\xBC";  // CODEC名

std::string TimeCaption(int index) {
  return index >= 0 && index < kTimeFormatCount ? std::string(TimeFormatCaptions[index])
                                                : std::string();
}

std::string FrameSample(int style) {
  switch (style) {
    case 0: return "Frame len=999";
    case 1: return "999frames";
    case 2: return "Frame len=999, 999frames";
    default: return {};
  }
}

}  // namespace

const std::array<std::string_view, kTimeFormatCount> TimeFormatCaptions = {
    "hh\x81\x46nn\x81\x46ss",               // hh：nn：ss
    "hh'nn'ss",
    "999sec",
    "99h99m99s",
    "99m99s",
    "mm'ss",
    "hh\x8E\x9Emm\x95\xAAss\x95\x62",      // hh時mm分ss秒
    "mm\x95\xAAss\x95\x62",                // mm分ss秒
};

std::string PreviewAviTemplate(const TAVI_CODEC_INFO& info) {
  std::string audio = ExpandTag(info.Text2, kTagAudioCodec, kSampleCodec);
  audio = ExpandTag(audio, kTagBit, "99bit");
  audio = ExpandTag(audio, kTagSamplingRate, "999Hz");
  audio = ExpandTag(audio, kTagChannel, "Mono");
  audio = ExpandTag(audio, kTagKBitRate, "999Kbps");
  std::string text = ExpandTag(info.Text, kTagSizeX, "640");
  text = ExpandTag(text, kTagSizeY, "480");
  text = ExpandTag(text, kTagCodec, kSampleCodec);
  text = ExpandTag(text, kTagAudio, audio);
  text = ExpandTag(text, kTagFileSize, FileSizeTagValue(text, kPreviewFileSize, info.Size_Idx));
  text = ExpandTag(text, kTagUnit, UnitWord(info.Size_Idx));
  text = ExpandTag(text, kTagTime, TimeCaption(info.Time_Idx));
  text = ExpandTag(text, kTagFps, "999fps");
  return ExpandTag(text, kTagFrames, "9999frames");
}

std::string PreviewDateSizeTemplate(const TDate_Size_INFO& info, const std::tm& today) {
  std::string text = ExpandTag(info.Text, kTagFileSize,
                               FileSizeTagValue(info.Text, kPreviewFileSize, info.Size_Idx));
  text = ExpandTag(text, kTagDate, FormatDate(today, info.FormatIdx));
  return ExpandTag(text, kTagUnit, UnitWord(info.Size_Idx));
}

std::string PreviewImageTemplate(const TJPEG_GIF_INFO& info) {
  return ExpandTag(ExpandTag(info.Text, kTagSizeX, "100"), kTagSizeY, "200");
}

std::string PreviewMp3Template(const TMP3_FRM_INFO& info) {
  static constexpr std::pair<std::string_view, std::string_view> kSamples[] = {
      {kTagArtist, "\x83\x41\x81\x5B\x83\x65\x83\x42\x83\x58\x83\x67\x96\xBC"},  // アーティスト名
      {kTagTitle, "\x83\x5E\x83\x43\x83\x67\x83\x8B"},                          // タイトル
      {kTagAlbum, "\x83\x41\x83\x8B\x83\x6F\x83\x80\x96\xBC"},                  // アルバム名
      {kTagTrack, "\x83\x67\x83\x89\x83\x62\x83\x4E\x94\xD4\x8D\x86"},          // トラック番号
  };
  std::string text = info.Text;
  for (const auto& [tag, value] : kSamples) text = ExpandTag(text, tag, value);
  text = ExpandTag(text, kTagTime, TimeCaption(info.TimeIdx));
  text = ExpandTag(text, kTagVersion, "MPEG 1.0 layer-3");
  text = ExpandTag(text, kTagSamplingRate, "999Hz");
  text = ExpandTag(text, kTagChannel, "Joint Stereo");
  text = ExpandTag(text, kTagKBitRate, "999Kbps");
  return ExpandTag(text, kTagFrame, FrameSample(info.FrameIdx));
}

std::string PreviewFolderTemplate(const TFOLDER_INFO& info) {
  return BuildFolderNameInfo(info, std::string(kPreviewFolderPath) + "/a");
}

bool PreviewFitsFileName(std::string_view preview) { return !HasForbiddenChar(preview); }

}  // namespace nalo
