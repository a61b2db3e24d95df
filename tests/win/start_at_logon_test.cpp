#include <windows.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "runtime/handles.h"
#include "settings/settings_window.h"
#include "settings/start_at_logon.h"
#include "test_files.h"

namespace {

constexpr char kRunKey[] = "software\\microsoft\\windows\\CurrentVersion\\Run";
constexpr char kValueKey[] = "software\\microsoft\\windows\\CurrentVersion\\Run\\Vireshade";

struct RunValue {
  DWORD type;
  std::string data;  // as stored, terminating zero included
};

std::optional<RunValue> ReadRunValue() {
  runtime::unique_hkey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_READ, key.put()) != ERROR_SUCCESS)
    return {};
  char data[1024];
  DWORD size = sizeof data;
  DWORD type = 0;
  if (RegQueryValueExA(key.get(), "Vireshade", nullptr, &type, reinterpret_cast<BYTE*>(data),
                       &size) != ERROR_SUCCESS) {
    return {};
  }
  return RunValue{type, std::string(data, size)};
}

std::string QuotedExecutablePath() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string("\"") + path + "\"";
}

class StartAtLogonTest : public testing::Test {
 protected:
  void SetUp() override { DeleteRunValue(); }
  void TearDown() override { DeleteRunValue(); }
  RestoreSliderPositions restore_;
};

TEST_F(StartAtLogonTest, OnWritesTheQuotedExecutablePathAsAStringAndOffDeletesIt) {
  滑块条3.SetPosition(2);
  OnStartAtLogonChanged();
  const std::optional<RunValue> value = ReadRunValue();
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(value->data, QuotedExecutablePath() + '\0') << "length + 1 bytes, quoted";

  OnStartAtLogonChanged();  // every event applies the position again
  EXPECT_TRUE(ReadRunValue());

  滑块条3.SetPosition(1);
  OnStartAtLogonChanged();
  EXPECT_FALSE(ReadRunValue());
  OnStartAtLogonChanged();  // a second delete finds nothing and does no harm
  EXPECT_FALSE(ReadRunValue());
}

TEST_F(StartAtLogonTest, PositionsOtherThanOneAndTwoChangeNothing) {
  WriteRunValue("\"x\"");
  for (int position : {0, 5}) {
    滑块条3.SetPosition(position);
    OnStartAtLogonChanged();
    ASSERT_TRUE(ReadRunValue()) << position;
    EXPECT_EQ(ReadRunValue()->data, std::string("\"x\"") + '\0');
  }
}

TEST_F(StartAtLogonTest, APathWithSpacesStaysOneQuotedCommand) {
  ASSERT_TRUE(WriteRunValue("\"C:\\Program Files\\Vireshade\\vireshade.exe\""));
  EXPECT_EQ(ReadRunValue()->data,
            std::string("\"C:\\Program Files\\Vireshade\\vireshade.exe\"") + '\0');
}

TEST_F(StartAtLogonTest, AMissingRunKeyIsCreated) {
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kRunKey);
  runtime::unique_hkey probe;
  ASSERT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_READ, probe.put()), ERROR_SUCCESS)
      << "the key could not be removed for the test";
  EXPECT_TRUE(WriteRunValue("\"y\""));
  EXPECT_TRUE(ReadRunValue());
}

TEST_F(StartAtLogonTest, DeletingWithoutAValueFallsThroughToAKeyOfTheFullName) {
  runtime::unique_hkey created;
  ASSERT_EQ(RegCreateKeyA(HKEY_LOCAL_MACHINE, kValueKey, created.put()), ERROR_SUCCESS);
  created.reset();
  EXPECT_TRUE(DeleteRunValue());
  runtime::unique_hkey probe;
  EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kValueKey, 0, KEY_READ, probe.put()), ERROR_SUCCESS);
  EXPECT_FALSE(DeleteRunValue()) << "nothing left to delete";
}

}  // namespace
