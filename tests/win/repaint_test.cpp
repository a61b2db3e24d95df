#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>

#include "app/globals.h"
#include "overlay/overlay_window.h"
#include "overlay/tint.h"
#include "settings/settings_window.h"
#include "test_files.h"

namespace {

std::uint32_t BigEndian(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return std::uint32_t{b[0]} << 24 | std::uint32_t{b[1]} << 16 | std::uint32_t{b[2]} << 8 | b[3];
}

TEST(TintPreset, FiveEmbeddedPngsOf5000By5000Rgb) {
  for (int index = 0; index < 5; ++index) {
    const std::string_view preset = TintPreset(index);
    ASSERT_GT(preset.size(), 33u) << index;
    EXPECT_EQ(preset.substr(0, 8), std::string_view("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(preset.substr(12, 4), "IHDR");
    EXPECT_EQ(BigEndian(preset.data() + 16), 5000u);
    EXPECT_EQ(BigEndian(preset.data() + 20), 5000u);
    EXPECT_EQ(preset[25], 2) << "RGB";
    EXPECT_EQ(TintPreset(index).data(), preset.data())
        << "a reference to the constant, never a copy";
  }
}

class RepaintTest : public testing::Test {
 protected:
  void SetUp() override {
    // A window state the repaint has to undo.
    SetWindowLongW(OverlayWindow.Handle(), GWL_EXSTYLE, 0);
    MoveWindow(OverlayWindow.Handle(), 5, 5, 10, 10, FALSE);
  }
  RestoreSliderPositions restore_;
  static RECT OverlayRect() {
    RECT rect;
    GetWindowRect(OverlayWindow.Handle(), &rect);
    return rect;
  }
};

TEST_F(RepaintTest, EachTintPositionRepaintsTheOverlayOverTheScreenClickThrough) {
  for (int tint = 0; tint < 5; ++tint) {
    滑块条2.SetPosition(tint);
    GdiplusToken = 0;
    OnTintChanged();
    EXPECT_NE(GdiplusToken, 0u) << "every repaint starts GDI+ and keeps the new token";
    const RECT rect = OverlayRect();
    EXPECT_EQ(rect.right - rect.left, 5000);
    EXPECT_EQ(rect.left, static_cast<int>(GetSystemMetrics(SM_CXSCREEN) / 2.0 - 2500));
    EXPECT_EQ(GetWindowLongW(OverlayWindow.Handle(), GWL_EXSTYLE),
              WS_EX_LAYERED | WS_EX_TRANSPARENT);
  }
}

TEST_F(RepaintTest, ATintPositionOutsideThePresetsPaintsNothingAndStartsNoGdiplus) {
  for (int tint : {5, 7, 32767}) {
    滑块条2.SetPosition(tint);
    GdiplusToken = 4242;
    OnTintChanged();
    EXPECT_EQ(GdiplusToken, 4242u) << tint;
    EXPECT_EQ(OverlayRect().right - OverlayRect().left, 10);
    EXPECT_EQ(GetWindowLongW(OverlayWindow.Handle(), GWL_EXSTYLE), 0);
  }
}

TEST_F(RepaintTest, TheOpacityHandlerRepaintsOnlyForAPresetPosition) {
  滑块条2.SetPosition(7);
  滑块条1.SetPosition(128);
  OnOpacityChanged();
  EXPECT_EQ(OverlayRect().right - OverlayRect().left, 10) << "not repainted";
  滑块条2.SetPosition(3);
  OnOpacityChanged();
  EXPECT_EQ(OverlayRect().right - OverlayRect().left, 5000);
}

TEST_F(RepaintTest, TheThirdOfThreeRepaintsLeavesItsOwnToken) {
  滑块条2.SetPosition(1);
  OnTintChanged();
  OnTintChanged();
  GdiplusToken = 777;
  OnTintChanged();
  EXPECT_NE(GdiplusToken, 777u);
}

}  // namespace
