// Writing, reading and undoing the batch journal. The plan goes to a temporary
// file that is synced and then renamed over the previous journal, so at every
// moment the file holds either the old complete record or the new plan in full.
// Reading is strict: an unknown or damaged line makes the journal unreadable
// rather than half-understood.
#include "execution/batch_journal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <array>
#include <charconv>
#include <cstdio>

#include "execution/execution_messages.h"
#include "platform/file_ops.h"

namespace nalo {
namespace {

constexpr const char* kMagic = "NALO-BATCH-JOURNAL 1";

// Bytes of a step line besides its two paths: "step", two 20-digit numbers, the
// first flag, five tabs and the line feed.
constexpr std::size_t kStepLineOverhead = 4 + 20 + 20 + 1 + 5 + 1;

std::string JournalPath(const std::string& folder) {
  return folder + (folder.empty() || folder.back() == '/' ? "" : "/") + kJournalFileName;
}

// Whether a byte must be escaped in a path field.
bool NeedsEscape(char c) { return c == '\\' || c == '\t' || c == '\n' || c == '\r'; }

void AppendEscaped(std::string& out, std::string_view text) {
  std::size_t plain = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!NeedsEscape(text[i])) continue;
    out.append(text.substr(plain, i - plain));
    switch (text[i]) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      default: out += "\\r"; break;
    }
    plain = i + 1;
  }
  out.append(text.substr(plain));
}

void AppendNumber(std::string& out, std::uint64_t value) {
  char digits[24];
  auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
}

std::optional<std::string> Unescape(std::string_view text) {
  if (text.find('\\') == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) return std::nullopt;
    switch (text[i]) {
      case '\\': out += '\\'; break;
      case 't': out += '\t'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      default: return std::nullopt;
    }
  }
  return out;
}

// Most fields any record has, plus one so that a line with too many fields still
// fails the field-count check of its record.
constexpr std::size_t kMaxFields = 7;

// The tab-separated fields of a line, without allocating; cut after kMaxFields.
class TFields {
 public:
  explicit TFields(std::string_view line) {
    for (;;) {
      std::size_t tab = line.find('\t');
      items_[count_++] = line.substr(0, tab);
      if (tab == std::string_view::npos || count_ == kMaxFields) return;
      line.remove_prefix(tab + 1);
    }
  }
  std::size_t size() const { return count_; }
  std::string_view operator[](std::size_t i) const { return items_[i]; }

 private:
  std::array<std::string_view, kMaxFields> items_;
  std::size_t count_ = 0;
};

std::optional<std::uint64_t> ParseNumber(std::string_view text) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return value;
}

int WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    ssize_t n = write(fd, text.data(), text.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string text;
  char buffer[1 << 16];
  for (;;) {
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      close(fd);
      return std::nullopt;
    }
    text.append(buffer, static_cast<std::size_t>(n));
  }
  close(fd);
  return text;
}

// Takes the next line (without its line feed) off the front of `rest`; false at the end.
bool NextLine(std::string_view& rest, std::string_view& line) {
  if (rest.empty()) return false;
  std::size_t feed = rest.find('\n');
  line = rest.substr(0, feed);
  rest.remove_prefix(feed == std::string_view::npos ? rest.size() : feed + 1);
  return true;
}

void AppendLine(const std::string& folder, const std::string& text) {
  int fd = open(JournalPath(folder).c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (fd < 0) return;
  WriteAll(fd, text);
  close(fd);
}

void SyncFolder(const std::string& folder) {
  int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

bool ParseStep(const TFields& f, TJournalRecord& record) {
  if (f.size() != 6) return false;
  auto device = ParseNumber(f[1]), inode = ParseNumber(f[2]), first = ParseNumber(f[3]);
  auto from = Unescape(f[4]), to = Unescape(f[5]);
  if (!device || !inode || !first || *first > 1 || !from || !to) return false;
  record.Steps.push_back({*device, *inode, *first == 1, std::move(*from), std::move(*to)});
  return true;
}

bool ParseFailed(const TFields& f, TJournalRecord& record) {
  if (f.size() != 3) return false;
  auto index = ParseNumber(f[1]), error = ParseNumber(f[2]);
  if (!index || !error || *index >= record.Steps.size()) return false;
  record.StepErrors.resize(record.Steps.size(), 0);
  record.StepErrors[*index] = static_cast<int>(*error);
  return true;
}

bool ParseLine(std::string_view line, TJournalRecord& record, bool& planned) {
  TFields f(line);
  if (f[0] == "step" && !planned) return ParseStep(f, record);
  if (f[0] == "planned" && f.size() == 2 && !planned) {
    planned = ParseNumber(f[1]) == record.Steps.size();
    return planned;
  }
  if (f[0] == "failed" && planned) return ParseFailed(f, record);
  if (f[0] == "finished" && planned) {
    record.Finished = true;
    record.StepErrors.resize(record.Steps.size(), 0);
    return true;
  }
  if (f[0] == "undone" && planned) return record.Undone = true;
  return false;
}

bool HoldsItem(const std::string& path, const TJournalStep& step) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0 && st.st_dev == step.Device && st.st_ino == step.Inode;
}

bool IsFree(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) != 0 && errno == ENOENT;
}

}  // namespace

TJournalPlan::TJournalPlan() : text_(std::string(kMagic) + "\n") {}

void TJournalPlan::Reserve(std::size_t steps, std::size_t path_bytes) {
  text_.reserve(text_.size() + steps * kStepLineOverhead + path_bytes);
}

void TJournalPlan::AddStep(std::uint64_t device, std::uint64_t inode, bool first,
                           std::string_view from_folder, std::string_view from_name,
                           std::string_view to_folder, std::string_view to_name) {
  text_ += "step\t";
  AppendNumber(text_, device);
  text_ += '\t';
  AppendNumber(text_, inode);
  text_ += first ? "\t1\t" : "\t0\t";
  AppendEscaped(text_, from_folder);
  AppendEscaped(text_, from_name);
  text_ += '\t';
  AppendEscaped(text_, to_folder);
  AppendEscaped(text_, to_name);
  text_ += '\n';
  ++steps_;
}

int WriteJournalPlan(const std::string& folder, const TJournalPlan& plan) {
  std::string trailer = "planned\t" + std::to_string(plan.StepCount()) + "\n";
  std::string path = JournalPath(folder);
  std::string temp = path + ".tmp";
  int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return errno;
  int rc = WriteAll(fd, plan.Text());
  if (rc == 0) rc = WriteAll(fd, trailer);
  if (rc == 0 && fsync(fd) != 0) rc = errno;
  if (close(fd) != 0 && rc == 0) rc = errno;
  if (rc == 0 && rename(temp.c_str(), path.c_str()) != 0) rc = errno;
  if (rc != 0) {
    unlink(temp.c_str());
    return rc;
  }
  SyncFolder(folder);
  return 0;
}

int WriteJournalPlan(const std::string& folder, const std::vector<TJournalStep>& steps) {
  TJournalPlan plan;
  for (const TJournalStep& s : steps) {
    plan.AddStep(s.Device, s.Inode, s.First, "", s.From, "", s.To);
  }
  return WriteJournalPlan(folder, plan);
}

void WriteJournalOutcome(const std::string& folder, const std::vector<int>& step_errors) {
  std::string text;
  for (std::size_t i = 0; i < step_errors.size(); ++i) {
    if (step_errors[i] != 0) {
      text += "failed\t" + std::to_string(i) + "\t" + std::to_string(step_errors[i]) + "\n";
    }
  }
  AppendLine(folder, text + "finished\n");
}

void MarkJournalUndone(const std::string& folder) {
  // Only the head is checked: reading the whole record of a large batch again
  // would cost as much as parsing it, and a damaged record stays unreadable
  // whatever is appended to it.
  int fd = open(JournalPath(folder).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  std::string head(std::string_view(kMagic).size() + 1, '\0');
  ssize_t n = pread(fd, head.data(), head.size(), 0);
  char last = '\n';
  struct stat st;
  if (fstat(fd, &st) == 0 && st.st_size > 0 && pread(fd, &last, 1, st.st_size - 1) != 1) last = '\n';
  close(fd);
  if (n != static_cast<ssize_t>(head.size()) || head != std::string(kMagic) + "\n") return;
  // A line cut off by a crash is closed first, so "undone" stands on a line of its own.
  AppendLine(folder, last == '\n' ? "undone\n" : "\nundone\n");
}

std::optional<TJournalRecord> ReadJournal(const std::string& folder) {
  auto text = ReadWholeFile(JournalPath(folder));
  if (!text) return std::nullopt;
  std::string_view rest = *text, line;
  if (!NextLine(rest, line) || line != kMagic) return std::nullopt;
  TJournalRecord record;
  bool planned = false;
  while (NextLine(rest, line)) {
    if (!ParseLine(line, record, planned)) {
      // A line cut off by a crash may end an otherwise complete plan.
      if (planned && rest.empty()) break;
      return std::nullopt;
    }
  }
  if (!planned) return std::nullopt;  // the plan itself never made it to the disk
  return record;
}

std::optional<TJournalRecord> FindUnfinishedJournal(const std::string& folder) {
  auto record = ReadJournal(folder);
  if (!record || record->Finished || record->Undone) return std::nullopt;
  return record;
}

TJournalUndoResult UndoFromJournal(const std::string& folder, const TWatcherSwitch& watcher) {
  TJournalUndoResult result;
  auto record = ReadJournal(folder);
  if (!record || record->Undone) return result;
  result.Found = true;
  {
    TWatcherPause pause(watcher);
    for (std::size_t i = record->Steps.size(); i-- > 0;) {
      const TJournalStep& step = record->Steps[i];
      if (!HoldsItem(step.To, step)) continue;  // never ran, failed or already undone
      int rc = IsFree(step.From) ? RenameNoReplaceUtf8(step.To, step.From) : EEXIST;
      if (rc == 0) {
        if (step.First) ++result.Restored;
        continue;
      }
      ++result.Failed;
      result.Messages.push_back(UndoFailureMessageUtf8(step.To, step.From));
    }
  }
  MarkJournalUndone(folder);
  return result;
}

}  // namespace nalo
