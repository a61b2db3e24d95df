#include "overlay/topmost_keeper.h"

#include "app/constants.h"
#include "app/globals.h"

void StartTopmostKeeper(HWND overlay) {
  KillListedTimers();
  OverlayHandle = overlay;
  StartThreadTimer(constants::kTopmostKeeperIntervalMs, TopmostTimerProc);
}

void KillListedTimers() {
  const std::size_t count = TimerIdList.size();
  for (std::size_t i = 0; i < count; ++i) KillThreadTimer(TimerIdList[i]);
}

void KillThreadTimer(UINT_PTR id) { KillTimer(nullptr, id); }

UINT_PTR StartThreadTimer(UINT intervalMs, TIMERPROC callback) {
  const UINT_PTR id = SetTimer(nullptr, 0, intervalMs, callback);
  TimerIdList.push_back(id);  // a failed start's 0 too
  return id;
}

void CALLBACK TopmostTimerProc(HWND, UINT, UINT_PTR, DWORD) { KeepOverlayOnTop(); }

namespace {
bool IsTopmost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
}  // namespace

void KeepOverlayOnTop() {
  HWND foreground = GetForegroundWindow();
  if (foreground == OverlayHandle) return;
  // Most ticks find the last tick's work still standing: the overlay topmost and first in
  // the z-order, the foreground window out of the topmost band. Two more SetWindowPos calls
  // would change nothing, and 20 ticks a second make them the keeper's whole cost.
  if (IsTopmost(OverlayHandle) && GetTopWindow(nullptr) == OverlayHandle &&
      !IsTopmost(foreground)) {
    return;
  }
  // Raising must never activate: an activated overlay would take the keyboard from the
  // settings window 50 ms after every click on it, and the Esc meant to save and close
  // the settings would close the overlay instead, losing them.
  constexpr UINT kRaiseOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  SetWindowPos(foreground, HWND_NOTOPMOST, 0, 0, 0, 0, kRaiseOnly);
  SetWindowPos(OverlayHandle, HWND_TOPMOST, 0, 0, 0, 0, kRaiseOnly);
}
