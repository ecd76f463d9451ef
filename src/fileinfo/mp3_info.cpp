// Turning a read MPEG audio file into the texts of the MP3 tags. MPEG data counts
// as found only with a valid header and a positive frame length; the frame count
// divides the whole file size, tag included, by the first frame's length.
#include "fileinfo/mp3_info.h"

#include "fileinfo/info_formats.h"
#include "text/name_text.h"

namespace nalo {

namespace {

std::string FrameText(std::int64_t file_size, int frame_length, int frame_index) {
  const std::string length = std::to_string(frame_length);
  const std::string count = std::to_string(file_size / frame_length);
  switch (frame_index) {
    case 0: return "Frame len=" + length;
    case 1: return count + "frames";
    case 2: return "Frame len=" + length + ", " + count + " frames";
    default: return {};
  }
}

void FillTagFields(const TID3v1Tag& tag, Tmp3Info& info) {
  if (!tag.Found()) return;
  info.Fields[Tmp3Info::kArtist] = ReplaceForbiddenChars(tag.Artist());
  info.Fields[Tmp3Info::kTitle] = ReplaceForbiddenChars(tag.Title());
  info.Fields[Tmp3Info::kAlbum] = ReplaceForbiddenChars(tag.Album());
  info.Fields[Tmp3Info::kTrack] = std::to_string(tag.Track());
}

void FillMpegFields(const TAudioInfo& audio, int time_index, int frame_index, Tmp3Info& info) {
  const TMpegFrameHdr& h = audio.Header();
  info.Fields[Tmp3Info::kTime] = FormatDuration(audio.PlayingTimeMs() / 1000, time_index);
  info.Fields[Tmp3Info::kVersion] =
      ReplaceForbiddenChars("MPEG " + h.VersionText() + " layer-" + h.LayerText());
  info.Fields[Tmp3Info::kSamplingRate] = std::to_string(h.SamplingRate()) + "Hz";
  info.Fields[Tmp3Info::kBitRate] = std::to_string(h.BitRate()) + "Kbps";
  const std::string extension = h.ModeExtensionText();
  info.Fields[Tmp3Info::kChannel] = extension.empty() ? h.ChannelModeText() : extension;
  if (h.FrameLength() > 0) {
    info.Fields[Tmp3Info::kFrame] =
        ReplaceForbiddenChars(FrameText(audio.FileSize(), h.FrameLength(), frame_index));
  }
}

}  // namespace

int FillMp3Info(const TAudioInfo& audio, int time_index, int frame_index, Tmp3Info& info) {
  info = Tmp3Info();
  FillTagFields(audio.Tag(), info);
  const bool has_tag = audio.Tag().Found();
  bool has_mpeg = false;
  if (audio.Header().Valid()) {
    FillMpegFields(audio, time_index, frame_index, info);
    has_mpeg = audio.Header().FrameLength() > 0;
  }
  if (has_tag && has_mpeg) return kMp3TagAndMpeg;
  if (has_tag) return kMp3TagOnly;
  return has_mpeg ? kMp3MpegOnly : kMp3Neither;
}

int ReadMp3Info(Tmp3Info& info, const std::string& cp932_path, int time_index, int frame_index) {
  info = Tmp3Info();
  TAudioInfo audio;
  if (!audio.Open(cp932_path)) return kMp3Neither;
  return FillMp3Info(audio, time_index, frame_index, info);
}

}  // namespace nalo
