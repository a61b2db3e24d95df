#include "runtime/geometry.h"

#include <gtest/gtest.h>

namespace {

using runtime::Rect;

TEST(Clamps, StoredPositionsEdgesAndExtents) {
  EXPECT_EQ(runtime::ClampStoredPosition(-20), 0);
  EXPECT_EQ(runtime::ClampStoredPosition(300), 300);
  EXPECT_EQ(runtime::ClampStoredPosition(40000), 32767);
  EXPECT_EQ(runtime::ClampEdge(-40000), -32627);
  EXPECT_EQ(runtime::ClampEdge(32700), 32627);
  EXPECT_EQ(runtime::ClampEdge(-1540), -1540);
  EXPECT_EQ(runtime::ClampExtent(-1), 0);
  EXPECT_EQ(runtime::ClampExtent(5000), 5000);
  EXPECT_EQ(runtime::ClampExtent(32628), 32627);
}

TEST(CentredOnScreen, IntegerDivisionTowardZero) {
  EXPECT_EQ(runtime::CentredOnScreen(1920, 1080, 463, 311), (Rect{728, 384, 463, 311}));
  EXPECT_EQ(runtime::CentredOnScreen(1366, 768, 463, 311), (Rect{451, 228, 463, 311}));
  EXPECT_EQ(runtime::CentredOnScreen(400, 300, 463, 311), (Rect{-31, -5, 463, 311}));
}

TEST(FitCentred, NaturalSizeWhenItFitsShrunkKeepingProportionsWhenNot) {
  const struct {
    int boxWidth, boxHeight, width, height;
    Rect expected;
  } cases[] = {
      {457, 122, 203, 105, {127, 8, 203, 105}},  // the ring picture
      {457, 122, 457, 122, {0, 0, 457, 122}},   {100, 100, 400, 200, {0, 25, 100, 50}},  // too wide
      {100, 100, 200, 400, {25, 0, 50, 100}},                                            // too tall
      {100, 50, 300, 300, {25, 0, 50, 50}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(runtime::FitCentred(c.boxWidth, c.boxHeight, c.width, c.height), c.expected)
        << c.boxWidth << "x" << c.boxHeight << " " << c.width << "x" << c.height;
  }
}

}  // namespace
