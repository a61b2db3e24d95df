// The end-to-end suite's eyes inside Wine. X tools cannot read Win32 texts, trackbar
// positions, styles or owners, so this program reads them from the running Vireshade
// (another process in the same prefix) and prints JSON on stdout.
//
//   probe windows            every top-level "VireshadeForm" window and its children
//   probe run-value          the start-at-logon Run value, or null
//   probe close HWND         what a click on the window's close box sends
//   probe backdrop COLOUR    a plain full-screen window (white, black, or RRGGBB hex) shown
//                            beneath whatever is topmost; prints "ready", then one line per
//                            left click it receives, until killed
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
  bytes.resize(static_cast<std::size_t>(size - 1));
  return bytes;
}

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string Number(long long value) { return std::to_string(value); }

// Each line must leave at once: the suite reads it while the probe still runs.
void PrintLine(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

std::string ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return Utf8(name);
}

// The program's thread may be busy repainting the overlay for a second or two; an answer
// that never comes is a hung program, and a made-up empty answer would hide it.
LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 15000, &result)) {
    if (!IsWindow(window)) return 0;  // gone while we looked: the program is closing
    std::fprintf(stderr, "probe: window %p did not answer message 0x%x\n",
                 static_cast<void*>(window), message);
    std::exit(3);
  }
  return static_cast<LRESULT>(result);
}

// WM_GETTEXT rather than GetWindowText: the latter does not ask other processes' controls.
std::string TextOf(HWND window) {
  const LRESULT length = Ask(window, WM_GETTEXTLENGTH);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied = Ask(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return Utf8(text.c_str());
}

std::string RectJson(const RECT& r) {
  return "{\"x\":" + Number(r.left) + ",\"y\":" + Number(r.top) +
         ",\"w\":" + Number(r.right - r.left) + ",\"h\":" + Number(r.bottom - r.top) + "}";
}

// The X window Wine made for a top-level window; xdotool needs it to aim keys.
long long XWindowOf(HWND window) {
  return reinterpret_cast<long long>(GetPropW(window, L"__wine_x11_whole_window"));
}

std::string ChildrenJson(HWND parent, HWND focus);

std::string ChildJson(HWND child, HWND parent, HWND focus) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  const std::string cls = ClassOf(child);
  std::string json = "{\"class\":" + Quoted(cls) + ",\"rect\":" + RectJson(rect) +
                     ",\"text\":" + Quoted(TextOf(child)) +
                     ",\"style\":" + Number(GetWindowLongW(child, GWL_STYLE) & 0xFFFFFFFFu) +
                     ",\"focused\":" + (child == focus ? "true" : "false");
  if (cls == "msctls_trackbar32") {
    json += ",\"pos\":" + Number(Ask(child, TBM_GETPOS)) +
            ",\"min\":" + Number(Ask(child, TBM_GETRANGEMIN)) +
            ",\"max\":" + Number(Ask(child, TBM_GETRANGEMAX));
  }
  return json + ",\"children\":" + ChildrenJson(child, focus) + "}";
}

std::string ChildrenJson(HWND parent, HWND focus) {
  std::string json = "[";
  // Direct children only, in creation order (the order GW_CHILD/GW_HWNDNEXT gives).
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (json.size() > 1) json += ",";
    json += ChildJson(child, parent, focus);
  }
  return json + "]";
}

std::string TopLevelJson(HWND window, int zOrder) {
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
  RECT rect{};
  GetWindowRect(window, &rect);
  HWND owner = GetWindow(window, GW_OWNER);
  std::string json = "{\"hwnd\":" + Number(reinterpret_cast<long long>(window)) +
                     ",\"xid\":" + Number(XWindowOf(window)) + ",\"z\":" + Number(zOrder) +
                     ",\"caption\":" + Quoted(TextOf(window)) + ",\"rect\":" + RectJson(rect) +
                     ",\"visible\":" + (IsWindowVisible(window) ? "true" : "false") +
                     ",\"style\":" + Number(GetWindowLongW(window, GWL_STYLE) & 0xFFFFFFFFu) +
                     ",\"exstyle\":" + Number(GetWindowLongW(window, GWL_EXSTYLE) & 0xFFFFFFFFu) +
                     ",\"foreground\":" + (GetForegroundWindow() == window ? "true" : "false");
  if (owner) {
    json += ",\"owner\":{\"class\":" + Quoted(ClassOf(owner)) +
            ",\"exstyle\":" + Number(GetWindowLongW(owner, GWL_EXSTYLE) & 0xFFFFFFFFu) +
            ",\"visible\":" + (IsWindowVisible(owner) ? "true" : "false") + "}";
  } else {
    json += ",\"owner\":null";
  }
  // The thread's focus is reported even when the window is not active, so a test can see
  // where keys would land.
  return json + ",\"children\":" + ChildrenJson(window, thread.hwndFocus) + "}";
}

struct Listing {
  std::string json = "[";
  int zOrder = 0;
};

BOOL CALLBACK ListWindow(HWND window, LPARAM data) {
  auto* listing = reinterpret_cast<Listing*>(data);
  const int z = listing->zOrder++;
  if (ClassOf(window) != "VireshadeForm") return TRUE;
  if (listing->json.size() > 1) listing->json += ",";
  listing->json += TopLevelJson(window, z);
  return TRUE;
}

int ListWindows() {
  Listing listing;
  EnumWindows(ListWindow, reinterpret_cast<LPARAM>(&listing));  // top of the z-order first
  PrintLine(listing.json + "]");
  return 0;
}

int PrintRunValue() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                    KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    PrintLine("null");
    return 0;
  }
  DWORD type = 0;
  DWORD size = 0;
  std::wstring data;
  LSTATUS status = RegQueryValueExW(key, L"Vireshade", nullptr, &type, nullptr, &size);
  // The program may rewrite the value between the two calls; then ask again.
  while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    data.assign(size / sizeof(wchar_t) + 1, L'\0');
    status = RegQueryValueExW(key, L"Vireshade", nullptr, &type,
                              reinterpret_cast<BYTE*>(data.data()), &size);
    if (status == ERROR_SUCCESS) break;
  }
  RegCloseKey(key);
  std::string json = "null";
  if (status == ERROR_SUCCESS) {
    json = "{\"type\":" + Number(type) + ",\"data\":" + Quoted(Utf8(data.c_str())) + "}";
  }
  PrintLine(json);
  return 0;
}

COLORREF ParseColour(const wchar_t* name) {
  if (std::wcscmp(name, L"white") == 0) return RGB(255, 255, 255);
  if (std::wcscmp(name, L"black") == 0) return RGB(0, 0, 0);
  const unsigned long rgb = std::wcstoul(name, nullptr, 16);
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

LRESULT CALLBACK BackdropProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN) {
    POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(window, &at);
    PrintLine("click " + Number(at.x) + " " + Number(at.y));
    return 0;
  }
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

int ShowBackdrop(const wchar_t* colour) {
  const HINSTANCE module = GetModuleHandleW(nullptr);
  WNDCLASSW description{};
  description.lpfnWndProc = BackdropProc;
  description.hInstance = module;
  description.hbrBackground = CreateSolidBrush(ParseColour(colour));
  description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  description.lpszClassName = L"VireshadeProbeBackdrop";
  RegisterClassW(&description);
  HWND window = CreateWindowExW(0, description.lpszClassName, L"Vireshade probe backdrop", WS_POPUP,
                                0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                nullptr, nullptr, module, nullptr);
  if (!window) return 1;
  // Beneath every other window, so it never hides the program's own.
  SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  UpdateWindow(window);
  PrintLine("ready " + Number(XWindowOf(window)));
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"windows";
  if (command == L"windows") return ListWindows();
  if (command == L"run-value") return PrintRunValue();
  if (command == L"close" && argc > 2) {
    HWND window = reinterpret_cast<HWND>(static_cast<INT_PTR>(std::wcstoll(argv[2], nullptr, 10)));
    return PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0) ? 0 : 1;
  }
  if (command == L"backdrop" && argc > 2) return ShowBackdrop(argv[2]);
  std::fputs("usage: probe windows | run-value | close HWND | backdrop white|black|RRGGBB\n",
             stderr);
  return 2;
}
