#include "app/start_program.h"

#include "app/globals.h"
#include "runtime/application.h"
#include "settings/settings_window.h"

int StartProgram() {
  runtime::Initialise();
  InitGlobals();
  runtime::RegisterExitRoutine(ReleaseGlobals);
  runtime::LoadStartupWindow(SettingsWindow);
  runtime::RunMessageLoop();
  return 0;
}
