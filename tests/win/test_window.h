// Helpers shared by the Wine tests: pumping the queue and pressing keys on a control.
#pragma once

#include <windows.h>

inline void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// A key press and release delivered to the control, as the keyboard would.
inline void PressKey(HWND control, WPARAM key) {
  SendMessageW(control, WM_KEYDOWN, key, 1);
  SendMessageW(control, WM_KEYUP, key, 0xC0000001);
  PumpMessages();
}
