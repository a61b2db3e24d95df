// The settings window as start-up builds it, with no settings file.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "app/globals.h"
#include "overlay/overlay_window.h"
#include "runtime/application.h"
#include "settings/settings_window.h"
#include "test_files.h"
#include "test_window.h"

namespace {

RECT PlaceInParent(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

TEST(SettingsWindow, IsCentredOnThePrimaryScreenAt463By311WithAFixedFrame) {
  HWND window = SettingsWindow.Handle();
  RECT rect;
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 463) / 2);
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 311) / 2);
  EXPECT_EQ(rect.right - rect.left, 463);
  EXPECT_EQ(rect.bottom - rect.top, 311);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr) << "it has a taskbar button";
  EXPECT_FALSE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(SendMessageW(window, WM_GETICON, ICON_BIG, 0) ||
              GetClassLongPtrW(window, GCLP_HICON));
}

TEST(SettingsWindow, EveryControlStandsAtItsPlaceWithItsParentKindAndTabStop) {
  const struct {
    const char* name;
    HWND control;
    HWND parent;
    RECT place;
    const wchar_t* windowClass;
    bool tabStop;
  } controls[] = {
      {"标签2", 标签2.Handle(), SettingsWindow.Handle(), {64, 240, 392, 264}, L"Static", false},
      {"滑块条3",
       滑块条3.Handle(),
       SettingsWindow.Handle(),
       {60, 208, 396, 237},
       TRACKBAR_CLASSW,
       true},
      {"透明标签1",
       透明标签1.Handle(),
       图片框1.Handle(),
       {195, 55, 249, 71},
       L"VireshadeTransparentLabel",
       false},
      {"图片框1",
       图片框1.Handle(),
       SettingsWindow.Handle(),
       {-1, -2, 456, 120},
       L"VireshadePictureBox",
       false},
      {"标签1", 标签1.Handle(), SettingsWindow.Handle(), {60, 176, 396, 208}, L"Static", false},
      {"滑块条2",
       滑块条2.Handle(),
       SettingsWindow.Handle(),
       {60, 147, 396, 175},
       TRACKBAR_CLASSW,
       true},
      {"滑块条1",
       滑块条1.Handle(),
       SettingsWindow.Handle(),
       {60, 123, 396, 147},
       TRACKBAR_CLASSW,
       true},
  };
  for (const auto& c : controls) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(IsWindow(c.control));
    EXPECT_EQ(GetParent(c.control), c.parent);
    const RECT place = PlaceInParent(c.control);
    EXPECT_EQ(place.left, c.place.left);
    EXPECT_EQ(place.top, c.place.top);
    EXPECT_EQ(place.right, c.place.right);
    EXPECT_EQ(place.bottom, c.place.bottom);
    wchar_t windowClass[64];
    GetClassNameW(c.control, windowClass, 64);
    EXPECT_EQ(lstrcmpiW(windowClass, c.windowClass), 0) << "class";
    const LONG style = GetWindowLongW(c.control, GWL_STYLE);
    EXPECT_EQ((style & WS_TABSTOP) != 0, c.tabStop);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_FALSE(style & WS_BORDER);
    EXPECT_TRUE(IsWindowEnabled(c.control));
  }
}

TEST(SettingsWindow, SlidersHaveTheirRangesTicksAndSteps) {
  const struct {
    runtime::Slider& slider;
    int minimum, maximum;
    bool ticks;
  } sliders[] = {{滑块条1, 0, 255, false}, {滑块条2, 0, 4, true}, {滑块条3, 1, 2, true}};
  for (const auto& s : sliders) {
    HWND bar = s.slider.Handle();
    EXPECT_EQ(SendMessageW(bar, TBM_GETRANGEMIN, 0, 0), s.minimum);
    EXPECT_EQ(SendMessageW(bar, TBM_GETRANGEMAX, 0, 0), s.maximum);
    EXPECT_EQ(SendMessageW(bar, TBM_GETLINESIZE, 0, 0), 1);
    EXPECT_EQ(SendMessageW(bar, TBM_GETPAGESIZE, 0, 0), 1);
    const LONG style = GetWindowLongW(bar, GWL_STYLE);
    EXPECT_EQ((style & TBS_NOTICKS) == 0, s.ticks);
    if (s.ticks) {
      EXPECT_EQ(SendMessageW(bar, TBM_GETNUMTICS, 0, 0), s.maximum - s.minimum + 1)
          << "one at every position";
    }
  }
}

TEST(SettingsWindow, LabelTextsAreTheirWindowTexts) {
  EXPECT_EQ(
      WindowText(标签1.Handle()),
      L"推荐色\u3000\u3000\u3000  黑\u3000\u3000\u3000\u3000 \u3000黄\u3000\u3000\u3000\u3000 "
      L"\u3000绿\u3000\u3000\u3000 \u3000\u3000红");
  EXPECT_EQ(WindowText(标签2.Handle()), L" 否                     开机自启                    是");
  EXPECT_TRUE(GetWindowLongW(标签1.Handle(), GWL_STYLE) & SS_NOPREFIX);
}

TEST(SettingsWindow, WithoutASettingsFileTheDefaultsAreShownAndNothingIsWritten) {
  EXPECT_EQ(滑块条1.Position(), 0);
  EXPECT_EQ(滑块条2.Position(), 0);
  EXPECT_EQ(滑块条3.Position(), 1);
  EXPECT_EQ(WindowText(透明标签1.Handle()), L"0%") << "the layout's NaN never shows";
  EXPECT_EQ(GetFileAttributesA(SettingsFilePath().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(SettingsWindow, ThePercentageFollowsKeysOnTheOpacitySlider) {
  RestoreSliderPositions restore;
  滑块条1.SetPosition(0);
  HWND bar = 滑块条1.Handle();
  const struct {
    WPARAM key;
    const wchar_t* text;
  } steps[] = {{VK_RIGHT, L"0%"},  {VK_RIGHT, L"1%"},  {VK_END, L"100%"},
               {VK_LEFT, L"100%"}, {VK_PRIOR, L"99%"}, {VK_HOME, L"0%"}};
  for (const auto& step : steps) {
    PressKey(bar, step.key);
    EXPECT_EQ(WindowText(透明标签1.Handle()), step.text) << "key " << step.key;
  }
}

TEST(SettingsWindow, TheOverlayIsLoadedOwnedAndPaintedBeforeTheSettingsWindowShows) {
  HWND overlay = OverlayWindow.Handle();
  ASSERT_TRUE(OverlayWindow.IsCreated());
  EXPECT_EQ(OverlayHandle, overlay);
  EXPECT_EQ(GetWindow(overlay, GW_OWNER), runtime::HiddenOwnerWindow());
  EXPECT_TRUE(IsWindowVisible(overlay));
  const LONG style = GetWindowLongW(overlay, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME));
  const LONG exStyle = GetWindowLongW(overlay, GWL_EXSTYLE);
  EXPECT_EQ(exStyle & (WS_EX_LAYERED | WS_EX_TRANSPARENT), WS_EX_LAYERED | WS_EX_TRANSPARENT);
  RECT rect;
  GetWindowRect(overlay, &rect);
  EXPECT_EQ(rect.right - rect.left, 5000);
  EXPECT_EQ(rect.bottom - rect.top, 5000);
  EXPECT_EQ(rect.left, GetSystemMetrics(SM_CXSCREEN) / 2 - 2500);
  EXPECT_EQ(WindowText(overlay), L"Vireshade - 屏幕");
  ASSERT_EQ(TimerIdList.size(), 1u) << "one keeper timer";
  EXPECT_NE(TimerIdList[0], 0u);
}

}  // namespace
