// The worker thread waits for a request, runs it and hands the result over; each
// row names its entry, so the new-name column finds a row per entry at once.
#include "execution/preview_worker.h"

#include <exception>
#include <utility>

namespace nalo {
namespace {

std::vector<std::int32_t> RowsOfEntries(const TEntryList& entries, const TConfirmationList& rows) {
  std::vector<std::int32_t> row_of(entries.Count(), -1);
  for (std::size_t row = 0; row < rows.size(); ++row) {
    if (rows[row].Entry < row_of.size()) row_of[rows[row].Entry] = static_cast<std::int32_t>(row);
  }
  return row_of;
}

}  // namespace

std::optional<TPreviewResult> ComputePreview(const TPreviewRequest& request, bool first_part,
                                             const std::function<bool()>& stop) {
  TRuleContext ctx(*request.Entries);
  if (request.Selection) ctx.Selection = &*request.Selection;
  ctx.Exclusion = request.Exclusion;
  ctx.Trim = request.Trim;
  ctx.FolderMode = request.FolderMode;
  ctx.InfoSource = request.InfoSource;
  bool stopped = false;
  ctx.StopBefore = [&](std::size_t index) {
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
  result.Message = std::move(run.Message);
  result.Rows = std::move(run.Rows);
  // Within the first part only clashes among its own rows are certain; a target
  // on disk may still be freed by a later row.
  result.Clashes = first_part ? PreviewClashes(result.Rows, *request.Entries, false)
                              : PreviewClashes(result.Rows, *request.Entries);
  if (stop()) return std::nullopt;
  result.RowOfEntry = RowsOfEntries(*request.Entries, result.Rows);
  return result;
}

TPreviewWorker::TPreviewWorker(std::function<void(TPreviewResult)> deliver)
    : deliver_(std::move(deliver)) {
  first_.thread = std::thread([this] { Loop(first_, true); });
  whole_.thread = std::thread([this] { Loop(whole_, false); });
}

TPreviewWorker::~TPreviewWorker() {
  quit_ = true;
  newest_ = ~std::uint64_t{0};  // runs in progress stop at their next entry
  for (TLane* lane : {&first_, &whole_}) {
    { const std::lock_guard lock(lane->mutex); }
    lane->wake.notify_one();
    lane->thread.join();
  }
}

void TPreviewWorker::Supersede(std::uint64_t generation) { newest_ = generation; }

std::optional<TPreviewRequest> TPreviewWorker::Hand(TLane& lane, TPreviewRequest request) {
  std::optional<TPreviewRequest> replaced;
  {
    const std::lock_guard lock(lane.mutex);
    replaced = std::exchange(lane.pending, std::move(request));
  }
  lane.wake.notify_one();
  return replaced;
}

void TPreviewWorker::Post(TPreviewRequest request) {
  newest_ = request.Generation;
  const std::size_t count = request.Entries->Count();
  if (request.FirstPart > 0 && request.FirstPart < count) Hand(first_, request);
  std::optional<TPreviewRequest> replaced = Hand(whole_, std::move(request));
  if (replaced) DeliverCancelled(replaced->Generation);
}

void TPreviewWorker::Loop(TLane& lane, bool first_part) {
  for (;;) {
    TPreviewRequest request;
    {
      std::unique_lock lock(lane.mutex);
      lane.wake.wait(lock, [&] { return quit_.load() || lane.pending.has_value(); });
      if (quit_) return;
      request = std::move(*lane.pending);
      lane.pending.reset();
    }
    Run(request, first_part);
  }
}

void TPreviewWorker::Run(const TPreviewRequest& request, bool first_part) {
  const auto stop = [this, generation = request.Generation] { return Stale(generation); };
  std::optional<TPreviewResult> result = ComputePreview(request, first_part, stop);
  if (result) {
    deliver_(std::move(*result));
  } else if (!first_part) {
    DeliverCancelled(request.Generation);  // the whole lane speaks for the request
  }
}

void TPreviewWorker::DeliverCancelled(std::uint64_t generation) {
  TPreviewResult cancelled;
  cancelled.Generation = generation;
  cancelled.Cancelled = true;
  deliver_(std::move(cancelled));
}

}  // namespace nalo
