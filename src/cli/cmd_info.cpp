// nalo-cli info: the information text a template builds for each file, in
// argument order; an empty line when the builder finds nothing.
#include <sys/stat.h>
#include <unistd.h>

#include <iostream>

#include "cli/cli_session.h"
#include "cli/commands.h"
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

}  // namespace

int RunInfo(const TCliArgs& args) {
  const TSession session(args);
  const TInfoKind kind = KindOf(args.InfoKind);
  const TInfoTextSource source = MakeInfoTextSource(session.Info, session.SettingsDir);
  int code = kExitDone;
  for (const std::string& file : args.InfoFiles) {
    const std::string path = AbsolutePath(file);
    try {
      std::cout << session.Text.FromCore(source(kind, PathToCore(path), IsFolder(path))) << "\n";
    } catch (const EInfoReadError& e) {
      std::cout << "\n";
      std::cerr << e.what() << "\n";
      code = kExitUsage;
    }
  }
  return code;
}

}  // namespace nalo::cli
