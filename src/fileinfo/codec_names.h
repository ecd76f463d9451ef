// Look-ups in the codec name files of the settings folder: codecs.dat maps a
// video FourCC (section) to key "Codec", audio.dat maps "0x" plus the audio
// format tag in four upper-case hex digits (section) to key "Audio". Both are
// INI files; a missing file or key gives an empty name, a file that is there but
// cannot be read (a named pipe, no permission) throws ECodecFileError.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "rules/info_text_source.h"

namespace nalo {

inline constexpr const char* kVideoCodecFile = "codecs.dat";
inline constexpr const char* kAudioCodecFile = "audio.dat";

// A codec file that is there but cannot be read. An information run ends with it
// as with an item it cannot read; the message names the file and the reason.
class ECodecFileError : public EInfoReadError {
 public:
  ECodecFileError(const std::string& path, int err);
};

// The registered name of a video codec. The FourCC is taken as text up to its
// first zero byte; an empty code has no name.
std::string LookUpVideoCodec(const std::string& settings_dir, const std::array<char, 4>& fourcc);

// The section name of an audio format tag: "0x0055", "0x2000".
std::string AudioSectionName(std::uint16_t format_tag);

// The registered name of an audio format tag.
std::string LookUpAudioCodec(const std::string& settings_dir, std::uint16_t format_tag);

}  // namespace nalo
