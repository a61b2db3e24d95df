#include "runtime/slider.h"

#include <commctrl.h>

#include <algorithm>

namespace runtime {

HWND Slider::CreateWindowFor(HWND parent, const Rect& place) {
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS;
  style |= style_.ticks == TickMarks::Below ? TBS_BOTTOM : TBS_NOTICKS;
  return CreateWindowExW(0, TRACKBAR_CLASSW, L"", style, place.left, place.top, place.width,
                         place.height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void Slider::Configure() {
  HWND bar = Handle();
  SendMessageW(bar, TBM_SETRANGEMIN, FALSE, style_.minimum);
  SendMessageW(bar, TBM_SETRANGEMAX, FALSE, style_.maximum);
  SendMessageW(bar, TBM_SETTICFREQ, 1, 0);
  SendMessageW(bar, TBM_SETLINESIZE, 0, 1);
  SendMessageW(bar, TBM_SETPAGESIZE, 0, 1);
  SetPosition(style_.position);
}

void Slider::SetPosition(int value) {
  stored_ = ClampStoredPosition(value);
  const int thumb = std::clamp(stored_, style_.minimum, style_.maximum);
  SendMessageW(Handle(), TBM_SETPOS, TRUE, thumb);
}

void Slider::OnScroll(int code, int thumbWord) {
  if (code == TB_ENDTRACK) return;
  // The word in WM_HSCROLL carries the position only for the thumb codes.
  const bool thumbCode = code == TB_THUMBTRACK || code == TB_THUMBPOSITION;
  stored_ = thumbCode ? thumbWord : static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0));
  if (onPositionChanged_) onPositionChanged_();
}

}  // namespace runtime
