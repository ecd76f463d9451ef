// The delete command: collect the selected full paths in entry-list order, ask,
// delete each through TShfOperation (FOF_NOCONFIRMATION and FOF_SILENT on,
// FOF_ALLOWUNDO for the trash) and drop the first entry of each deleted path.
#include "execution/delete_entries.h"

#include <algorithm>

#include "execution/entry_paths.h"
#include "execution/execution_messages.h"
#include "execution/shf_operation.h"
#include "listing/list_edit.h"

namespace nalo {
namespace {

std::vector<std::string> SelectedPaths(const TEntryList& entries,
                                       std::vector<std::size_t> selected) {
  std::sort(selected.begin(), selected.end());
  selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
  std::vector<std::string> paths;
  for (std::size_t i : selected) {
    if (i < entries.Count()) paths.push_back(entries.EntryAt(i).FullPath());
  }
  return paths;
}

int DeleteOne(const std::string& path, bool to_trash) {
  TShfOperation op;
  op.OperationF = TwFunc::foDELETE;
  op.FromFFList = {path};
  op.Options.NOCONFIRMATION = true;
  op.Options.SILENT = true;
  op.Options.SIMPLEPROGRESS = false;
  op.Options.ALLOWUNDO = to_trash;
  int rc = op.Execute();
  return op.fAbort && rc == 0 ? -1 : rc;
}

}  // namespace

TDeleteResult DeleteSelectedEntries(TEntryList& entries, const std::vector<std::size_t>& selected,
                                    const TAskDeleteMode& ask, const TWatcherSwitch& watcher) {
  TDeleteResult result;
  std::vector<std::string> paths = SelectedPaths(entries, selected);
  if (paths.empty()) return result;
  std::optional<bool> to_trash = ask();
  if (!to_trash) return result;

  std::vector<std::size_t> removed;
  {
    TWatcherPause pause(watcher);
    TPathIndex index(entries);
    for (const std::string& path : paths) {
      if (DeleteOne(path, *to_trash) != 0) {
        ++result.Failed;
        continue;
      }
      ++result.Deleted;
      std::size_t e = index.Find(path);
      if (e != TPathIndex::npos) removed.push_back(e);
    }
  }
  RemoveEntries(entries, removed);
  result.Message = DeleteReport(result.Deleted, result.Failed);
  return result;
}

}  // namespace nalo
