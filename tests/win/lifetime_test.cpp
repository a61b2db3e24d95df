// The ways out of the process, each in a child process of its own.
#include <windows.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "runtime/application.h"

namespace {

using testing::AllOf;
using testing::HasSubstr;
using testing::Not;

int exitRoutineRuns = 0;
void CountedExitRoutine() {
  std::fprintf(stderr, "exit routine run %d\n", ++exitRoutineRuns);
  std::fflush(stderr);
}

DWORD WINAPI DismissMessageBox(void*) {
  for (;;) {
    if (HWND box = FindWindowW(L"#32770", L"Vireshade")) {
      std::fprintf(stderr, "message box shown\n");
      std::fflush(stderr);
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    Sleep(20);
  }
}

TEST(LifetimeDeathTest, EndingTheProgramRunsEachExitRoutineOnceAndExitsWithTheCode) {
  EXPECT_EXIT(
      {
        runtime::RegisterExitRoutine(CountedExitRoutine);
        runtime::RegisterExitRoutine(CountedExitRoutine);  // registered once only
        runtime::EndProgram(7);
      },
      testing::ExitedWithCode(7), AllOf(HasSubstr("exit routine run 1"), Not(HasSubstr("run 2"))));
}

TEST(LifetimeDeathTest, AFatalErrorShowsAMessageAndExitsWithMinusOneWithoutTheExitRoutines) {
  EXPECT_EXIT(
      {
        runtime::RegisterExitRoutine(CountedExitRoutine);
        CreateThread(nullptr, 0, DismissMessageBox, nullptr, 0, nullptr);
        runtime::FatalError(L"test");
      },
      testing::ExitedWithCode(-1),
      AllOf(HasSubstr("message box shown"), Not(HasSubstr("exit routine"))));
}

TEST(Lifetime, TheLoopReturnsAtOnceWhenNoWindowExists) { EXPECT_EQ(runtime::RunMessageLoop(), 0); }

}  // namespace
