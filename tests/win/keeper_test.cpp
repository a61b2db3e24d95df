#include <windows.h>
#include <gtest/gtest.h>

#include "app/globals.h"
#include "overlay/overlay_window.h"
#include "overlay/topmost_keeper.h"
#include "test_window.h"

namespace {

bool IsTopmost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

class KeeperTest : public testing::Test {
 protected:
  void SetUp() override {
    other_ = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"another program",
                             WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(other_);
    SetWindowPos(OverlayHandle, HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  void TearDown() override { DestroyWindow(other_); }
  HWND other_ = nullptr;
};

TEST_F(KeeperTest, ATickWithAnotherWindowInFrontMakesTheOverlayTopmostAndTheOtherNot) {
  SetForegroundWindow(other_);
  ASSERT_EQ(GetForegroundWindow(), other_);
  ASSERT_TRUE(IsTopmost(other_));
  KeepOverlayOnTop();
  EXPECT_TRUE(IsTopmost(OverlayHandle));
  EXPECT_FALSE(IsTopmost(other_));
  EXPECT_EQ(GetForegroundWindow(), other_) << "raising the overlay never takes the keyboard";
}

TEST_F(KeeperTest, AnOverlayFirstInTheZOrderButNotTopmostIsMadeTopmost) {
  SetWindowPos(other_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetWindowPos(OverlayHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetForegroundWindow(other_);
  SetWindowPos(OverlayHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ASSERT_EQ(GetTopWindow(nullptr), OverlayHandle);
  ASSERT_FALSE(IsTopmost(OverlayHandle));
  KeepOverlayOnTop();
  EXPECT_TRUE(IsTopmost(OverlayHandle));
}

TEST_F(KeeperTest, ATopmostForegroundWindowBelowTheOverlayStillLosesItsTopmostState) {
  SetWindowPos(OverlayHandle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ASSERT_EQ(GetTopWindow(nullptr), OverlayHandle);
  SetForegroundWindow(other_);
  ASSERT_EQ(GetForegroundWindow(), other_);
  ASSERT_TRUE(IsTopmost(other_));
  KeepOverlayOnTop();
  EXPECT_FALSE(IsTopmost(other_));
  EXPECT_EQ(GetTopWindow(nullptr), OverlayHandle);
}

TEST_F(KeeperTest, ATickOverAnotherTopmostWindowPutsTheOverlayFirstAgain) {
  SetWindowPos(OverlayHandle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(other_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(other_);
  ASSERT_NE(GetTopWindow(nullptr), OverlayHandle);
  KeepOverlayOnTop();
  EXPECT_EQ(GetTopWindow(nullptr), OverlayHandle);
  EXPECT_FALSE(IsTopmost(other_));
}

TEST_F(KeeperTest, NoTickChangesAnythingWhileTheOverlayIsInFront) {
  SetForegroundWindow(OverlayHandle);
  ASSERT_EQ(GetForegroundWindow(), OverlayHandle);
  KeepOverlayOnTop();
  EXPECT_FALSE(IsTopmost(OverlayHandle));
  EXPECT_TRUE(IsTopmost(other_));
}

TEST_F(KeeperTest, TheTimerTicksOnItsOwnThroughTheMessageLoop) {
  SetForegroundWindow(other_);
  ASSERT_EQ(GetForegroundWindow(), other_);
  const DWORD until = GetTickCount() + 1000;
  while (!(IsTopmost(OverlayHandle) && !IsTopmost(other_)) && GetTickCount() < until) {
    SetForegroundWindow(other_);  // the null driver may drop the foreground meanwhile
    PumpMessages();
    Sleep(10);
  }
  EXPECT_TRUE(IsTopmost(OverlayHandle));
  EXPECT_FALSE(IsTopmost(other_));
}

TEST(TopmostKeeper, RestartingKillsTheListedTimersAndTheListOnlyGrows) {
  const std::vector<UINT_PTR> before = TimerIdList;
  ASSERT_FALSE(before.empty());
  StartTopmostKeeper(OverlayHandle);
  ASSERT_EQ(TimerIdList.size(), before.size() + 1);
  EXPECT_EQ(OverlayHandle, OverlayWindow.Handle());
  for (UINT_PTR killed : before) EXPECT_FALSE(KillTimer(nullptr, killed)) << "already killed";
  EXPECT_NE(TimerIdList.back(), 0u);
}

}  // namespace
