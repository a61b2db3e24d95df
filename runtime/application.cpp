#include "runtime/application.h"

#include <commctrl.h>

#include <vector>

#include "runtime/form.h"
#include "runtime/handles.h"
#include "runtime/window_class.h"

namespace runtime {
namespace {

constexpr wchar_t kHiddenOwnerClass[] = L"VireshadeHiddenOwner";
constexpr wchar_t kFatalCaption[] = L"Vireshade";
constexpr int kFatalExitCode = -1;

unique_hwnd hiddenOwner;
std::vector<Routine> exitRoutines;
int liveWindows = 0;
bool loopEntered = false;

void RunExitRoutines() {
  // Taken out first, so that no routine can run twice.
  std::vector<Routine> routines;
  routines.swap(exitRoutines);
  for (Routine routine : routines) routine();
}

void ReleaseRuntime() { hiddenOwner.reset(); }

}  // namespace

void Initialise() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterWindowClassOnce(kHiddenOwnerClass, DefWindowProcW);
  hiddenOwner.reset(CreateWindowExW(WS_EX_TOOLWINDOW, kHiddenOwnerClass, L"", WS_POPUP, 0, 0, 0, 0,
                                    nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  if (!hiddenOwner) FatalError(L"The program's hidden owner window cannot be created.");
}

HWND HiddenOwnerWindow() { return hiddenOwner.get(); }

void RegisterExitRoutine(Routine routine) {
  for (Routine known : exitRoutines) {
    if (known == routine) return;
  }
  exitRoutines.push_back(routine);
}

void LoadStartupWindow(Form& form) {
  if (!form.Load()) FatalError(L"The program's window cannot be created.");
}

int RunMessageLoop() {
  if (liveWindows == 0) return 0;
  loopEntered = true;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (Form::TranslateKeys(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

void EndProgram(int exitCode) {
  RunExitRoutines();
  ReleaseRuntime();
  ExitProcess(static_cast<UINT>(exitCode));
}

void FatalError(const wchar_t* message) {
  MessageBoxW(nullptr, message, kFatalCaption, MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(static_cast<UINT>(kFatalExitCode));
}

void NoteWindowCreated() { ++liveWindows; }

void NoteWindowDestroyed() {
  if (--liveWindows == 0 && loopEntered) PostQuitMessage(0);
}

}  // namespace runtime
