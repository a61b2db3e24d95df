// The process entry: hands over to StartProgram and, should the message loop ever end
// without a close request, leaves through the runtime so the exit routines run once.
#include <windows.h>

#include <new>

#include "app/start_program.h"
#include "runtime/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  try {
    runtime::EndProgram(StartProgram());
  } catch (const std::bad_alloc&) {
    runtime::FatalError(L"Out of memory.");
  }
}
