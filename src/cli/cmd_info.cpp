// nalo-cli info: the information text a template builds for each file, in
// argument order; an empty line when the builder finds nothing. A file that does
// not exist or cannot be opened gets an empty line and the core's message on
// stderr, and the command ends with exit code 2.
#include <sys/stat.h>
#include <unistd.h>

#include <iostream>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "fileinfo/byte_source.h"
#include "fileinfo/info_source.h"

namespace nalo::cli {
namespace {

TInfoKind KindOf(const std::string& kind) {
  if (kind == "avi") return TInfoKind::Avi;
  if (kind == "date") return TInfoKind::DateSize;
  if (kind == "image") return TInfoKind::Image;
  if (kind == "mp3") return TInfoKind::Mp3;
  if (kind == "folder") return TInfoKind::Folder;
  throw EUsageError("情報の種類は avi, date, image, mp3, folder のどれかです: " + kind);
}

std::string AbsolutePath(const std::string& path) {
  if (!path.empty() && path[0] == '/') return path;
  char cwd[4096];
  if (getcwd(cwd, sizeof cwd) == nullptr) return path;
  return std::string(cwd) + "/" + path;
}

bool IsFolder(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Exists(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0;
}

// The information text of one file, UTF-8 path; throws EInfoReadError.
std::string InfoText(const TInfoTextSource& source, TInfoKind kind, const std::string& file) {
  const std::string path = AbsolutePath(file);
  const std::string core_path = PathToCore(path);
  if (!Exists(path)) throw EInfoReadError(CannotOpenMessage(PathToCore(file)));
  return source(kind, core_path, IsFolder(path));
}

}  // namespace

int RunInfo(const TCliArgs& args) {
  const TSession session(args);
  const TInfoKind kind = KindOf(args.InfoKind);
  const TInfoTextSource source = MakeInfoTextSource(session.Info, session.SettingsDir);
  int code = kExitDone;
  for (const std::string& file : args.InfoFiles) {
    try {
      std::cout << session.Text.FromCore(InfoText(source, kind, file)) << "\n";
    } catch (const EInfoReadError& e) {
      std::cout << "\n";
      std::cerr << e.what() << "\n";
      code = kExitUsage;
    }
  }
  return code;
}

}  // namespace nalo::cli
