// The worker never touches a widget: it stores counts in atomics, and a timer on
// this thread turns them into text. Calls the worker needs on this thread (the
// confirmation window, the watcher switch, questions) are queued to it and waited
// for; this thread is always in Run's event loop then, so they are handled.
#include "execution/gui/fbatch_progress.h"

#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <thread>

#include "ui/list_look.h"

namespace nalo {
namespace {

constexpr int kRefreshMs = 100;
constexpr int kPanelWidth = 360;

}  // namespace

TFBatchProgress::TFBatchProgress(QWidget* parent, const QString& caption, const QString& folder)
    : QDialog(parent) {
  setObjectName("FBatchProgress");
  setWindowTitle(caption);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setWindowModality(Qt::ApplicationModal);
  auto* layout = new QVBoxLayout(this);
  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label1->setAlignment(Qt::AlignCenter);
  Label2 = new QLabel(folder, this);
  Label2->setObjectName("Label2");
  Label2->setMinimumWidth(kPanelWidth);
  Label2->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);  // long paths are cut
  Label2->setMargin(8);
  Label2->setAlignment(Qt::AlignCenter);
  Label2->setToolTip(folder);
  ApplyListColors(Label2, Qt::yellow, Qt::black);
  Button1 = new QPushButton(QStringLiteral("キャンセル"), this);
  Button1->setObjectName("Button1");
  connect(Button1, &QPushButton::clicked, this, &TFBatchProgress::RequestCancel);
  layout->addWidget(Label1);
  layout->addWidget(Label2);
  layout->addWidget(Button1, 0, Qt::AlignHCenter);
  refresh_.setInterval(kRefreshMs);
  connect(&refresh_, &QTimer::timeout, this, &TFBatchProgress::Refresh);
}

TFBatchProgress::~TFBatchProgress() = default;

void TFBatchProgress::Run(const std::function<void()>& work) {
  QEventLoop loop;
  std::exception_ptr failure;
  std::thread worker([&] {
    try {
      work();
    } catch (...) {
      failure = std::current_exception();
    }
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  refresh_.start();
  loop.exec();
  worker.join();
  refresh_.stop();
  hide();
  if (failure) std::rethrow_exception(failure);
}

void TFBatchProgress::BeginSteps(std::size_t total) {
  total_.store(total);
  done_.store(0);
  OnUiThread([this] { since_begin_.start(); });
  steps_begun_.store(true);
}

// While a call shows something (a question, a message, the confirmation window),
// the window does not appear over it; it appears after, if the work goes on.
void TFBatchProgress::OnUiThread(const std::function<void()>& call) {
  auto counted = [this, &call] {
    struct TCount {
      int& calls;
      ~TCount() { --calls; }
    } count{ui_calls_};
    ++ui_calls_;
    call();
  };
  if (QThread::currentThread() == thread()) {
    counted();
    return;
  }
  QMetaObject::invokeMethod(this, counted, Qt::BlockingQueuedConnection);
}

void TFBatchProgress::ShowFolder(const QString& text) {
  const std::lock_guard<std::mutex> hold(folder_lock_);
  folder_ = text;
  folder_changed_ = true;
}

void TFBatchProgress::RequestCancel() {
  cancel_.store(true);
  Button1->setEnabled(false);
  Label1->setText(QStringLiteral("キャンセルしています..."));
}

void TFBatchProgress::Refresh() {
  if (!steps_begun_.load()) return;
  if (!cancel_.load()) {
    const std::size_t total = total_.load();
    if (total == 0) {
      Label1->setText(QStringLiteral("%1 個").arg(done_.load()));
    } else {
      Label1->setText(QStringLiteral("%1 / %2 個").arg(std::min(done_.load(), total)).arg(total));
    }
  }
  RefreshFolder();
  if (!isVisible() && ui_calls_ == 0 && since_begin_.elapsed() >= show_after_ms_) {
    if (parentWidget() != nullptr) {
      adjustSize();
      move(parentWidget()->geometry().center() - rect().center());
    }
    show();
  }
}

void TFBatchProgress::RefreshFolder() {
  const std::lock_guard<std::mutex> hold(folder_lock_);
  if (!folder_changed_) return;
  folder_changed_ = false;
  Label2->setText(folder_);
  Label2->setToolTip(folder_);
}

}  // namespace nalo
