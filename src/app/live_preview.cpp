// The preview's life on the UI thread: change signals restart the delay timer and
// make the shown result stale at once (the worker stops the old run before its
// next entry); the timer takes a copy of the list if the list changed, builds the
// request from the same context the action button uses, and posts it. Results
// come back as queued calls and are shown only if their generation is the newest.
#include "app/live_preview.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>

#include "app/main_window.h"
#include "execution/gui/changed_part_delegate.h"
#include "execution/gui/problem_marks.h"
#include "fileinfo/info_source.h"
#include "listing/gui/entry_list_model.h"
#include "rules/gui/tab_frame.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

// Calls `changed` on every edit of an input control inside `root`.
void WatchEdits(QWidget* root, QObject* context, const std::function<void()>& changed) {
  for (QComboBox* combo : root->findChildren<QComboBox*>()) {
    QObject::connect(combo, &QComboBox::editTextChanged, context, changed);
    QObject::connect(combo, &QComboBox::currentIndexChanged, context, changed);
  }
  for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
    if (button->isCheckable())
      QObject::connect(button, &QAbstractButton::toggled, context, changed);
  }
  for (QSpinBox* spin : root->findChildren<QSpinBox*>()) {
    QObject::connect(spin, &QSpinBox::valueChanged, context, changed);
  }
  for (QDateTimeEdit* edit : root->findChildren<QDateTimeEdit*>()) {
    QObject::connect(edit, &QDateTimeEdit::dateTimeChanged, context, changed);
  }
  for (QLineEdit* edit : root->findChildren<QLineEdit*>()) {
    if (qobject_cast<QComboBox*>(edit->parentWidget()) == nullptr) {
      QObject::connect(edit, &QLineEdit::textChanged, context, changed);
    }
  }
}

// The information builders over a copy of their settings, so a template dialog
// may change the window's settings while a run reads the copy.
TInfoTextSource InfoSourceCopy(const TInfoSettings& settings, const std::string& settings_folder) {
  auto copy = std::make_shared<const TInfoSettings>(settings);
  TInfoTextSource source = MakeInfoTextSource(*copy, settings_folder);
  return [copy, source](TInfoKind kind, const std::string& path, bool folder_mode) {
    return source(kind, path, folder_mode);
  };
}

}  // namespace

TLivePreview::TLivePreview(TFMainFrm& window, TEntryListModel& model, QAction& toggle)
    : QObject(&window), window_(window), model_(model), toggle_(toggle), view_(window.ListView1) {
  setObjectName("LivePreview");
  status_ = new QLabel(window.statusBar());
  status_->setObjectName("StatusBar1_Preview");
  window.statusBar()->addPermanentWidget(status_);
  delay_.setSingleShot(true);
  delay_.setInterval(kDelayMs);
  connect(&delay_, &QTimer::timeout, this, &TLivePreview::Start);
  model_.SetNewNameProvider([this](std::size_t entry, int role) { return Cell(entry, role); });
  view_->setItemDelegateForColumn(TEntryListModel::kNewNameColumn,
                                  new TChangedPartDelegate(0, view_));
  // The new name stands right beside the present one.
  view_->horizontalHeader()->moveSection(TEntryListModel::kNewNameColumn, 1);
  connect(&toggle_, &QAction::toggled, this, &TLivePreview::Toggle);
  connect(&model_, &QAbstractItemModel::modelReset, this, &TLivePreview::ListChanged);
  connect(&model_, &QAbstractItemModel::layoutChanged, this, &TLivePreview::ListChanged);
  connect(&model_, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& from) {
    if (from.column() < TEntryListModel::kNewNameColumn) ListChanged();
  });
  connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    if (window_.chk_SelectOnly->isChecked()) Schedule();
  });
  for (QComboBox* combo : {window.cmb_notText}) {
    connect(combo, &QComboBox::editTextChanged, this, &TLivePreview::Schedule);
  }
  for (QCheckBox* box : {window.chk_not, window.chk_OmojiKomoji, window.chk_SelectOnly}) {
    connect(box, &QAbstractButton::toggled, this, &TLivePreview::Schedule);
  }
  connect(window.TabControl1, &QTabBar::currentChanged, this, &TLivePreview::WatchFrame);
  view_->setColumnHidden(TEntryListModel::kNewNameColumn, !Enabled());
}

TLivePreview::~TLivePreview() { worker_.reset(); }

bool TLivePreview::Enabled() const { return toggle_.isChecked(); }

void TLivePreview::Toggle(bool on) {
  view_->setColumnHidden(TEntryListModel::kNewNameColumn, !on);
  if (on) {
    Schedule();
  } else {
    ++generation_;
    if (worker_) worker_->Supersede(generation_);
    delay_.stop();
    snapshot_.reset();
    Clear();
  }
}

void TLivePreview::WatchFrame() {
  if (window_.CurrentFrame() != nullptr)
    WatchEdits(window_.CurrentFrame(), this, [this] { Schedule(); });
  Schedule();
}

void TLivePreview::Schedule() {
  if (!Enabled()) return;
  ++generation_;
  if (worker_) worker_->Supersede(generation_);
  delay_.start();
}

void TLivePreview::ListChanged() {
  snapshot_.reset();
  if (!Enabled()) return;
  Clear();  // rows may have moved: the old names no longer belong to them
  Schedule();
}

void TLivePreview::Clear() {
  shown_ = TPreviewResult{};
  status_->clear();
  model_.NewNamesChanged();
}

std::shared_ptr<const TEntryList> TLivePreview::Snapshot() {
  if (!snapshot_) snapshot_ = std::make_shared<const TEntryList>(window_.Entries());
  return snapshot_;
}

std::size_t TLivePreview::VisibleEnd() const {
  const int last = view_->rowAt(view_->viewport()->height() - 1);
  return last < 0 ? 0 : static_cast<std::size_t>(last) + 1;
}

void TLivePreview::Start() {
  if (!Enabled()) return;
  // A listing or a batch is changing the entries: wait until it is over.
  if (window_.Busy() || static_cast<std::size_t>(model_.rowCount()) != window_.Entries().Count()) {
    delay_.start();
    return;
  }
  TTabFrame* frame = window_.CurrentFrame();
  if (frame == nullptr || frame->TabIndex() == kTabSearch) {
    Clear();
    return;
  }
  TPreviewRequest request;
  request.Generation = generation_;
  request.Entries = Snapshot();
  std::vector<bool> selection;
  const TRuleContext ctx = window_.RuleContextFor(*request.Entries, selection);
  if (ctx.Selection != nullptr) request.Selection = std::move(selection);
  request.Exclusion = ctx.Exclusion;
  request.Trim = ctx.Trim;
  request.FolderMode = ctx.FolderMode;
  request.InfoSource = InfoSourceCopy(window_.InfoSettings(), window_.SettingsFolder());
  request.Job = frame->RuleJob();
  request.FirstPart = VisibleEnd();
  if (!worker_) {
    worker_ = std::make_unique<TPreviewWorker>([this](TPreviewResult result) {
      QMetaObject::invokeMethod(
          this, [this, r = std::move(result)]() mutable { Show(std::move(r)); },
          Qt::QueuedConnection);
    });
  }
  worker_->Post(std::move(request));
  emit Started(generation_);
}

void TLivePreview::Show(TPreviewResult result) {
  const bool stale = result.Generation != generation_;
  if (stale && !result.Cancelled && !result.Complete) return;  // the whole result speaks for it
  if (result.Cancelled || stale) {
    emit Cancelled(result.Generation);
    return;
  }
  const bool complete = result.Complete;
  if (!complete && shown_.Generation == result.Generation && shown_.Complete) return;
  shown_ = std::move(result);
  status_->setText(FromUtf8(shown_.Message));
  model_.NewNamesChanged();
  emit Shown(shown_.Generation, complete);
}

QVariant TLivePreview::Cell(std::size_t entry, int role) const {
  if (entry >= shown_.RowOfEntry.size() || shown_.RowOfEntry[entry] < 0) return {};
  const auto row = static_cast<std::size_t>(shown_.RowOfEntry[entry]);
  const TRowClash clash = shown_.Clashes[row];
  switch (role) {
    case Qt::DisplayRole: return FromCp932(shown_.Rows[row].NewName);
    case Qt::ForegroundRole:
      return clash == TRowClash::kNone ? QVariant() : QVariant(ProblemColour());
    case Qt::ToolTipRole:
      return clash == TRowClash::kNone ? FromCp932(shown_.Rows[row].NewName) : ProblemHint(clash);
    default: return {};
  }
}

QString TLivePreview::StatusText() const { return status_->text(); }

}  // namespace nalo
