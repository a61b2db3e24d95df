#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/globals.h"
#include "overlay/layered_painter.h"
#include "resources/resource_ids.h"
#include "runtime/resources.h"

namespace {

const std::string kSignature("\x89PNG\r\n\x1a\n", 8);

class PainterTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 100, 100,
                              200, 150, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(window_);
    StartupGdiplus();
  }
  void TearDown() override { DestroyWindow(window_); }

  RECT Rect() const {
    RECT rect;
    GetWindowRect(window_, &rect);
    return rect;
  }
  LONG ExStyle() const { return GetWindowLongW(window_, GWL_EXSTYLE); }

  HWND window_ = nullptr;
  LayeredPainter painter_;
};

TEST_F(PainterTest, AnythingNotStartingWithThePngSignatureIsRefusedAndTheWindowUntouched) {
  std::string cases[] = {"", kSignature.substr(0, 7)};
  for (std::size_t i = 0; i < kSignature.size(); ++i) {
    std::string wrong = kSignature;
    wrong[i] = static_cast<char>(wrong[i] ^ 0x01);
    EXPECT_FALSE(painter_.PaintPng(window_, wrong, 128)) << "byte " << i;
  }
  for (const std::string& image : cases) EXPECT_FALSE(painter_.PaintPng(window_, image, 128));
  EXPECT_FALSE(painter_.PaintPng(window_, std::string_view(), 128)) << "an absent image";
  const RECT rect = Rect();
  EXPECT_EQ(rect.left, 100);
  EXPECT_EQ(rect.top, 100);
  EXPECT_EQ(rect.right - rect.left, 200);
  EXPECT_EQ(rect.bottom - rect.top, 150);
  EXPECT_EQ(ExStyle(), WS_EX_TOOLWINDOW);
}

TEST_F(PainterTest, APngIsShownAtItsSizeCentredOnThePrimaryScreenKeepingTheOtherStyles) {
  const std::string_view ring = runtime::ResourceBytes(IDR_RING_PICTURE);  // 203 x 105
  EXPECT_TRUE(painter_.PaintPng(window_, ring, 128));
  const RECT rect = Rect();
  EXPECT_EQ(rect.right - rect.left, 203);
  EXPECT_EQ(rect.bottom - rect.top, 105);
  // Halves truncated toward zero: (cx / 2 - 101.5) and (cy / 2 - 52.5).
  EXPECT_EQ(rect.left, static_cast<int>(GetSystemMetrics(SM_CXSCREEN) / 2.0 - 101.5));
  EXPECT_EQ(rect.top, static_cast<int>(GetSystemMetrics(SM_CYSCREEN) / 2.0 - 52.5));
  EXPECT_EQ(ExStyle(), WS_EX_TOOLWINDOW | WS_EX_LAYERED);
}

TEST_F(PainterTest, ASignatureFollowedByJunkRunsToTheEndWithoutHarm) {
  EXPECT_FALSE(painter_.PaintPng(window_, kSignature + "not a picture", 128));
  EXPECT_TRUE(ExStyle() & WS_EX_LAYERED);
}

TEST_F(PainterTest, ClickThroughOnlyForFlagOneOtherwiseExactlyLayered) {
  painter_.SetClickThrough(window_, 1);
  const LONG once = ExStyle();
  EXPECT_EQ(once, WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_LAYERED);
  painter_.SetClickThrough(window_, 1);
  EXPECT_EQ(ExStyle(), once) << "twice is the same as once";
  for (int flag : {0, 2, -1}) {
    SetWindowLongW(window_, GWL_EXSTYLE, WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT);
    painter_.SetClickThrough(window_, flag);
    EXPECT_EQ(ExStyle(), WS_EX_LAYERED) << "flag " << flag;
  }
}

TEST_F(PainterTest, ACopyIsAnotherPainterThatPaintsTheSame) {
  std::unique_ptr<LayeredPainter> copy = painter_.Clone();
  ASSERT_TRUE(copy);
  EXPECT_NE(copy.get(), &painter_);
  EXPECT_FALSE(copy->PaintPng(window_, "", 1));
}

TEST(StartupGdiplus, EveryStartStoresItsOwnToken) {
  GdiplusToken = 12345;
  StartupGdiplus();
  EXPECT_NE(GdiplusToken, 12345u);
  EXPECT_NE(GdiplusToken, 0u);
}

}  // namespace
