// TShfOperation: the one component through which every rename and delete of the
// program reaches the disk. It keeps the shape of a shell file operation (an
// operation, source list, targets and eight option flags) so the callers read as
// they always did, and carries each operation out with the platform's file
// operations: a rename never replaces an existing item, whatever the options say.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace nalo {

enum class TwFunc { foMOVE = 1, foCOPY = 2, foDELETE = 3, foRENAME = 4 };

struct TfFlags {
  bool ALLOWUNDO = false;       // 0x40: delete goes to the trash
  bool FILESONLY = false;       // 0x80
  bool MUILIDESTFILES = false;  // 0x01: one target per source in ToFiles
  bool NOCONFIRMATION = false;  // 0x10
  bool NOCONFIRMMKDIR = false;  // 0x200
  bool RENAMEONCOLLISION = false;  // 0x08
  bool SILENT = true;           // 0x04: no progress window
  bool SIMPLEPROGRESS = false;  // 0x100
};

// Raised for calls that make no sense (no source, no target).
class TShfError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kMsgNoSourceFiles = "ﾌｧｲﾙが指定されていません.";
inline constexpr const char* kMsgNoTargetFiles = "ﾀｰｹﾞｯﾄが指定されていません.";
inline constexpr const char* kMsgAllocationFailed = "メモリ割当てに失敗しました.";

// Why renaming `from` to `to` is refused before touching the disk: EXDEV when the
// target lies in another folder, EINVAL for a refused name, ENAMETOOLONG for a name
// too long for the file system; 0 when the rename may be tried.
int RenameRefusal(std::string_view from, std::string_view to);
// Why the bare new name is refused (EINVAL, ENAMETOOLONG), given its UTF-8 form
// (nothing: it has none); 0 when it may be tried.
int NewNameRefusal(std::string_view cp932_name, std::optional<std::string_view> utf8_name);

class TShfOperation {
 public:
  TwFunc OperationF = TwFunc::foMOVE;
  std::vector<std::string> FromFFList;  // CP932 source paths
  std::vector<std::string> ToFiles;     // used when Options.MUILIDESTFILES
  std::string ToFolder;                 // the single target otherwise
  TfFlags Options;
  std::string ProgressTitle;
  // Set when the user aborted; the operations here run without any window the user
  // could abort from, so it stays false.
  bool fAbort = false;

  // Carries out the operation; 0 on success, else the errno value of the first
  // failure (later sources are still tried for a delete). Throws TShfError with
  // the texts above for a call without sources or targets.
  int Execute();

 private:
  int Rename();
  int Delete();
};

}  // namespace nalo
