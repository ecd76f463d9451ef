// nalo-cli preview: the confirmation rows a rule would produce, with the clash
// each would meet when applied. Nothing is renamed.
#include <iostream>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/output.h"

namespace nalo::cli {

int RunPreview(const TCliArgs& args) {
  const TSession session(args);
  const TFormat format = FormatOf(args.Format, args.Null);
  TPlannedRows plan;
  if (std::optional<int> code = PlanRows(session, plan)) return *code;
  PrintRows(std::cout, plan.Selection.Entries, plan.Result.Rows, RowProblems(plan), format,
            session.Text);
  return kExitDone;
}

}  // namespace nalo::cli
