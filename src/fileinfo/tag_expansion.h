// Tags of the information templates and their expansion. A tag is matched exactly,
// case-sensitively and only at a Shift-JIS character boundary; each expansion step
// replaces every occurrence of one tag left to right without searching the value
// it inserted, so only a later step can expand a tag that a value carries.
#pragma once

#include <string>
#include <string_view>

namespace nalo {

inline constexpr std::string_view kTagSizeX = "<SIZE_X>";
inline constexpr std::string_view kTagSizeY = "<SIZE_Y>";
inline constexpr std::string_view kTagCodec = "<CODEC>";
inline constexpr std::string_view kTagTime = "<TIME>";
inline constexpr std::string_view kTagFps = "<FPS>";
inline constexpr std::string_view kTagFrames = "<FRAMES>";
inline constexpr std::string_view kTagAudio = "<AUDIO>";
inline constexpr std::string_view kTagAudioCodec = "<ACODEC>";
inline constexpr std::string_view kTagBit = "<BIT>";
inline constexpr std::string_view kTagSamplingRate = "<SAMPLINGRATE>";
inline constexpr std::string_view kTagChannel = "<CHANNEL>";
inline constexpr std::string_view kTagKBitRate = "<KBITRATE>";
inline constexpr std::string_view kTagFileSize = "<FILE_SIZE>";
inline constexpr std::string_view kTagUnit = "<UNIT>";
inline constexpr std::string_view kTagDate = "<DATE>";
inline constexpr std::string_view kTagArtist = "<ARTIST>";
inline constexpr std::string_view kTagTitle = "<TITLE>";
inline constexpr std::string_view kTagAlbum = "<ALBUM>";
inline constexpr std::string_view kTagTrack = "<TRACK>";
inline constexpr std::string_view kTagVersion = "<VERSION>";
inline constexpr std::string_view kTagFrame = "<FRAME>";
inline constexpr std::string_view kTagFolderName = "<FOLDER_NAME>";

// `text` with every occurrence of `tag` replaced by `value`.
std::string ExpandTag(std::string_view text, std::string_view tag, std::string_view value);

// True when `text` holds `tag` at a character boundary.
bool TemplateHasTag(std::string_view text, std::string_view tag);

}  // namespace nalo
