#include "runtime/window_class.h"

namespace runtime {

void RegisterWindowClassOnce(const wchar_t* name, WNDPROC procedure, HBRUSH background,
                             UINT style) {
  const HINSTANCE module = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(module, name, &existing)) return;

  WNDCLASSEXW description{};
  description.cbSize = sizeof description;
  description.style = style;
  description.lpfnWndProc = procedure;
  description.hInstance = module;
  description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  description.hbrBackground = background;
  description.lpszClassName = name;
  RegisterClassExW(&description);
}

}  // namespace runtime
