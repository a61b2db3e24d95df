#include <windows.h>
#include <gtest/gtest.h>

#include <memory>

#include "runtime/application.h"
#include "runtime/form.h"
#include "runtime/slider.h"
#include "test_window.h"

namespace {

int canCloseEvents = 0;
void CountCanClose() { ++canCloseEvents; }

class FormTest : public testing::Test {
 protected:
  void SetUp() override { canCloseEvents = 0; }
  void TearDown() override {
    if (form_ && form_->IsCreated()) DestroyWindow(form_->Handle());
  }
  runtime::Form& Load(bool escCloses = true, bool taskbarButton = true,
                      DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU) {
    form_ = std::make_unique<runtime::Form>(runtime::FormLayout{L"form",
                                                                {50, 50, 300, 200},
                                                                style,
                                                                false,
                                                                taskbarButton,
                                                                escCloses,
                                                                {{&slider_, {10, 10, 200, 24}}},
                                                                nullptr,
                                                                CountCanClose});
    EXPECT_TRUE(form_->Load());
    return *form_;
  }
  bool TranslateKey(HWND target, WPARAM key) {
    MSG message{target, WM_KEYDOWN, key, 1, 0, {}};
    return runtime::Form::TranslateKeys(message);
  }

  runtime::Slider slider_{{0, 10, 0, runtime::TickMarks::None}, nullptr};
  std::unique_ptr<runtime::Form> form_;
};

TEST_F(FormTest, ACloseRequestRaisesCanBeClosedOnceAndThenTheWindowCloses) {
  runtime::Form& form = Load();
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(canCloseEvents, 1);
  EXPECT_FALSE(form.IsCreated());
}

TEST_F(FormTest, TheQueryAtTheEndOfTheLogonRaisesCanBeClosedAndAllowsIt) {
  runtime::Form& form = Load();
  EXPECT_EQ(SendMessageW(form.Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_EQ(canCloseEvents, 1);
}

TEST_F(FormTest, DestroyIsAPostedRequestThatRaisesNoCanBeClosed) {
  runtime::Form& form = Load();
  form.Destroy();
  EXPECT_TRUE(form.IsCreated()) << "nothing happens before the loop dispatches the request";
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);  // a close arriving meanwhile is not raised
  PumpMessages();
  EXPECT_FALSE(form.IsCreated());
  EXPECT_EQ(canCloseEvents, 0);
}

TEST_F(FormTest, EscWithoutModifiersClosesLikeTheCloseBoxWhereTheLayoutSaysSo) {
  runtime::Form& form = Load();
  BYTE keys[256] = {};
  SetKeyboardState(keys);
  for (int modifier : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
    keys[modifier] = 0x80;
    SetKeyboardState(keys);
    TranslateKey(slider_.Handle(), VK_ESCAPE);
    keys[modifier] = 0;
    SetKeyboardState(keys);
  }
  EXPECT_EQ(canCloseEvents, 0) << "Shift, Ctrl or Alt with Esc does not close";
  EXPECT_TRUE(TranslateKey(slider_.Handle(), VK_ESCAPE));
  EXPECT_EQ(canCloseEvents, 1);
  EXPECT_FALSE(form.IsCreated());
}

TEST_F(FormTest, EscDoesNothingWhereTheLayoutDoesNotSaySo) {
  Load(/*escCloses=*/false);
  TranslateKey(slider_.Handle(), VK_ESCAPE);
  PumpMessages();
  EXPECT_EQ(canCloseEvents, 0);
}

TEST_F(FormTest, PlaceAndSizeSettersClampAndTakeEffectAtOnce) {
  // Borderless, as the overlay: a captioned window is also held to the system's limits.
  runtime::Form& form = Load(true, true, WS_POPUP);
  const struct {
    void (runtime::Form::*set)(int);
    int value;
    LONG RECT::*edge;
    int expected;
  } cases[] = {
      {&runtime::Form::SetLeft, -40000, &RECT::left, -32627},
      {&runtime::Form::SetLeft, 123, &RECT::left, 123},
      {&runtime::Form::SetTop, 40000, &RECT::top, 32627},
      {&runtime::Form::SetTop, -7, &RECT::top, -7},
  };
  for (const auto& c : cases) {
    (form.*c.set)(c.value);
    RECT rect;
    GetWindowRect(form.Handle(), &rect);
    EXPECT_EQ(rect.*c.edge, c.expected) << c.value;
    EXPECT_EQ(rect.right - rect.left, 300) << "moving keeps the size";
  }
  form.SetLeft(0);
  form.SetTop(0);
  for (const auto& [value, expected] :
       {std::pair{-5, 0}, std::pair{5000, 5000}, std::pair{40000, 32627}}) {
    form.SetWidth(value);
    form.SetHeight(value);
    RECT rect;
    GetWindowRect(form.Handle(), &rect);
    EXPECT_EQ(rect.right - rect.left, expected) << value;
    EXPECT_EQ(rect.bottom - rect.top, expected) << value;
    EXPECT_EQ(rect.left, 0) << "sizing keeps the place";
  }
}

TEST_F(FormTest, AWindowWithoutATaskbarButtonIsOwnedByTheHiddenToolWindow) {
  HWND owner = runtime::HiddenOwnerWindow();
  ASSERT_TRUE(owner);
  EXPECT_TRUE(GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(IsWindowVisible(owner));
  RECT rect;
  GetWindowRect(owner, &rect);
  EXPECT_EQ(rect.right - rect.left, 0);
  EXPECT_EQ(rect.bottom - rect.top, 0);

  runtime::Form& form = Load(true, /*taskbarButton=*/false);
  EXPECT_EQ(GetWindow(form.Handle(), GW_OWNER), owner);
  EXPECT_FALSE(GetWindowLongW(form.Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
}

TEST_F(FormTest, TheLoopEndsWithCodeZeroOnceTheLastWindowIsDestroyed) {
  runtime::Form& form = Load();
  form.Destroy();
  EXPECT_EQ(runtime::RunMessageLoop(), 0);
  EXPECT_FALSE(form.IsCreated());
}

}  // namespace
