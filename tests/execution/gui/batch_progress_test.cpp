// The progress window of a batch on its worker thread: it appears on its own once
// the steps have begun, shows the count, and its cancel button reaches the worker.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "app/gui_test_support.h"
#include "execution/gui/fbatch_progress.h"

namespace nalo::test {
namespace {

TEST(BatchProgress, ShowsTheCountAndACancelReachesTheWorker) {
  App();
  TFBatchProgress progress(nullptr, QStringLiteral("リネーム中..."), QStringLiteral("/data"));
  QTimer watch;
  watch.setInterval(10);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (progress.isVisible() && progress.Label1->text() == QStringLiteral("3 / 10 個")) {
      progress.Button1->click();
    }
  });
  watch.start();
  bool stopped_by_cancel = false;
  progress.Run([&] {
    progress.BeginSteps(10);
    progress.StepDone(3);
    // The worker waits for the cancel as a batch would between two moves; a
    // window that never appears fails the test instead of hanging it.
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!progress.CancelFlag().load() && std::chrono::steady_clock::now() < give_up) {
      std::this_thread::yield();
    }
    stopped_by_cancel = progress.CancelFlag().load();
  });
  EXPECT_TRUE(stopped_by_cancel);
  EXPECT_FALSE(progress.isVisible());
  EXPECT_EQ(progress.Label2->text(), QStringLiteral("/data"));
}

// A question or message the worker shows through the window's thread is not
// covered by the window appearing meanwhile.
TEST(BatchProgress, DoesNotAppearOverWhatTheWorkerShows) {
  App();
  TFBatchProgress progress(nullptr, QStringLiteral("元に戻しています..."), QString());
  progress.SetShowAfter(0);
  progress.BeginSteps(2);
  bool shown_during_call = true;
  progress.Run([&] {
    progress.OnUiThread([&] {
      // Wait for the window's refresh to come round (it fills the count).
      while (progress.Label1->text().isEmpty()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
      }
      shown_during_call = progress.isVisible();
    });
  });
  EXPECT_FALSE(shown_during_call);
}

TEST(BatchProgress, WhatTheWorkThrowsComesBack) {
  App();
  TFBatchProgress progress(nullptr, QStringLiteral("リネーム中..."), QString());
  EXPECT_THROW(progress.Run([] { throw std::runtime_error("disk gone"); }), std::runtime_error);
}

}  // namespace
}  // namespace nalo::test
