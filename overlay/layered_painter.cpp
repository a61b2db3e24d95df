#include "overlay/layered_painter.h"

#include <cstring>

#include "app/globals.h"
#include "overlay/placement.h"
#include "runtime/form.h"
#include "runtime/handles.h"
#include "runtime/skin.h"

namespace {

constexpr unsigned char kPngSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
constexpr COLORREF kColorKeyMagenta = 0xFF00FF;

bool HasPngSignature(std::string_view image) {
  return image.size() >= sizeof kPngSignature &&
         std::memcmp(image.data(), kPngSignature, sizeof kPngSignature) == 0;
}

// A moveable block holding a copy of the image; GDI+ may read it for as long as the
// decoded image lives.
runtime::unique_hglobal CopyToGlobalMemory(std::string_view image) {
  runtime::unique_hglobal block(GlobalAlloc(GMEM_MOVEABLE, image.size()));
  if (void* bytes = block ? GlobalLock(block.get()) : nullptr) {
    std::memcpy(bytes, image.data(), image.size());
    GlobalUnlock(block.get());
  }
  return block;
}

}  // namespace

std::unique_ptr<LayeredPainter> LayeredPainter::Clone() const {
  return std::unique_ptr<LayeredPainter>(new LayeredPainter(*this));
}

bool LayeredPainter::PaintPng(HWND window, std::string_view image, int alpha) const {
  using namespace Gdiplus::DllExports;
  if (!HasPngSignature(image)) return false;

  runtime::unique_window_dc windowDc(window);
  runtime::unique_hglobal block = CopyToGlobalMemory(image);
  runtime::unique_stream stream;
  // Without a block the call would allocate one of its own that nothing frees.
  if (block) CreateStreamOnHGlobal(block.get(), FALSE, stream.put());

  runtime::unique_gp_image decoded;
  Gdiplus::REAL imageWidth = 0;
  Gdiplus::REAL imageHeight = 0;
  if (stream) GdipLoadImageFromStream(stream.get(), decoded.put());
  if (decoded) GdipGetImageDimension(decoded.get(), &imageWidth, &imageHeight);

  // Ask for the image's size at the top-left corner, then work with what was granted.
  MoveWindow(window, 0, 0, static_cast<int>(imageWidth), static_cast<int>(imageHeight), FALSE);
  RECT granted{};
  GetWindowRect(window, &granted);
  const int width = granted.right;
  const int height = granted.bottom;

  BITMAPINFO surfaceInfo{};
  surfaceInfo.bmiHeader.biSize = sizeof surfaceInfo.bmiHeader;
  surfaceInfo.bmiHeader.biWidth = width;
  surfaceInfo.bmiHeader.biHeight = height;  // bottom-up rows
  surfaceInfo.bmiHeader.biPlanes = 1;
  surfaceInfo.bmiHeader.biBitCount = 32;
  surfaceInfo.bmiHeader.biCompression = BI_RGB;
  surfaceInfo.bmiHeader.biSizeImage = SurfaceSizeBytes(width, height);

  runtime::unique_mem_dc surfaceDc(CreateCompatibleDC(windowDc.get()));
  runtime::unique_hbitmap surface(
      CreateDIBSection(surfaceDc.get(), &surfaceInfo, DIB_RGB_COLORS, nullptr, nullptr, 0));
  runtime::select_object_guard surfaceSelected(surfaceDc.get(), surface.get());

  runtime::unique_gp_graphics graphics;
  GdipCreateFromHDC(surfaceDc.get(), graphics.put());
  if (graphics && decoded) {
    GdipDrawImageRect(graphics.get(), decoded.get(), 0, 0, imageWidth, imageHeight);
  }

  SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) | WS_EX_LAYERED);

  const ScreenPoint centred = CentredOnPrimaryScreen(GetSystemMetrics(SM_CXSCREEN),
                                                     GetSystemMetrics(SM_CYSCREEN), width, height);
  POINT destination{centred.x, centred.y};
  POINT source{0, 0};
  SIZE size{width, height};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, SourceConstantAlpha(alpha), AC_SRC_ALPHA};

  // The decoded image goes first; only then may its stream and memory block go.
  decoded.reset();
  graphics.reset();
  stream.reset();
  block.reset();

  const BOOL updated = UpdateLayeredWindow(window, windowDc.get(), &destination, &size,
                                           surfaceDc.get(), &source, 0, &blend, ULW_ALPHA);

  windowDc.reset();
  surfaceSelected.reset();
  surfaceDc.reset();
  surface.reset();
  return updated != FALSE;
}

void LayeredPainter::SetClickThrough(HWND window, int flag) const {
  const LONG clickThrough = GetWindowLongA(window, GWL_EXSTYLE) | WS_EX_TRANSPARENT | WS_EX_LAYERED;
  SetWindowLongA(window, GWL_EXSTYLE, flag == 1 ? clickThrough : WS_EX_LAYERED);
}

void LayeredPainter::AttachToDesktop(runtime::Form& window, int flag) const {
  HWND programManager = FindWindowA("Progman", "Program Manager");
  // Anything but 1 undoes the attachment: back to a top-level window.
  SetParent(window.Handle(), flag == 1 ? programManager : nullptr);
  window.BringToTop();
}

void LayeredPainter::SetColorKey(runtime::Form& window, int style, int skinFlag, int alpha) const {
  if (skinFlag == 0) style = 0;
  runtime::SetControlSkin(style);
  window.SetBackgroundColor(kColorKeyMagenta);
  HWND handle = window.Handle();
  SetWindowLongA(handle, GWL_EXSTYLE, GetWindowLongA(handle, GWL_EXSTYLE) | WS_EX_LAYERED);
  SetLayeredWindowAttributes(handle, kColorKeyMagenta, static_cast<BYTE>(alpha), LWA_COLORKEY);
}

void StartupGdiplus() {
  Gdiplus::GdiplusStartupInput input;
  input.GdiplusVersion = 1;
  input.DebugEventCallback = nullptr;
  input.SuppressBackgroundThread = FALSE;
  input.SuppressExternalCodecs = FALSE;
  Gdiplus::GdiplusStartup(&GdiplusToken, &input, nullptr);
}
