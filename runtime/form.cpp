#include "runtime/form.h"

#include "runtime/application.h"
#include "runtime/slider.h"

namespace runtime {
namespace {

constexpr wchar_t kClassName[] = L"VireshadeForm";
// Posted by Destroy(): the window goes when the loop reaches it, never inside a handler.
constexpr UINT kDestroyRequest = WM_APP + 1;
// The executable's icon group that every window shows.
constexpr int kApplicationIcon = 1;

ATOM formClass = 0;

ATOM RegisterFormClass(WNDPROC procedure) {
  if (formClass) return formClass;
  const HINSTANCE module = GetModuleHandleW(nullptr);
  WNDCLASSEXW description{};
  description.cbSize = sizeof description;
  description.lpfnWndProc = procedure;
  description.hInstance = module;
  description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  description.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  description.lpszClassName = kClassName;
  description.hIcon = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(kApplicationIcon),
                                                    IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                    GetSystemMetrics(SM_CYICON), LR_SHARED));
  description.hIconSm = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(kApplicationIcon),
                                                      IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  formClass = RegisterClassExW(&description);
  return formClass;
}

Form* FormFromWindow(HWND window) {
  if (!window || !formClass || GetClassLongPtrW(window, GCW_ATOM) != formClass) return nullptr;
  return reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

bool ModifierDown() {
  return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

}  // namespace

bool Form::Load() {
  if (!RegisterFormClass(Thunk)) return false;
  Rect place = layout_.place;
  if (layout_.centred) {
    place = CentredOnScreen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                            place.width, place.height);
  }
  HWND owner = layout_.taskbarButton ? nullptr : HiddenOwnerWindow();
  window_ = CreateWindowExW(0, kClassName, layout_.caption, layout_.style & ~WS_VISIBLE, place.left,
                            place.top, place.width, place.height, owner, nullptr,
                            GetModuleHandleW(nullptr), this);
  if (!window_) return false;
  NoteWindowCreated();
  if (!CreateControls()) {
    DestroyWindow(window_);
    return false;
  }
  if (layout_.onCreated) layout_.onCreated();
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  return true;
}

bool Form::CreateControls() {
  for (const ControlPlacement& item : layout_.controls) {
    HWND parent = item.parent ? item.parent->Handle() : window_;
    if (!parent || !item.control->Create(parent, item.place)) return false;
  }
  return true;
}

void Form::Destroy() {
  if (!IsCreated()) return;
  destroying_ = true;
  PostMessageW(window_, kDestroyRequest, 0, 0);
}

RECT Form::WindowRect() const {
  // Changing a window that was never built is a fault of the program, not of the user.
  if (!IsCreated()) FatalError(L"A window that does not exist was asked to move.");
  RECT rect{};
  GetWindowRect(window_, &rect);
  return rect;
}

void Form::SetLeft(int left) {
  const RECT rect = WindowRect();
  MoveWindow(window_, ClampEdge(left), rect.top, rect.right - rect.left, rect.bottom - rect.top,
             TRUE);
}

void Form::SetTop(int top) {
  const RECT rect = WindowRect();
  MoveWindow(window_, rect.left, ClampEdge(top), rect.right - rect.left, rect.bottom - rect.top,
             TRUE);
}

void Form::SetWidth(int width) {
  const RECT rect = WindowRect();
  SetWindowPos(window_, nullptr, 0, 0, ClampExtent(width), rect.bottom - rect.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetHeight(int height) {
  const RECT rect = WindowRect();
  SetWindowPos(window_, nullptr, 0, 0, rect.right - rect.left, ClampExtent(height),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetBackgroundColor(COLORREF color) {
  background_.reset(CreateSolidBrush(color));
  InvalidateRect(window_, nullptr, TRUE);
}

void Form::BringToTop() {
  SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Form::TranslateKeys(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  Form* form = FormFromWindow(root);
  if (!form) return false;
  if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE && form->layout_.escCloses &&
      !ModifierDown()) {
    // The same road as the close box.
    SendMessageW(root, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
  }
  return IsDialogMessageW(root, &message);
}

void Form::RaiseCanClose() {
  if (layout_.onCanClose) layout_.onCanClose();
}

LRESULT CALLBACK Form::Thunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (Form* self = FormFromWindow(window)) return self->WindowProc(window, message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      if (!destroying_) {
        RaiseCanClose();
        DestroyWindow(window);
      }
      return 0;
    case WM_QUERYENDSESSION:
      if (!destroying_) RaiseCanClose();
      return TRUE;
    case kDestroyRequest:
      DestroyWindow(window);
      return 0;
    case WM_NCDESTROY:
      window_ = nullptr;
      NoteWindowDestroyed();
      break;
    case WM_HSCROLL: {
      HWND bar = reinterpret_cast<HWND>(lParam);
      if (bar && IsChild(window, bar)) {
        if (auto* slider = dynamic_cast<Slider*>(Control::FromHandle(bar))) {
          slider->OnScroll(LOWORD(wParam), HIWORD(wParam));
        }
      }
      return 0;
    }
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_ERASEBKGND:
      if (background_) {
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, background_.get());
        return 1;
      }
      break;
    case WM_ACTIVATE:
      // Keep the keyboard on the control the user left, or the first tab stop.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(window, focus)) lastFocus_ = focus;
      } else {
        HWND target = lastFocus_ && IsWindow(lastFocus_) ? lastFocus_ : nullptr;
        if (!target) target = GetNextDlgTabItem(window, nullptr, FALSE);
        if (target) {
          SetFocus(target);
          return 0;
        }
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace runtime
