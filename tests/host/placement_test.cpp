#include "overlay/placement.h"

#include <gtest/gtest.h>

namespace {

TEST(CentredOnPrimaryScreen, TruncatesTowardZero) {
  const struct {
    int screenWidth, screenHeight, width, height, x, y;
  } cases[] = {
      {1920, 1080, 5000, 5000, -1540, -1960}, {1366, 768, 5000, 5000, -1817, -2116},
      {1365, 768, 5000, 5000, -1817, -2116},  // -1817.5, not -1818
      {1366, 768, 1001, 5000, 182, -2116},    // 182.5
      {1920, 1080, 1920, 1080, 0, 0},         {1920, 1080, 0, 0, 960, 540},
  };
  for (const auto& c : cases) {
    const ScreenPoint p = CentredOnPrimaryScreen(c.screenWidth, c.screenHeight, c.width, c.height);
    EXPECT_EQ(p.x, c.x) << c.screenWidth << "x" << c.screenHeight << " " << c.width;
    EXPECT_EQ(p.y, c.y) << c.screenWidth << "x" << c.screenHeight << " " << c.height;
  }
}

TEST(SourceConstantAlpha, KeepsTheLowByteAndTreatsZeroAsOpaque) {
  const struct {
    int alpha;
    int byte;
  } cases[] = {{0, 255}, {1, 1}, {128, 128}, {255, 255}, {256, 0}, {300, 44}, {32767, 255}};
  for (const auto& c : cases) EXPECT_EQ(SourceConstantAlpha(c.alpha), c.byte) << c.alpha;
}

TEST(ConstantAlphaForOpacity, ZeroStillPaintsBarely) {
  EXPECT_EQ(ConstantAlphaForOpacity(0), 1);
  EXPECT_EQ(ConstantAlphaForOpacity(1), 1);
  EXPECT_EQ(ConstantAlphaForOpacity(2), 2);
  EXPECT_EQ(ConstantAlphaForOpacity(255), 255);
  EXPECT_EQ(ConstantAlphaForOpacity(300), 300);
}

TEST(SurfaceSizeBytes, FourBytesAPixel) {
  EXPECT_EQ(SurfaceSizeBytes(5000, 5000), 100000000u);
  EXPECT_EQ(SurfaceSizeBytes(1, 1), 4u);
  EXPECT_EQ(SurfaceSizeBytes(0, 5000), 0u);
  EXPECT_EQ(SurfaceSizeBytes(32627, 32627), 4258084516u);  // the largest window still fits
}

}  // namespace
