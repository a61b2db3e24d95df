// Move-only owners for every Win32, COM and GDI+ handle the program obtains, so that
// each one is released exactly once on every path.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <utility>

namespace runtime {

// Owns a handle-like value and hands it to Close when it goes out of scope.
template <typename T, auto Close, T Invalid = T{}>
class unique_any {
 public:
  unique_any() = default;
  explicit unique_any(T value) : value_(value) {}
  unique_any(unique_any&& other) noexcept : value_(other.release()) {}
  unique_any& operator=(unique_any&& other) noexcept {
    reset(other.release());
    return *this;
  }
  unique_any(const unique_any&) = delete;
  unique_any& operator=(const unique_any&) = delete;
  ~unique_any() { reset(); }

  T get() const { return value_; }
  explicit operator bool() const { return value_ != Invalid; }
  // For out-parameters of creating functions: releases what is held first.
  T* put() {
    reset();
    return &value_;
  }
  T release() { return std::exchange(value_, Invalid); }
  void reset(T value = Invalid) {
    T old = std::exchange(value_, value);
    if (old != Invalid) Close(old);
  }

 private:
  T value_ = Invalid;
};

namespace detail {
template <typename T>
void DeleteGdiObject(T object) {
  DeleteObject(object);
}
inline void ReleaseCom(IUnknown* object) { object->Release(); }
inline void DisposeGdipImage(Gdiplus::GpImage* image) {
  Gdiplus::DllExports::GdipDisposeImage(image);
}
inline void DeleteGdipGraphics(Gdiplus::GpGraphics* graphics) {
  Gdiplus::DllExports::GdipDeleteGraphics(graphics);
}
}  // namespace detail

using unique_mem_dc = unique_any<HDC, DeleteDC>;
using unique_hbitmap = unique_any<HBITMAP, detail::DeleteGdiObject<HBITMAP>>;
using unique_hfont = unique_any<HFONT, detail::DeleteGdiObject<HFONT>>;
using unique_hbrush = unique_any<HBRUSH, detail::DeleteGdiObject<HBRUSH>>;
using unique_hglobal = unique_any<HGLOBAL, GlobalFree>;
using unique_hkey = unique_any<HKEY, RegCloseKey>;
using unique_hwnd = unique_any<HWND, DestroyWindow>;
using unique_stream = unique_any<IStream*, detail::ReleaseCom>;
using unique_gp_image = unique_any<Gdiplus::GpImage*, detail::DisposeGdipImage>;
using unique_gp_graphics = unique_any<Gdiplus::GpGraphics*, detail::DeleteGdipGraphics>;

// A window's device context from GetDC, handed back with ReleaseDC.
class unique_window_dc {
 public:
  unique_window_dc() = default;
  explicit unique_window_dc(HWND window) : window_(window), dc_(GetDC(window)) {}
  unique_window_dc(unique_window_dc&& other) noexcept
      : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
  unique_window_dc& operator=(unique_window_dc&& other) noexcept {
    reset();
    window_ = other.window_;
    dc_ = std::exchange(other.dc_, nullptr);
    return *this;
  }
  unique_window_dc(const unique_window_dc&) = delete;
  unique_window_dc& operator=(const unique_window_dc&) = delete;
  ~unique_window_dc() { reset(); }

  HDC get() const { return dc_; }
  void reset() {
    if (dc_) ReleaseDC(window_, std::exchange(dc_, nullptr));
  }

 private:
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

// Selects an object into a DC and puts the previous one back when it ends.
class select_object_guard {
 public:
  select_object_guard() = default;
  select_object_guard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  select_object_guard(select_object_guard&& other) noexcept
      : dc_(std::exchange(other.dc_, nullptr)),
        previous_(std::exchange(other.previous_, nullptr)) {}
  select_object_guard& operator=(select_object_guard&& other) noexcept {
    reset();
    dc_ = std::exchange(other.dc_, nullptr);
    previous_ = std::exchange(other.previous_, nullptr);
    return *this;
  }
  select_object_guard(const select_object_guard&) = delete;
  select_object_guard& operator=(const select_object_guard&) = delete;
  ~select_object_guard() { reset(); }

  void reset() {
    if (dc_ && previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    dc_ = nullptr;
    previous_ = nullptr;
  }

 private:
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace runtime
