#include "cli/terminal.h"

#include <unistd.h>

#include <iostream>
#include <string>

namespace nalo::cli {

// Batches shorter than this finish before a bar would be seen.
constexpr std::size_t kProgressMinimumSteps = 2000;

bool CanAsk() { return isatty(STDIN_FILENO) && isatty(STDERR_FILENO); }

bool AskYesNo(std::string_view question) {
  std::cerr << question << " [y/N] " << std::flush;
  std::string answer;
  if (!std::getline(std::cin, answer)) return false;
  return answer == "y" || answer == "Y" || answer == "yes";
}

TProgressBar::TProgressBar(std::size_t total)
    : total_(total), shown_(total >= kProgressMinimumSteps && isatty(STDERR_FILENO)) {}

TProgressBar::~TProgressBar() {
  if (shown_) std::cerr << "\n";
}

void TProgressBar::Update(std::size_t done) {
  if (!shown_ || total_ == 0) return;
  const std::size_t percent = done * 100 / total_;
  if (percent == last_percent_) return;
  last_percent_ = percent;
  const std::size_t filled = percent / 2;
  std::cerr << "\r[" << std::string(filled, '#') << std::string(50 - filled, ' ') << "] "
            << percent << "%" << std::flush;
}

}  // namespace nalo::cli
