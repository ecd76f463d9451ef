// Talking to a person at a terminal: a yes/no question and a progress bar that
// only appears when stderr is a terminal.
#pragma once

#include <cstddef>
#include <string_view>

namespace nalo::cli {

// True when standard input and standard error are terminals.
bool CanAsk();

// Asks on stderr and reads the answer from stdin; true for y/yes.
bool AskYesNo(std::string_view question);

// A progress bar on stderr for `total` steps; silent unless stderr is a terminal
// and the work is long enough to need one.
class TProgressBar {
 public:
  explicit TProgressBar(std::size_t total);
  ~TProgressBar();
  void Update(std::size_t done);

 private:
  std::size_t total_;
  std::size_t last_percent_ = 101;
  bool shown_;
};

}  // namespace nalo::cli
