// A 50 ms thread timer that puts the overlay back at the top of the topmost band
// whenever another window is in the foreground.
#pragma once

#include <windows.h>

void StartTopmostKeeper(HWND overlay);
void KillListedTimers();
void KillThreadTimer(UINT_PTR id);
UINT_PTR StartThreadTimer(UINT intervalMs, TIMERPROC callback);
void CALLBACK TopmostTimerProc(HWND, UINT, UINT_PTR, DWORD);
void KeepOverlayOnTop();
