// Codec name look-ups. A codec file is parsed again whenever it changed on disk
// (another inode, size or modification time than at the last parse), so an edit of
// the codec registry is seen by the next item, while a batch over thousands of
// files costs one stat per look-up instead of a read and parse of the whole file.
// A file that cannot be read stays in the cache with its error, which each look-up
// reports again until the file changes.
#include "fileinfo/codec_names.h"

#include <cstdio>
#include <map>
#include <memory>
#include <mutex>

#include "platform/record_file.h"
#include "settings/ini_file.h"

namespace nalo {

namespace {

std::string PathIn(const std::string& dir, const char* file) {
  if (dir.empty()) return file;
  return dir.back() == '/' ? dir + file : dir + "/" + file;
}

struct TCachedCodecFile {
  TFileVersion version;
  std::shared_ptr<const TIniFile> ini;
};

// The parsed codec file at `path`, or nothing when there is no file.
std::shared_ptr<const TIniFile> CodecFile(const std::string& path) {
  static std::mutex mutex;
  static std::map<std::string, TCachedCodecFile> cache;
  const std::optional<TFileVersion> version = FileVersionAt(path);
  if (!version) return nullptr;
  std::shared_ptr<const TIniFile> ini;
  {
    std::lock_guard lock(mutex);
    TCachedCodecFile& entry = cache[path];
    if (!entry.ini || !(entry.version == *version)) {
      entry.ini = std::make_shared<const TIniFile>(path);
      entry.version = *version;
    }
    ini = entry.ini;
  }
  if (const int err = ini->ReadError()) throw ECodecFileError(path, err);
  return ini;
}

std::string LookUp(const std::string& path, std::string_view section, std::string_view key) {
  const auto ini = CodecFile(path);
  return ini ? ini->ReadString(section, key, "") : std::string();
}

}  // namespace

ECodecFileError::ECodecFileError(const std::string& path, int err)
    : EInfoReadError("コーデック名のファイルを読めません: " + path + ": " + ReadErrorReason(err)) {}

std::string LookUpVideoCodec(const std::string& settings_dir, const std::array<char, 4>& fourcc) {
  std::string code(fourcc.data(), fourcc.size());
  code.resize(code.find('\0') == std::string::npos ? code.size() : code.find('\0'));
  if (code.empty()) return {};
  return LookUp(PathIn(settings_dir, kVideoCodecFile), code, "Codec");
}

std::string AudioSectionName(std::uint16_t format_tag) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "0x%04X", static_cast<unsigned>(format_tag));
  return buf;
}

std::string LookUpAudioCodec(const std::string& settings_dir, std::uint16_t format_tag) {
  return LookUp(PathIn(settings_dir, kAudioCodecFile), AudioSectionName(format_tag), "Audio");
}

}  // namespace nalo
