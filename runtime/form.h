// A top-level window built from a stored layout: created hidden, its controls created,
// its created event raised, then shown. Close requests become its can-be-closed event.
#pragma once

#include <windows.h>

#include <vector>

#include "runtime/control.h"
#include "runtime/handles.h"

namespace runtime {

struct ControlPlacement {
  Control* control;
  Rect place;                 // relative to the parent's client area
  Control* parent = nullptr;  // null: the window itself
};

struct FormLayout {
  const wchar_t* caption = L"";
  Rect place;  // outer size; the place is used unless the window is centred
  DWORD style = WS_OVERLAPPEDWINDOW;
  bool centred = false;       // centred on the primary screen when created
  bool taskbarButton = true;  // without one the window is owned by the hidden owner window
  bool escCloses = false;
  std::vector<ControlPlacement> controls;  // in creation order; a parent before its children
  Routine onCreated = nullptr;
  Routine onCanClose = nullptr;
};

class Form {
 public:
  explicit Form(FormLayout layout) : layout_(std::move(layout)) {}
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Builds and shows the window; false (and nothing left behind) if it cannot be created.
  bool Load();
  bool IsCreated() const { return window_ && IsWindow(window_); }
  // Asks for the window's destruction through its queue; no can-be-closed event follows.
  void Destroy();
  HWND Handle() const { return window_; }

  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);
  void SetBackgroundColor(COLORREF color);
  // Puts the window at the top of the z-order without moving, sizing or activating it.
  void BringToTop();

  // Keys the runtime handles for its windows before dispatch: Esc where the layout
  // says so, Tab between controls. True when the message was consumed.
  static bool TranslateKeys(MSG& message);

 private:
  static LRESULT CALLBACK Thunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool CreateControls();
  void RaiseCanClose();
  RECT WindowRect() const;

  FormLayout layout_;
  HWND window_ = nullptr;
  bool destroying_ = false;
  HWND lastFocus_ = nullptr;
  unique_hbrush background_;
};

}  // namespace runtime
