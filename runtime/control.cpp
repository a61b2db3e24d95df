#include "runtime/control.h"

namespace runtime {

bool Control::Create(HWND parent, const Rect& place) {
  window_ = CreateWindowFor(parent, place);
  if (!window_) return false;
  // The system controls leave GWLP_USERDATA to the application; our own classes store
  // the same pointer there at WM_NCCREATE.
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  Configure();
  return true;
}

bool Control::IsTabStop() const {
  return window_ && (GetWindowLongW(window_, GWL_STYLE) & WS_TABSTOP) != 0;
}

Control* Control::FromHandle(HWND window) {
  return reinterpret_cast<Control*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace runtime
