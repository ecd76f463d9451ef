// The decisions of the folder watch: when a burst of notices is reported, and one
// re-scan prompt at a time.
#include "listing/dir_watch.h"

#include <gtest/gtest.h>

namespace nalo {
namespace {

using namespace std::chrono_literals;

TEST(QuietDelay, FiresOnceAfterTheLastNotice) {
  TQuietDelay delay(1500);
  auto t0 = TQuietDelay::TClock::time_point{};
  EXPECT_FALSE(delay.Due(t0 + 10s));
  delay.Notice(t0);
  delay.Notice(t0 + 500ms);
  delay.Notice(t0 + 1000ms);
  EXPECT_FALSE(delay.Due(t0 + 2499ms));
  EXPECT_TRUE(delay.Due(t0 + 2500ms));
  EXPECT_FALSE(delay.Due(t0 + 3000ms));
  delay.Notice(t0 + 3000ms);
  delay.Cancel();
  EXPECT_FALSE(delay.Due(t0 + 10s));
}

TEST(RescanPromptGate, OpensOneAtATimeAndAgainLater) {
  TRescanPromptGate gate;
  EXPECT_TRUE(gate.TryOpen());
  EXPECT_FALSE(gate.TryOpen());
  EXPECT_TRUE(gate.Showing());
  gate.Closed();
  EXPECT_TRUE(gate.TryOpen());
}

}  // namespace
}  // namespace nalo
