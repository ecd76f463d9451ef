// The MP3 information record behind the MP3 template tags, filled from the ID3v1
// tag and the first MPEG frame of a file. Texts that end up in names have the
// forbidden name characters replaced by "_".
#pragma once

#include <array>
#include <string>

#include "fileinfo/audio_info.h"

namespace nalo {

struct Tmp3Info {
  // Indexes of the used fields; 2, 3, 4 and 9 are kept for the record's layout.
  static constexpr int kArtist = 0;
  static constexpr int kTitle = 1;
  static constexpr int kAlbum = 5;
  static constexpr int kTrack = 6;
  static constexpr int kTime = 7;
  static constexpr int kVersion = 8;
  static constexpr int kSamplingRate = 10;
  static constexpr int kChannel = 11;
  static constexpr int kBitRate = 12;
  static constexpr int kFrame = 13;
  static constexpr int kFieldCount = 14;

  std::array<std::string, kFieldCount> Fields;
};

// Result codes of ReadMp3Info.
inline constexpr int kMp3Neither = -1;
inline constexpr int kMp3TagOnly = 0;
inline constexpr int kMp3MpegOnly = 1;
inline constexpr int kMp3TagAndMpeg = 2;

// Fills `info` from an already read file; `time_index` is the playing-time format
// (0-7) and `frame_index` the frame text style (0-2). Returns a result code.
int FillMp3Info(const TAudioInfo& audio, int time_index, int frame_index, Tmp3Info& info);

// Reads the file at a CP932 path into `info`. A missing file gives -1 without being
// opened; a file that exists but cannot be opened throws EInfoReadError.
int ReadMp3Info(Tmp3Info& info, const std::string& cp932_path, int time_index, int frame_index);

}  // namespace nalo
