// The two single-rename paths share one step: rename the entry's item to a name
// in its folder through TShfOperation with the watcher paused, and on success
// update the entry (and, for a folder, the entries listed below it).
#include "execution/single_rename.h"

#include "execution/entry_paths.h"
#include "execution/execution_messages.h"
#include "execution/shf_operation.h"
#include "platform/file_ops.h"
#include "text/name_text.h"

namespace nalo {
namespace {

// Renames the entry's item to `name`; true on success.
bool RenameEntryTo(TEntryList& entries, std::size_t index, const std::string& name,
                   const TWatcherSwitch& watcher) {
  TListData& entry = entries.EntryAt(index);
  const std::string old_path = entry.FullPath();
  std::string target = entry.Location + name;
  TShfOperation op;
  op.OperationF = TwFunc::foRENAME;
  op.FromFFList = {old_path};
  op.ToFolder = target;
  int rc;
  {
    TWatcherPause pause(watcher);
    rc = op.Execute();
  }
  if (rc != 0) return false;
  if (op.fAbort) return true;  // an aborted operation changes no entry
  ForgetFolderNames(entries, {FolderPartOf(old_path)});
  entry.Name = name;
  entry.OldPath.clear();
  entry.State = kStateUntouched;
  auto id = IdentityAt(target);
  if (id && id->IsDirectory()) TFolderRebaser(entries).Rebase(old_path, target);
  return true;
}

}  // namespace

std::optional<std::string_view> DialogNameRefusal(std::string_view name) {
  if (HasForbiddenChar(name)) return kMsgDialogForbiddenChar;
  return std::nullopt;
}

TSingleRenameResult RenameThroughDialog(TEntryList& entries, std::size_t index,
                                        const TAskName& ask, const TShowMessage& show,
                                        const TWatcherSwitch& watcher) {
  TSingleRenameResult result;
  const std::string name = entries.EntryAt(index).Name;
  std::optional<std::string> text = ask(name);
  if (!text) return result;
  result.RefreshCounts = true;
  if (*text == name) {
    result.Status = TSingleRenameStatus::kUnchanged;
    return result;
  }
  for (;;) {
    if (auto refusal = DialogNameRefusal(*text)) {
      show(*refusal);  // a front end that let it through: ask again
    } else if (RenameEntryTo(entries, index, *text, watcher)) {
      result.Status = TSingleRenameStatus::kRenamed;
      return result;
    } else {
      show(kMsgCannotRename);
    }
    text = ask(*text);
    if (!text) {
      result.Status = TSingleRenameStatus::kCancelled;
      return result;
    }
  }
}

TSingleRenameResult RenameInPlace(TEntryList& entries, std::size_t index,
                                  const std::string& text, const TWatcherSwitch& watcher) {
  TSingleRenameResult result;
  if (HasForbiddenChar(text)) {
    result.Status = TSingleRenameStatus::kRefused;
    result.Message = std::string(kMsgInPlaceForbiddenChar);
    return result;
  }
  result.RefreshCounts = true;
  if (text == entries.EntryAt(index).Name) {
    result.Status = TSingleRenameStatus::kUnchanged;
    return result;
  }
  if (RenameEntryTo(entries, index, text, watcher)) {
    result.Status = TSingleRenameStatus::kRenamed;
  } else {
    result.Status = TSingleRenameStatus::kFailed;
    result.Message = std::string(kMsgCannotRename);
  }
  return result;
}

}  // namespace nalo
