#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "runtime/form.h"
#include "runtime/slider.h"
#include "test_window.h"

namespace {

runtime::Slider* observed = nullptr;
int events = 0;
int positionAtLastEvent = -1;

void RecordEvent() {
  ++events;
  positionAtLastEvent = observed->Position();
}

class SliderTest : public testing::Test {
 protected:
  void Load(runtime::SliderStyle style) {
    slider_ = std::make_unique<runtime::Slider>(style, RecordEvent);
    form_ =
        std::make_unique<runtime::Form>(runtime::FormLayout{L"slider",
                                                            {0, 0, 420, 120},
                                                            WS_OVERLAPPEDWINDOW,
                                                            false,
                                                            true,
                                                            false,
                                                            {{slider_.get(), {60, 20, 336, 24}}}});
    observed = slider_.get();
    ASSERT_TRUE(form_->Load());
    events = 0;
    positionAtLastEvent = -1;
  }
  void TearDown() override {
    if (form_ && form_->IsCreated()) DestroyWindow(form_->Handle());
  }
  HWND Bar() const { return slider_->Handle(); }
  int Thumb() const { return static_cast<int>(SendMessageW(Bar(), TBM_GETPOS, 0, 0)); }
  void Scroll(int code, int thumbWord) {
    SendMessageW(form_->Handle(), WM_HSCROLL, MAKEWPARAM(code, thumbWord),
                 reinterpret_cast<LPARAM>(Bar()));
  }

  std::unique_ptr<runtime::Slider> slider_;
  std::unique_ptr<runtime::Form> form_;
};

TEST_F(SliderTest, WritingStoresTheClampedValueMovesTheThumbIntoRangeAndRaisesNothing) {
  struct Case {
    int minimum, maximum, written, stored, thumb;
  };
  const Case cases[] = {
      {0, 255, 128, 128, 128}, {0, 255, 300, 300, 255},
      {0, 255, -20, 0, 0},     {0, 255, 40000, 32767, 255},
      {0, 4, 7, 7, 4},         {1, 2, 0, 0, 1},
      {1, 2, 5, 5, 2},         {1, 2, 2, 2, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.minimum << ".." << c.maximum << " written " << c.written);
    Load({c.minimum, c.maximum, 0, runtime::TickMarks::None});
    slider_->SetPosition(c.written);
    PumpMessages();
    EXPECT_EQ(slider_->Position(), c.stored);
    EXPECT_EQ(Thumb(), c.thumb);
    EXPECT_EQ(events, 0);
    TearDown();
  }
}

TEST_F(SliderTest, TheLayoutPositionIsStoredAsGivenWithTheThumbInRange) {
  Load({1, 2, 0, runtime::TickMarks::Below});
  EXPECT_EQ(slider_->Position(), 0);
  EXPECT_EQ(Thumb(), 1);
}

TEST_F(SliderTest, EveryKeyRaisesPositionChangedWithTheThumbsPositionAndTheReleaseNothing) {
  Load({0, 255, 0, runtime::TickMarks::None});
  slider_->SetPosition(10);
  struct Step {
    WPARAM key;
    int expected;
  };
  // At either end the track bar itself sends nothing more, so the steps stay inside.
  const Step steps[] = {{VK_RIGHT, 11}, {VK_LEFT, 10},  {VK_NEXT, 11}, {VK_PRIOR, 10},
                        {VK_END, 255},  {VK_LEFT, 254}, {VK_HOME, 0},  {VK_RIGHT, 1}};
  for (const Step& step : steps) {
    SCOPED_TRACE(testing::Message() << "key " << step.key);
    events = 0;
    PressKey(Bar(), step.key);
    EXPECT_EQ(events, 1) << "one event per press, none for the release";
    EXPECT_EQ(positionAtLastEvent, step.expected);
    EXPECT_EQ(slider_->Position(), step.expected);
  }
}

TEST_F(SliderTest, AMoveReplacesAStoredValueOutsideTheRange) {
  Load({0, 255, 0, runtime::TickMarks::None});
  slider_->SetPosition(300);
  PressKey(Bar(), VK_LEFT);
  EXPECT_EQ(slider_->Position(), 254);
}

TEST_F(SliderTest, ThumbCodesCarryTheirPositionAndEndOfTrackingRaisesNothing) {
  Load({0, 255, 0, runtime::TickMarks::None});
  Scroll(TB_THUMBTRACK, 77);
  EXPECT_EQ(events, 1);
  EXPECT_EQ(positionAtLastEvent, 77);
  Scroll(TB_THUMBPOSITION, 77);
  EXPECT_EQ(events, 2) << "the release of a dragged thumb raises once more";
  Scroll(TB_ENDTRACK, 99);
  EXPECT_EQ(events, 2);
  EXPECT_EQ(slider_->Position(), 77);
}

TEST_F(SliderTest, OtherCodesReadTheThumbNotTheNotificationWord) {
  Load({0, 255, 0, runtime::TickMarks::None});
  slider_->SetPosition(40);
  Scroll(TB_LINEDOWN, 200);  // the word means nothing for this code
  EXPECT_EQ(slider_->Position(), 40);
  EXPECT_EQ(events, 1);
}

}  // namespace
