// AVI header scan. Three patterns ("strl" "strh" <56> "vid", the same with "aud",
// and "movi") are matched by counters that survive from one 1039-byte window to
// the next; windows overlap by 15 bytes so a pattern is never cut in two. The scan
// stops at the first audio stream list or at "movi"; the last video stream list
// seen before that gives the video header. A DivX handler is refined by the
// compression code of the stream's bitmap header when that code is registered.
#include "fileinfo/avi_reader.h"

#include <cstring>

#include "fileinfo/codec_names.h"
#include "fileinfo/file_entry.h"
#include "rules/info_text_source.h"

namespace nalo {

namespace {

// Bytes read per scan window; with the overlap below, each window advances 1024.
constexpr std::size_t kScanWindow = 1039;
// Overlap of consecutive windows: the length of the longest pattern.
constexpr std::int64_t kScanOverlap = 15;
// A file shorter than the RIFF header (RIFF, size, "AVI ") is no AVI.
constexpr std::int64_t kMinAviSize = 12;
// Offset of the avih chunk data behind RIFF, size, "AVI ", LIST, size, "hdrl", avih, size.
constexpr std::int64_t kMainHeaderOffset = 32;
// From the last byte of "auds" to the data of the stream's strf chunk: the rest of
// the 56-byte strh data (54 bytes), "strf" and its size, plus one.
constexpr std::int64_t kAudioFormatDistance = 62;
// From the last byte of "vids" to the handler field that follows it.
constexpr std::int64_t kVideoHandlerDistance = 2;
// Bitmap header bytes read behind "strf": the chunk size and the header up to and
// including biCompression (bytes 20-23 of these 24).
constexpr std::size_t kBitmapPrefix = 24;

constexpr std::uint8_t kVideoPattern[] = {'s', 't', 'r', 'l', 's', 't', 'r', 'h',
                                          0x38, 0, 0, 0, 'v', 'i', 'd'};
constexpr std::uint8_t kAudioPattern[] = {'s', 't', 'r', 'l', 's', 't', 'r', 'h',
                                          0x38, 0, 0, 0, 'a', 'u', 'd'};
constexpr std::uint8_t kMoviPattern[] = {'m', 'o', 'v', 'i'};

std::uint32_t Le32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

// Counter of the bytes of one pattern matched so far. A mismatching byte resets
// it without being tried as the pattern's first byte.
struct TPatternCounter {
  const std::uint8_t* pattern;
  std::size_t length;
  std::size_t matched = 0;

  // Feeds one byte; true when it completes the pattern (the counter starts over).
  bool Feed(std::uint8_t byte) {
    matched = byte == pattern[matched] ? matched + 1 : 0;
    if (matched < length) return false;
    matched = 0;
    return true;
  }
};

// The first index from `k` on whose byte can begin one of the patterns ("s" of
// "strl", "m" of "movi"), or `n`.
std::size_t SkipToPatternStart(const std::uint8_t* window, std::size_t k, std::size_t n) {
  while (k < n && window[k] != 's' && window[k] != 'm') ++k;
  return k;
}

struct TScanResult {
  std::int64_t video_handler = -1;  // offset of the last video handler field seen
  std::int64_t audio_format = -1;   // offset of the first audio format
};

TScanResult ScanStreamLists(TByteSource& source, std::int64_t file_size) {
  TPatternCounter video {kVideoPattern, sizeof kVideoPattern};
  TPatternCounter audio {kAudioPattern, sizeof kAudioPattern};
  TPatternCounter movi {kMoviPattern, sizeof kMoviPattern};
  TScanResult result;
  std::uint8_t window[kScanWindow];
  std::int64_t position = 0;
  while (position < file_size - kScanOverlap) {
    const std::int64_t start = position;
    const std::size_t n = source.ReadAt(start, window, kScanWindow);
    for (std::size_t k = 0; k < n; ++k) {
      if (video.matched == 0 && audio.matched == 0 && movi.matched == 0) {
        k = SkipToPatternStart(window, k, n);  // bytes in between leave the counters at 0
        if (k == n) break;
      }
      const std::int64_t at = start + static_cast<std::int64_t>(k);
      if (video.Feed(window[k])) result.video_handler = at + kVideoHandlerDistance;
      const bool audio_done = audio.Feed(window[k]);
      const bool movi_done = movi.Feed(window[k]);
      if (audio_done) result.audio_format = at + kAudioFormatDistance;
      if (audio_done || movi_done) return result;
    }
    // A short read (the file shrank or failed) would move the window backwards.
    if (static_cast<std::int64_t>(n) <= kScanOverlap) break;
    position = start + static_cast<std::int64_t>(n) - kScanOverlap;
  }
  return result;
}

// The DivX rule: the compression code of the bitmap header behind the stream
// header replaces a "DIVX" handler (any case) when that code has a name.
void RefineDivxHandler(TByteSource& source, std::int64_t handler_at, TAviHeaders& headers,
                       const TVideoCodecLookup& lookup) {
  char upper[4];
  for (int i = 0; i < 4; ++i) {
    const char c = static_cast<char>(headers.VideoHeader[i]);
    upper[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  if (std::memcmp(upper, "DIVX", 4) != 0) return;
  const std::int64_t strf_at = handler_at + static_cast<std::int64_t>(headers.VideoHeader.size());
  char tag[4];
  if (source.ReadAt(strf_at, tag, 4) != 4 || std::memcmp(tag, "strf", 4) != 0) return;
  std::uint8_t bitmap[kBitmapPrefix];
  if (source.ReadAt(strf_at + 4, bitmap, kBitmapPrefix) != kBitmapPrefix) return;
  std::array<char, 4> compression;
  std::memcpy(compression.data(), bitmap + 20, 4);
  if (lookup && !lookup(compression).empty()) std::memcpy(headers.VideoHeader.data(), bitmap + 20, 4);
}

}  // namespace

std::uint32_t TAviHeaders::MicroSecPerFrame() const { return Le32(&MainHeader[0]); }
std::uint32_t TAviHeaders::TotalFrames() const { return Le32(&MainHeader[16]); }
std::uint32_t TAviHeaders::Width() const { return Le32(&MainHeader[32]); }
std::uint32_t TAviHeaders::Height() const { return Le32(&MainHeader[36]); }
std::array<char, 4> TAviHeaders::Handler() const {
  std::array<char, 4> code;
  std::memcpy(code.data(), VideoHeader.data(), 4);
  return code;
}
std::uint32_t TAviHeaders::Rate() const { return Le32(&VideoHeader[20]); }
std::uint16_t TAviHeaders::FormatTag() const { return Le16(&AudioFormat[0]); }
std::uint16_t TAviHeaders::Channels() const { return Le16(&AudioFormat[2]); }
std::uint32_t TAviHeaders::SamplesPerSec() const { return Le32(&AudioFormat[4]); }
std::uint32_t TAviHeaders::AvgBytesPerSec() const { return Le32(&AudioFormat[8]); }
std::uint16_t TAviHeaders::BitsPerSample() const { return Le16(&AudioFormat[14]); }

TAviHeaders ReadAviHeaders(TByteSource& source, const TVideoCodecLookup& lookup) {
  TAviHeaders headers;
  headers.FileSize = source.Size();
  if (headers.FileSize < kMinAviSize) return headers;
  char riff[4];
  char form[4];
  if (source.ReadAt(0, riff, 4) != 4 || std::memcmp(riff, "RIFF", 4) != 0) return headers;
  if (source.ReadAt(8, form, 4) != 4 || std::memcmp(form, "AVI ", 4) != 0) return headers;
  source.ReadAt(kMainHeaderOffset, headers.MainHeader.data(), headers.MainHeader.size());

  const TScanResult scan = ScanStreamLists(source, headers.FileSize);
  if (scan.audio_format >= 0) {
    source.ReadAt(scan.audio_format, headers.AudioFormat.data(), headers.AudioFormat.size());
  }
  if (scan.video_handler >= 0) {
    source.ReadAt(scan.video_handler, headers.VideoHeader.data(), headers.VideoHeader.size());
    RefineDivxHandler(source, scan.video_handler, headers, lookup);
  }
  return headers;
}

TAviHeaders ReadAviHeaders(const std::string& cp932_path, const std::string& settings_dir) {
  std::unique_ptr<TFileByteSource> source;
  try {
    source = OpenFileAt(cp932_path);
  } catch (const EInfoReadError&) {
    // A file too short to be an AVI is never opened, so it cannot fail to open.
    TAviHeaders headers;
    headers.FileSize = GetFileSize64(cp932_path);
    if (headers.FileSize < kMinAviSize) return headers;
    throw;
  }
  if (!source) return TAviHeaders {};
  return ReadAviHeaders(*source, [&settings_dir](const std::array<char, 4>& code) {
    return LookUpVideoCodec(settings_dir, code);
  });
}

}  // namespace nalo
