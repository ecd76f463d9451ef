#include "cli/terminal.h"

#include <unistd.h>

#include <iostream>
#include <string>

namespace nalo::cli {

// Batches shorter than this finish before a bar would be seen.
constexpr std::size_t kProgressMinimumSteps = 2000;

// A scan that ends within a second needs no progress display.
constexpr std::chrono::milliseconds kScanProgressDelay{1000};
// Ten refreshes a second look live without flooding a slow terminal.
constexpr std::chrono::milliseconds kScanProgressInterval{100};
// The clock is read once per this many entries to keep the scan loop cheap.
constexpr std::size_t kScanClockEvery = 256;

std::string ForTerminal(std::string text) {
  for (char& c : text) {
    if (c == '\r') c = '\n';
  }
  return text;
}

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

TScanProgress::TScanProgress()
    : enabled_(isatty(STDERR_FILENO) != 0), start_(std::chrono::steady_clock::now()) {}

TScanProgress::~TScanProgress() {
  if (shown_) std::cerr << "\n";
}

void TScanProgress::Folder() {
  ++folders_;
  Show();
}

void TScanProgress::Item() {
  ++items_;
  if (items_ % kScanClockEvery == 0) Show();
}

void TScanProgress::Show() {
  if (!enabled_) return;
  const auto now = std::chrono::steady_clock::now();
  if (now - start_ < kScanProgressDelay || now - last_show_ < kScanProgressInterval) return;
  last_show_ = now;
  shown_ = true;
  std::cerr << "\r検索中... " << folders_ << " フォルダ, " << items_ << " 項目" << std::flush;
}

}  // namespace nalo::cli
