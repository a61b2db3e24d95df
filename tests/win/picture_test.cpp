#include <windows.h>
#include <gtest/gtest.h>

#include <memory>

#include "resources/resource_ids.h"
#include "runtime/form.h"
#include "runtime/handles.h"
#include "runtime/picture_box.h"
#include "runtime/png_image.h"
#include "runtime/resources.h"
#include "runtime/transparent_label.h"
#include "test_files.h"
#include "test_window.h"

namespace {

constexpr COLORREF kBoxColour = RGB(235, 235, 235);

TEST(DecodePng, TheRingPictureDecodesToItsSizeAndColours) {
  const runtime::PixelImage ring = runtime::DecodePng(runtime::ResourceBytes(IDR_RING_PICTURE));
  ASSERT_EQ(ring.width, 203);
  ASSERT_EQ(ring.height, 105);
  EXPECT_EQ(ring.bgra[0], 0xFFEBEBEBu);
  EXPECT_EQ(ring.bgra[55 * 203 + 94], 0xFFFFFFFFu);
}

TEST(DecodePng, AnythingElseGivesAnEmptyImage) {
  EXPECT_TRUE(runtime::DecodePng("").empty());
  EXPECT_TRUE(runtime::DecodePng("\x89PNG\r\n\x1a\n broken").empty());
}

class PictureTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(form_.Load()); }
  void TearDown() override { DestroyWindow(form_.Handle()); }

  // What the box shows, read back through the same path its children use.
  COLORREF BoxPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    runtime::unique_mem_dc dc(CreateCompatibleDC(screen));
    runtime::unique_hbitmap bitmap(CreateCompatibleBitmap(screen, 457, 122));
    ReleaseDC(nullptr, screen);
    runtime::select_object_guard selected(dc.get(), bitmap.get());
    SendMessageW(box_.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
    return GetPixel(dc.get(), x, y);
  }

  runtime::PictureBox box_{kBoxColour, IDR_RING_PICTURE};
  runtime::TransparentLabel label_{L"NaN", {L"微软雅黑", -20, FW_NORMAL}};
  runtime::Form form_{{L"picture",
                       {0, 0, 463, 311},
                       WS_OVERLAPPED | WS_CAPTION,
                       false,
                       true,
                       false,
                       {{&box_, {-1, -2, 457, 122}}, {&label_, {195, 55, 54, 16}, &box_}}}};
};

TEST_F(PictureTest, TheRingIsCentredAtItsNaturalSizeOnTheBoxColour) {
  EXPECT_EQ(BoxPixel(2, 2), kBoxColour);
  EXPECT_EQ(BoxPixel(126, 60), kBoxColour) << "left of the picture";
  EXPECT_EQ(BoxPixel(127 + 94, 8 + 55), RGB(255, 255, 255)) << "the disc, at (127, 8) + (94, 55)";
  EXPECT_EQ(BoxPixel(127 + 202, 8 + 104), kBoxColour) << "the picture's own corner";
}

TEST_F(PictureTest, TheTransparentLabelIsAChildOfTheBoxAndItsTextIsItsWindowText) {
  EXPECT_EQ(GetParent(label_.Handle()), box_.Handle());
  EXPECT_EQ(WindowText(label_.Handle()), L"NaN");
  label_.SetText(L"50%");
  EXPECT_EQ(WindowText(label_.Handle()), L"50%");
}

TEST_F(PictureTest, TheLabelShowsThePictureBeneathAndNoTraceOfAnOlderText) {
  ShowWindow(form_.Handle(), SW_SHOW);
  auto paintLabel = [&](const wchar_t* text) {
    label_.SetText(text);
    RedrawWindow(label_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    int dark = 0;
    HDC labelDc = GetDC(label_.Handle());
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 54; ++x) dark += GetRValue(GetPixel(labelDc, x, y)) < 128;
    }
    ReleaseDC(label_.Handle(), labelDc);
    return dark;
  };
  const int withText = paintLabel(L"100%");
  const int empty = paintLabel(L"");
  EXPECT_GT(withText, 0) << "the text is drawn in black";
  EXPECT_EQ(empty, 0) << "the old text leaves no trace: only the white disc and grey field remain";
}

}  // namespace
