// Codec name look-ups. Every call reads its file anew, so an edit of the codec
// registry is seen by the next item without any reload step.
#include "fileinfo/codec_names.h"

#include <cstdio>
#include <string_view>

#include "settings/ini_file.h"

namespace nalo {

namespace {

std::string PathIn(const std::string& dir, const char* file) {
  if (dir.empty()) return file;
  return dir.back() == '/' ? dir + file : dir + "/" + file;
}

}  // namespace

std::string LookUpVideoCodec(const std::string& settings_dir, const std::array<char, 4>& fourcc) {
  std::string code(fourcc.data(), fourcc.size());
  code.resize(code.find('\0') == std::string::npos ? code.size() : code.find('\0'));
  if (code.empty()) return {};
  return TIniFile(PathIn(settings_dir, kVideoCodecFile)).ReadString(code, "Codec", "");
}

std::string AudioSectionName(std::uint16_t format_tag) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "0x%04X", static_cast<unsigned>(format_tag));
  return buf;
}

std::string LookUpAudioCodec(const std::string& settings_dir, std::uint16_t format_tag) {
  return TIniFile(PathIn(settings_dir, kAudioCodecFile))
      .ReadString(AudioSectionName(format_tag), "Audio", "");
}

}  // namespace nalo
