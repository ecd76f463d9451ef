// The subcommands of nalo-cli. Each returns the process exit code: 0 done,
// 1 nothing to rename, 2 usage or validation error, 3 some renames failed (or
// some were not undone), 128 + the signal when Ctrl-C or SIGTERM stopped a batch.
#pragma once

#include "cli/cli_args.h"

namespace nalo::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitNothing = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitFailures = 3;
inline constexpr int kExitSignalBase = 128;

int RunList(const TCliArgs& args);
int RunPreview(const TCliArgs& args);
int RunApply(const TCliArgs& args);
int RunUndo(const TCliArgs& args);
int RunHistory(const TCliArgs& args);
int RunInfo(const TCliArgs& args);

}  // namespace nalo::cli
