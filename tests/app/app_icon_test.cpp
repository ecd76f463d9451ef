// The window icon comes from the PNGs rendered at build time and compiled into the
// GUI library; a resource that is not linked in leaves every window without one.
#include "app/app_icon.h"

#include <gtest/gtest.h>

#include "gui_test_support.h"

namespace nalo {
namespace {

TEST(AppIcon, HoldsEveryRenderedSize) {
  test::App();
  const QList<QSize> sizes = AppIcon().availableSizes();
  for (int edge : {16, 22, 24, 32, 48, 64, 128, 256}) {
    EXPECT_TRUE(sizes.contains(QSize(edge, edge))) << edge;
  }
}

}  // namespace
}  // namespace nalo
