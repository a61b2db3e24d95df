#include "runtime/skin.h"

#include <windows.h>
#include <uxtheme.h>

namespace runtime {
namespace {

BOOL CALLBACK AnnounceToChild(HWND child, LPARAM) {
  SendMessageW(child, WM_THEMECHANGED, 0, 0);
  return TRUE;
}

BOOL CALLBACK AnnounceThemeChange(HWND window, LPARAM) {
  SendMessageW(window, WM_THEMECHANGED, 0, 0);
  EnumChildWindows(window, AnnounceToChild, 0);
  InvalidateRect(window, nullptr, TRUE);
  return TRUE;
}

}  // namespace

void SetControlSkin(int style) {
  const bool on = style >= 1 && style <= 3;
  SetThemeAppProperties(on ? STAP_ALLOW_NONCLIENT | STAP_ALLOW_CONTROLS : 0);
  EnumThreadWindows(GetCurrentThreadId(), AnnounceThemeChange, 0);
}

}  // namespace runtime
