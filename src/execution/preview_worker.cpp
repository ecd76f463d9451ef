// The worker thread waits for a request, runs it and hands the result over; the
// rows are matched back to their entries by walking both lists in order, as the
// rule run adds at most one row per entry in entry order.
#include "execution/preview_worker.h"

#include <exception>
#include <utility>

namespace nalo {
namespace {

std::vector<std::int32_t> RowsOfEntries(const TEntryList& entries, const TConfirmationList& rows) {
  std::vector<std::int32_t> row_of(entries.Count(), -1);
  std::size_t entry = 0;
  for (std::size_t row = 0; row < rows.size(); ++row) {
    while (entry < entries.Count() &&
           (entries.EntryAt(entry).Name != rows[row].OldName ||
            entries.EntryAt(entry).FullPath() != rows[row].OldFullPath)) {
      ++entry;
    }
    if (entry == entries.Count()) break;
    row_of[entry++] = static_cast<std::int32_t>(row);
  }
  return row_of;
}

}  // namespace

std::optional<TPreviewResult> ComputePreview(const TPreviewRequest& request, bool first_part,
                                             const std::function<bool()>& stop) {
  TRuleContext ctx(*request.Entries);
  if (request.Selection) ctx.selection = &*request.Selection;
  ctx.exclusion = request.Exclusion;
  ctx.trim = request.Trim;
  ctx.folder_mode = request.FolderMode;
  ctx.info_source = request.InfoSource;
  bool stopped = false;
  ctx.stop_before = [&](std::size_t index) {
    if (stop()) stopped = true;
    return stopped || (first_part && index >= request.FirstPart);
  };
  TRuleResult run;
  try {
    run = request.Job(ctx);
  } catch (const std::exception& error) {  // the action button would show it the same way
    run = MessageResult(error.what());
  }
  if (stopped) return std::nullopt;
  TPreviewResult result;
  result.Generation = request.Generation;
  result.Complete = !first_part;
  result.Message = std::move(run.message);
  result.Rows = std::move(run.rows);
  // Within the first part only clashes among its own rows are certain; a target
  // on disk may still be freed by a later row.
  result.Clashes = PreviewClashes(result.Rows, !first_part);
  if (stop()) return std::nullopt;
  result.RowOfEntry = RowsOfEntries(*request.Entries, result.Rows);
  return result;
}

TPreviewWorker::TPreviewWorker(std::function<void(TPreviewResult)> deliver)
    : deliver_(std::move(deliver)), thread_([this] { Loop(); }) {}

TPreviewWorker::~TPreviewWorker() {
  {
    const std::lock_guard lock(mutex_);
    quit_ = true;
    newest_ = ~std::uint64_t{0};  // the run in progress stops at its next entry
  }
  wake_.notify_one();
  thread_.join();
}

void TPreviewWorker::Supersede(std::uint64_t generation) { newest_ = generation; }

void TPreviewWorker::Post(TPreviewRequest request) {
  std::optional<TPreviewRequest> replaced;
  {
    const std::lock_guard lock(mutex_);
    newest_ = request.Generation;
    replaced = std::exchange(pending_, std::move(request));
  }
  wake_.notify_one();
  if (replaced) {
    TPreviewResult cancelled;
    cancelled.Generation = replaced->Generation;
    cancelled.Cancelled = true;
    deliver_(std::move(cancelled));
  }
}

void TPreviewWorker::Loop() {
  for (;;) {
    TPreviewRequest request;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return quit_ || pending_.has_value(); });
      if (quit_) return;
      request = std::move(*pending_);
      pending_.reset();
    }
    Run(request);
  }
}

void TPreviewWorker::Run(const TPreviewRequest& request) {
  const auto stop = [this, generation = request.Generation] { return Stale(generation); };
  const std::size_t count = request.Entries->Count();
  for (bool first_part : {true, false}) {
    if (first_part && (request.FirstPart == 0 || request.FirstPart >= count)) continue;
    std::optional<TPreviewResult> result = ComputePreview(request, first_part, stop);
    if (!result) {
      TPreviewResult cancelled;
      cancelled.Generation = request.Generation;
      cancelled.Cancelled = true;
      deliver_(std::move(cancelled));
      return;
    }
    deliver_(std::move(*result));
  }
}

}  // namespace nalo
