// Talking to a person at a terminal: a yes/no question, a progress bar for a
// batch and a running count for a folder scan. Both progress displays only appear
// when stderr is a terminal, and only once the work turns out to be long.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace nalo::cli {

// A message of the core, whose lines break with "\r", with "\n" line breaks.
std::string ForTerminal(std::string text);

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

// A running count of folders and items on stderr while a scan goes on. It stays
// silent for the first kScanProgressDelay, so quick scans print nothing.
class TScanProgress {
 public:
  TScanProgress();
  ~TScanProgress();
  void Folder();  // a folder is about to be read
  void Item();    // a directory entry was read

 private:
  void Show();
  std::size_t folders_ = 0;
  std::size_t items_ = 0;
  bool enabled_;
  bool shown_ = false;
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point last_show_;
};

}  // namespace nalo::cli
