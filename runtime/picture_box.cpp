#include "runtime/picture_box.h"

#include "runtime/handles.h"
#include "runtime/resources.h"
#include "runtime/window_class.h"

namespace runtime {
namespace {
constexpr wchar_t kClassName[] = L"VireshadePictureBox";
}

HWND PictureBox::CreateWindowFor(HWND parent, const Rect& place) {
  picture_ = DecodePng(ResourceBytes(pictureResource_));
  RegisterWindowClassOnce(kClassName, ControlThunk<PictureBox>);
  // WS_CLIPCHILDREN: the label over the picture paints itself, flicker-free.
  return CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, place.left,
                         place.top, place.width, place.height, parent, nullptr,
                         GetModuleHandleW(nullptr), this);
}

LRESULT PictureBox::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills every pixel
    case WM_PAINT:
      return PaintWindow(window, [&](HDC dc) { Paint(window, dc); });
    case WM_PRINTCLIENT:
      Paint(window, reinterpret_cast<HDC>(wParam));
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

void PictureBox::Paint(HWND window, HDC dc) const {
  RECT client;
  GetClientRect(window, &client);
  unique_hbrush fill(CreateSolidBrush(background_));
  FillRect(dc, &client, fill.get());
  if (picture_.empty()) return;

  const Rect place = FitCentred(client.right, client.bottom, picture_.width, picture_.height);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture_.width;
  info.bmiHeader.biHeight = -picture_.height;  // rows top to bottom
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetStretchBltMode(dc, HALFTONE);
  StretchDIBits(dc, place.left, place.top, place.width, place.height, 0, 0, picture_.width,
                picture_.height, picture_.bgra.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace runtime
