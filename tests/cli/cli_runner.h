// Runs the nalo-cli binary as a child process with an argv array (no shell),
// feeding optional standard input and capturing standard output, standard error
// and the exit code. Tests use it to check the program end to end.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace nalo::cli::test {

struct TCliRun {
  std::string Out;
  std::string Err;
  int Code = -1;  // exit code; 128 + signal when the child was killed
};

struct TCliCall {
  std::vector<std::string> Args;             // without the program name
  std::string Stdin;                         // fed, then closed
  std::string WorkDir;                       // empty: the test's own
  std::map<std::string, std::string> Env;    // set in the child; "" value unsets
};

// "${NALO_BUILD_DIR}/src/cli/nalo-cli" when the variable is set, else the
// nalo-cli of the build tree this test was built in.
std::string CliBinary();

TCliRun RunCli(const TCliCall& call);

// Runs on a pseudo-terminal (standard input, output and error all on it), so the
// program sees a person at a terminal. Once the output holds `prompt`, `answer`
// is typed. Everything the terminal showed comes back in Out.
TCliRun RunCliOnTerminal(const TCliCall& call, const std::string& prompt,
                         const std::string& answer);

}  // namespace nalo::cli::test
