// The command-line grammar of nalo-cli (CLI11): global options, the six
// subcommands, the selection options and the rule options, with help texts and
// examples.
#pragma once

#include <CLI/CLI.hpp>

#include "cli/cli_args.h"

namespace nalo::cli {

// Subcommand pointers, to tell which one was chosen after parsing.
struct TSubcommands {
  CLI::App* List = nullptr;
  CLI::App* Preview = nullptr;
  CLI::App* Apply = nullptr;
  CLI::App* Undo = nullptr;
  CLI::App* History = nullptr;
  CLI::App* Info = nullptr;
};

TSubcommands BuildParser(CLI::App& app, TCliArgs& args);

}  // namespace nalo::cli
