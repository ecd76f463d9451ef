// Reading the first journal format. Steps that went through a temporary name are
// told by their "first" flag: the step out of a temporary name has 0, and the
// step into it is the earlier step of the same item that ends where it begins.
#include "execution/journal_legacy.h"

#include "execution/journal_text.h"
#include "execution/record_checksum.h"

namespace nalo {
namespace {

bool ParseStep(const TFields& f, TJournalRecord& record) {
  if (f.size() != 6) return false;
  auto device = ParseNumber(f[1]), inode = ParseNumber(f[2]), first = ParseNumber(f[3]);
  auto from = Unescape(f[4]), to = Unescape(f[5]);
  if (!device || !inode || !first || *first > 1 || !from || !to) return false;
  const TStepKind kind = *first == 1 ? TStepKind::Plain : TStepKind::OutOfTemp;
  record.Steps.push_back({*device, *inode, kind, std::move(*from), std::move(*to), false});
  return true;
}

bool ParseFailed(const TFields& f, TJournalRecord& record) {
  if (f.size() != 3) return false;
  auto index = ParseNumber(f[1]), error = ParseNumber(f[2]);
  if (!index || !error || *index >= record.Steps.size()) return false;
  record.StepErrors[*index] = static_cast<int>(*error);
  return true;
}

bool ParseLine(std::string_view line, TJournalRecord& record, bool& planned) {
  const TFields f(line);
  if (f[0] == "step" && !planned) return ParseStep(f, record);
  if (f[0] == "planned" && f.size() == 2 && !planned) {
    planned = ParseNumber(f[1]) == record.Steps.size();
    record.StepErrors.assign(record.Steps.size(), 0);
    return planned;
  }
  if (f.size() != 1 && f[0] != "failed") return false;
  if (f[0] == "failed" && planned) return ParseFailed(f, record);
  if (f[0] == "finished" && planned) return (record.State = TJournalState::Finished), true;
  if (f[0] == "undone" && planned) return (record.State = TJournalState::Undone), true;
  return false;
}

// Marks the step into a temporary name that each step out of one closes.
void MarkStepsIntoTemp(TJournalRecord& record) {
  for (std::size_t i = 0; i < record.Steps.size(); ++i) {
    const TJournalStep& out = record.Steps[i];
    if (out.Kind != TStepKind::OutOfTemp) continue;
    for (std::size_t k = i; k-- > 0;) {
      TJournalStep& into = record.Steps[k];
      if (into.Device == out.Device && into.Inode == out.Inode && into.To == out.From) {
        into.Kind = TStepKind::IntoTemp;
        break;
      }
    }
  }
}

}  // namespace

bool ParseFirstFormat(std::string_view text, TJournalRecord& record) {
  const std::string_view whole = text;
  record.Version = 1;
  record.State = TJournalState::Planned;
  std::string_view line;
  bool complete = false;
  if (!NextLine(text, line, complete) || line != kFirstFormatMagic) return false;
  bool planned = false;
  while (NextLine(text, line, complete)) {
    if (line.empty() && text.empty()) break;
    if (ParseLine(line, record, planned)) continue;
    // A line cut off by a crash may end an otherwise complete plan.
    if (planned && text.empty()) break;
    return false;
  }
  if (!planned) return false;  // the plan itself never made it to the disk
  record.StepUndone.assign(record.Steps.size(), false);
  record.StepSkipped.assign(record.Steps.size(), false);
  record.StepsRun = record.Steps.size();
  MarkStepsIntoTemp(record);
  // The first format had no name for a batch: its contents name it.
  record.Batch.clear();
  AppendChecksumHex(record.Batch, RecordChecksum(whole));
  record.Batch = "1-" + record.Batch;
  return true;
}

TJournalState FirstFormatState(std::string_view tail) {
  while (!tail.empty() && tail.back() == '\n') tail.remove_suffix(1);
  const std::size_t feed = tail.rfind('\n');
  const std::string_view last = feed == std::string_view::npos ? tail : tail.substr(feed + 1);
  if (last == "undone") return TJournalState::Undone;
  if (last == "finished") return TJournalState::Finished;
  return TJournalState::Planned;
}

}  // namespace nalo
