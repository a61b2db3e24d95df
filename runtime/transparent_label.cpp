#include "runtime/transparent_label.h"

#include <string>

#include "runtime/window_class.h"

namespace runtime {
namespace {
constexpr wchar_t kClassName[] = L"VireshadeTransparentLabel";
}

HWND TransparentLabel::CreateWindowFor(HWND parent, const Rect& place) {
  font_.reset(CreateFontW(fontSpec_.height, 0, 0, 0, fontSpec_.weight, FALSE, FALSE, FALSE,
                          DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, fontSpec_.face));
  RegisterWindowClassOnce(kClassName, ControlThunk<TransparentLabel>);
  return CreateWindowExW(0, kClassName, text_, WS_CHILD | WS_VISIBLE, place.left, place.top,
                         place.width, place.height, parent, nullptr, GetModuleHandleW(nullptr),
                         this);
}

void TransparentLabel::SetText(const wchar_t* text) { SetWindowTextW(Handle(), text); }

LRESULT TransparentLabel::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
      InvalidateRect(window, nullptr, FALSE);
      return result;
    }
    case WM_ERASEBKGND:
      return 1;  // the parent's picture is the background, drawn in WM_PAINT
    case WM_PAINT:
      return PaintWindow(window, [&](HDC dc) { Paint(window, dc); });
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

void TransparentLabel::Paint(HWND window, HDC dc) const {
  RECT client;
  GetClientRect(window, &client);

  // Compose off screen: the parent's pixels beneath us, then the text.
  unique_mem_dc buffer(CreateCompatibleDC(dc));
  unique_hbitmap surface(CreateCompatibleBitmap(dc, client.right, client.bottom));
  select_object_guard surfaceSelected(buffer.get(), surface.get());

  HWND parent = GetParent(window);
  POINT origin{0, 0};
  MapWindowPoints(window, parent, &origin, 1);
  POINT previous;
  SetViewportOrgEx(buffer.get(), -origin.x, -origin.y, &previous);
  SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(buffer.get()), PRF_CLIENT);
  SetViewportOrgEx(buffer.get(), previous.x, previous.y, nullptr);

  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));

  select_object_guard fontSelected(buffer.get(), font_.get());
  SetBkMode(buffer.get(), TRANSPARENT);
  SetTextColor(buffer.get(), RGB(0, 0, 0));
  DrawTextW(buffer.get(), text.c_str(), length, &client,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

  BitBlt(dc, 0, 0, client.right, client.bottom, buffer.get(), 0, 0, SRCCOPY);
}

}  // namespace runtime
