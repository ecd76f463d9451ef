// nalo-cli: the scriptable front end over the core. Parses the command line,
// then runs the chosen subcommand; usage errors of any kind exit with 2.
#include <iostream>

#include "cli/cli_parser.h"
#include "cli/commands.h"
#include "cli/user_text.h"
#include "platform/heap_tuning.h"

int main(int argc, char* argv[]) {
  using namespace nalo::cli;
  nalo::KeepHeapForBulkLists();
  CLI::App app("nalo-cli: batch renaming of files and folders", "nalo-cli");
  app.set_version_flag("--version", std::string("nalo-cli ") + NALO_VERSION);
  TCliArgs args;
  const TSubcommands subs = BuildParser(app, args);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e);
    return code == 0 ? 0 : kExitUsage;
  }
  try {
    if (subs.List->parsed()) return RunList(args);
    if (subs.Preview->parsed()) {
      if (args.Dir.empty() == args.NamesFrom.empty()) {
        throw EUsageError("DIR か --names-from のどちらか一つを指定してください");
      }
      return RunPreview(args);
    }
    if (subs.Apply->parsed()) return RunApply(args);
    if (subs.Undo->parsed()) return RunUndo(args);
    if (subs.History->parsed()) return RunHistory(args);
    if (subs.Info->parsed()) return RunInfo(args);
  } catch (const EUsageError& e) {
    std::cerr << e.what() << "\n";
    return kExitUsage;
  } catch (const std::exception& e) {
    std::cerr << "エラー: " << e.what() << "\n";
    return kExitUsage;
  }
  return kExitUsage;
}
