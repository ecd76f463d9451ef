// nalo-cli list: the entries of a folder, one line each.
#include <iostream>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/output.h"

namespace nalo::cli {

int RunList(const TCliArgs& args) {
  const TSession session(args);
  const TFormat format = FormatOf(args.Format, args.Null);
  TSelection selection;
  ListDirectory(args.Dir, args.Selection, {.SizesAndDates = true, .FolderNames = false}, selection);
  PrintEntries(std::cout, selection.Entries, format, session.Text);
  return kExitDone;
}

}  // namespace nalo::cli
