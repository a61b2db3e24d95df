// The runtime's process-wide part: start, the hidden owner window, the message loop,
// the exit routines and the two ways the program ends.
#pragma once

#include <windows.h>

#include "runtime/control.h"

namespace runtime {

class Form;

// Creates the hidden owner window; a failure is fatal.
void Initialise();
// Invisible tool window that owns the windows which must not have a taskbar button.
HWND HiddenOwnerWindow();

// Appends the routine to the exit routines unless it is already there.
void RegisterExitRoutine(Routine routine);

// Builds and shows the program's first window; a failure is fatal.
void LoadStartupWindow(Form& form);

// Dispatches messages until WM_QUIT and returns its code; returns 0 at once when the
// program has no window.
int RunMessageLoop();

// Runs the exit routines (each once), releases the runtime and ends the process.
[[noreturn]] void EndProgram(int exitCode);
// Shows the message in a box and ends the process with -1, without the exit routines.
[[noreturn]] void FatalError(const wchar_t* message);

// Bookkeeping of the program's windows, kept by Form: once the last one is gone while
// the loop runs, the loop is told to end.
void NoteWindowCreated();
void NoteWindowDestroyed();

}  // namespace runtime
