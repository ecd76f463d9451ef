// TShfOperation over platform/file_ops and platform/trash. A rename takes exactly
// one source and one target and is never allowed to replace; a delete goes item by
// item, to the trash when ALLOWUNDO is on, otherwise directly. Moving and copying
// between folders are not operations this program performs and report ENOTSUP.
#include "execution/shf_operation.h"

#include <cerrno>

#include "platform/encoding.h"
#include "platform/file_ops.h"
#include "platform/trash.h"

namespace nalo {
namespace {

std::string_view FolderPart(std::string_view path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1);
}

}  // namespace

int RenameRefusal(std::string_view from, std::string_view to) {
  std::string_view folder = FolderPart(to);
  if (folder != FolderPart(from)) return EXDEV;  // a rename never moves an item
  const std::string_view name = to.substr(folder.size());
  return NewNameRefusal(name, Cp932ToUtf8(name));
}

int NewNameRefusal(std::string_view cp932_name, std::optional<std::string_view> utf8_name) {
  switch (CheckNewName(cp932_name, utf8_name)) {
    case NameRefusal::kNone: return 0;
    case NameRefusal::kTooLong: return ENAMETOOLONG;
    case NameRefusal::kInvalid: break;
  }
  return EINVAL;
}

int TShfOperation::Execute() {
  fAbort = false;
  if (FromFFList.empty()) throw TShfError(kMsgNoSourceFiles);
  if (Options.MUILIDESTFILES && ToFiles.empty()) throw TShfError(kMsgNoTargetFiles);
  switch (OperationF) {
    case TwFunc::foRENAME: return Rename();
    case TwFunc::foDELETE: return Delete();
    default: return ENOTSUP;
  }
}

int TShfOperation::Rename() {
  const std::string& target = Options.MUILIDESTFILES ? ToFiles.front() : ToFolder;
  if (FromFFList.size() != 1) return EINVAL;
  int refused = RenameRefusal(FromFFList.front(), target);
  if (refused != 0) return refused;
  return RenameNoReplace(FromFFList.front(), target);
}

int TShfOperation::Delete() {
  int first_error = 0;
  for (const std::string& path : FromFFList) {
    int rc = Options.ALLOWUNDO ? MoveToTrash(path) : RemoveDirect(path);
    if (rc != 0 && first_error == 0) first_error = rc;
  }
  return first_error;
}

}  // namespace nalo
