// The AVI builder. The frame rate comes from the main header's microseconds per
// frame, or from the video stream's rate (in 1/10000 frames per second) when that
// is 0; a zero duration shows the question-mark text of the time format. The audio
// sub-template is expanded first and inserted for <AUDIO>.
#include <cmath>
#include <cstdio>

#include "fileinfo/codec_names.h"
#include "fileinfo/info_builders.h"
#include "fileinfo/info_formats.h"
#include "fileinfo/tag_expansion.h"

namespace nalo {

namespace {

// The stream rate field counts frames per 10000 seconds.
constexpr double kRateScale = 10000.0;
constexpr double kMicrosecondsPerSecond = 1000000.0;
constexpr std::string_view kUnknownAudio = "\x95\x73\x96\xBE";  // 不明

double FramesPerSecond(const TAviHeaders& h) {
  if (h.MicroSecPerFrame() > 0) return kMicrosecondsPerSecond / h.MicroSecPerFrame();
  return h.Rate() / kRateScale;
}

std::int64_t DurationSeconds(const TAviHeaders& h) {
  if (h.MicroSecPerFrame() == 0 && h.Rate() == 0) return 0;
  return static_cast<std::int64_t>(h.TotalFrames() / FramesPerSecond(h));
}

std::string TimeText(const TAviHeaders& h, int time_index) {
  const std::int64_t seconds = DurationSeconds(h);
  if (seconds != 0) return FormatDuration(seconds, time_index);
  return time_index >= 0 && time_index < kTimeFormatCount
             ? std::string(ZeroDurationTexts[time_index])
             : std::string();
}

std::string Printf(const char* format, double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, format, value);
  return buf;
}

std::string ChannelText(std::uint16_t channels) {
  if (channels == 1) return "Mono";
  if (channels == 2) return "Stereo";
  return {};
}

std::string AudioText(const TAVI_CODEC_INFO& info, const TAviHeaders& h,
                      std::string_view audio_name) {
  std::string text = ExpandTag(info.Text2, kTagAudioCodec, audio_name.empty() ? kUnknownAudio : audio_name);
  const std::uint16_t bits = h.BitsPerSample();
  text = ExpandTag(text, kTagBit, bits == 0 ? std::string() : std::to_string(bits) + "bit");
  text = ExpandTag(text, kTagSamplingRate, std::to_string(h.SamplesPerSec()) + "Hz");
  text = ExpandTag(text, kTagChannel, ChannelText(h.Channels()));
  return ExpandTag(text, kTagKBitRate, Printf("%.0fKbps", h.AvgBytesPerSec() * 8.0 / 1000.0));
}

}  // namespace

std::string ExpandAviInfo(const TAVI_CODEC_INFO& info, const TAviHeaders& h,
                          std::string_view codec_name, std::string_view audio_name) {
  std::string text = ExpandTag(info.Text, kTagAudio, AudioText(info, h, audio_name));
  text = ExpandTag(text, kTagSizeX, std::to_string(h.Width()));
  text = ExpandTag(text, kTagSizeY, std::to_string(h.Height()));
  text = ExpandTag(text, kTagCodec, codec_name);
  text = ExpandTag(text, kTagTime, TimeText(h, info.Time_Idx));
  text = ExpandTag(text, kTagFps, Printf("%.3ffps", FramesPerSecond(h)));
  text = ExpandTag(text, kTagFrames, std::to_string(h.TotalFrames()) + "Frames");
  text = ExpandTag(text, kTagFileSize, FileSizeTagValue(text, h.FileSize, info.Size_Idx));
  return ExpandTag(text, kTagUnit, UnitWord(info.Size_Idx));
}

std::string BuildAviInfo(const TAVI_CODEC_INFO& info, const std::string& settings_dir,
                         const std::string& cp932_path) {
  const TAviHeaders headers = ReadAviHeaders(cp932_path, settings_dir);
  if (headers.FileSize < 0) return {};  // no file at the path
  const std::string codec = LookUpVideoCodec(settings_dir, headers.Handler());
  if (codec.empty()) return {};
  const std::string audio = LookUpAudioCodec(settings_dir, headers.FormatTag());
  return ExpandAviInfo(info, headers, codec, audio);
}

}  // namespace nalo
