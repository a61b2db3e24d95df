// Registration of the runtime's own window classes and the one thunk they share: the
// control object arrives as the creation parameter and is kept from WM_NCCREATE on.
#pragma once

#include <windows.h>

#include "runtime/control.h"

namespace runtime {

// Registers the class once per process; later calls do nothing.
void RegisterWindowClassOnce(const wchar_t* name, WNDPROC procedure, HBRUSH background = nullptr,
                             UINT style = 0);

template <typename Self>
LRESULT CALLBACK ControlThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Self*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(static_cast<Control*>(self)));
  }
  if (Control* control = Control::FromHandle(window)) {
    return static_cast<Self*>(control)->WindowProc(window, message, wParam, lParam);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// WM_PAINT for a window that draws everything itself through paint(dc).
template <typename Paint>
LRESULT PaintWindow(HWND window, Paint paint) {
  PAINTSTRUCT session;
  HDC dc = BeginPaint(window, &session);
  paint(dc);
  EndPaint(window, &session);
  return 0;
}

}  // namespace runtime
