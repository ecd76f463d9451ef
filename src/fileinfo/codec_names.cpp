// Codec name look-ups. A codec file is parsed again whenever it changed on disk
// (another inode, size or modification time than at the last parse), so an edit of
// the codec registry is seen by the next item, while a batch over thousands of
// files costs one stat per look-up instead of a read and parse of the whole file.
#include "fileinfo/codec_names.h"

#include <sys/stat.h>

#include <cstdio>
#include <map>
#include <memory>
#include <mutex>

#include "settings/ini_file.h"

namespace nalo {

namespace {

std::string PathIn(const std::string& dir, const char* file) {
  if (dir.empty()) return file;
  return dir.back() == '/' ? dir + file : dir + "/" + file;
}

struct TFileStamp {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified {};
  bool operator==(const TFileStamp& o) const {
    return device == o.device && inode == o.inode && size == o.size &&
           modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
  }
};

struct TCachedCodecFile {
  TFileStamp stamp;
  std::shared_ptr<const TIniFile> ini;
};

// The parsed codec file at `path`, or nothing when there is no file.
std::shared_ptr<const TIniFile> CodecFile(const std::string& path) {
  static std::mutex mutex;
  static std::map<std::string, TCachedCodecFile> cache;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return nullptr;
  const TFileStamp stamp {st.st_dev, st.st_ino, st.st_size, st.st_mtim};
  std::lock_guard lock(mutex);
  TCachedCodecFile& entry = cache[path];
  if (!entry.ini || !(entry.stamp == stamp)) {
    entry.ini = std::make_shared<const TIniFile>(path);
    entry.stamp = stamp;
  }
  return entry.ini;
}

std::string LookUp(const std::string& path, std::string_view section, std::string_view key) {
  const auto ini = CodecFile(path);
  return ini ? ini->ReadString(section, key, "") : std::string();
}

}  // namespace

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
