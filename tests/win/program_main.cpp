// Test programs that exercise the program's own windows start the way the program does,
// with no settings file beside them, and then load the settings window (and with it the
// overlay and the first repaint) once for all their tests.
#include <gtest/gtest.h>

#include "app/globals.h"
#include "runtime/application.h"
#include "settings/settings_window.h"
#include "test_files.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (testing::GTEST_FLAG(internal_run_death_test).empty()) DeleteFileA(SettingsFilePath().c_str());
  runtime::Initialise();
  InitGlobals();
  runtime::RegisterExitRoutine(ReleaseGlobals);
  if (!SettingsWindow.Load()) return 2;
  return RUN_ALL_TESTS();
}
