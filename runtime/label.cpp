#include "runtime/label.h"

namespace runtime {

HWND Label::CreateWindowFor(HWND parent, const Rect& place) {
  // SS_CENTERIMAGE keeps a text static on one line, centred vertically.
  const DWORD style = WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX;
  return CreateWindowExW(0, L"STATIC", text_, style, place.left, place.top, place.width,
                         place.height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void Label::Configure() {
  SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
}

}  // namespace runtime
