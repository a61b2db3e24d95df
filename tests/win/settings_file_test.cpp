// config.ini beside the test program, read and written through the program's routines.
#include <windows.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "app/constants.h"
#include "overlay/overlay_window.h"
#include "settings/settings_file.h"
#include "settings/settings_window.h"
#include "test_files.h"
#include "test_window.h"

namespace {

using testing::HasSubstr;
using testing::Not;

const std::string kOpacity = constants::kOpacitySetting;
const std::string kTint = constants::kTintSetting;
const std::string kStartAtLogon = constants::kStartAtLogonSetting;

std::string Section(const std::string& name, const std::string& value) {
  return "[" + name + "]\r\n" + name + "=" + value + "\r\n";
}

class SettingsFileTest : public testing::Test {
 protected:
  void SetUp() override { Remove(); }
  void TearDown() override { Remove(); }
  static void Remove() {
    RemoveDirectoryA(SettingsFilePath().c_str());
    DeleteFileA(SettingsFilePath().c_str());
  }
  RestoreSliderPositions restore_;
};

TEST_F(SettingsFileTest, SavingWritesTheThreePositionsUnderTheirGbkNamesAsDecimalText) {
  滑块条1.SetPosition(300);
  滑块条2.SetPosition(7);
  滑块条3.SetPosition(-20);
  SaveSettings();
  const std::string file = ReadWholeFile(SettingsFilePath());
  EXPECT_THAT(file, HasSubstr("[\xC1\xC1\xB6\xC8]"));
  EXPECT_THAT(file, HasSubstr("\xC1\xC1\xB6\xC8=300"));
  EXPECT_THAT(file, HasSubstr("\xD1\xD5\xC9\xAB=7"));
  EXPECT_THAT(file, HasSubstr("\xCA\xC7\xB7\xF1\xD7\xD4\xC6\xF4=0"))
      << "the stored, clamped position";
  EXPECT_LT(file.find(kOpacity), file.find(kTint));
  EXPECT_LT(file.find(kTint), file.find(kStartAtLogon)) << "written in this order";
  EXPECT_EQ(ReadSetting(constants::kOpacitySetting, "0"), 300);
  EXPECT_EQ(ReadSetting(constants::kTintSetting, "0"), 7);
  EXPECT_EQ(ReadSetting(constants::kStartAtLogonSetting, "1"), 0);
}

TEST_F(SettingsFileTest, NegativeValuesAreWrittenAsPercentD) {
  WriteSetting(constants::kTintSetting, -2147483647 - 1);
  EXPECT_THAT(ReadWholeFile(SettingsFilePath()), HasSubstr("=-2147483648"));
  EXPECT_EQ(ReadSetting(constants::kTintSetting, "0"), -2147483647 - 1);
}

TEST_F(SettingsFileTest, WhateverTheFileHoldsReadsWithoutHarm) {
  const struct {
    const char* name;
    std::string file;
    const char* defaultText;
    int value;
  } cases[] = {
      {"no file", "", "1", 1},
      {"other section only", Section("x", "5"), "1", 1},
      {"key present but empty", "[" + kOpacity + "]\r\n" + kOpacity + "=\r\n", "1", 0},
      {"ordinary", Section(kOpacity, "200"), "0", 200},
      {"above the range", Section(kOpacity, "300"), "0", 300},
      {"negative", Section(kOpacity, "-20"), "0", -20},
      {"full-width digits", Section(kOpacity, "\xA3\xB1\xA3\xB2\xA3\xB8"), "0", 128},
      {"double quotes", Section(kOpacity, "\"42\""), "0", 42},
      {"single quotes", Section(kOpacity, "'43'"), "0", 43},
      {"white space around", Section(kOpacity, "  17  "), "0", 17},
      {"letters", Section(kOpacity, "abc"), "0", 0},
      {"a 20,000-digit value", Section(kOpacity, std::string(20000, '1')), "0", -1},
      {"binary garbage", "\xFF\xFE\x00\x01[\x80\x81]\r\n\x00\xA3", "5", 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Remove();
    if (!c.file.empty()) WriteWholeFile(SettingsFilePath(), c.file);
    if (std::string(c.name) == "a 20,000-digit value") {
      // Cut to 10239 bytes by the profile functions, then wrapped around in 32 bits.
      std::uint32_t wrapped = 0;
      for (int i = 0; i < 10239; ++i) wrapped = wrapped * 10 + 1;
      EXPECT_EQ(ReadSetting(constants::kOpacitySetting, c.defaultText),
                static_cast<std::int32_t>(wrapped));
    } else {
      EXPECT_EQ(ReadSetting(constants::kOpacitySetting, c.defaultText), c.value);
    }
  }
}

TEST_F(SettingsFileTest, AUtf16FileDoesNotCrashTheReader) {
  WriteWholeFile(SettingsFilePath(), std::string("\xFF\xFE[\0a\0]\0\r\0\n\0a\0=\0\x35\0", 20));
  ReadSetting(constants::kOpacitySetting, "0");
  ReadSetting("a", "0");
}

TEST_F(SettingsFileTest, AFileThatCannotBeWrittenIsLeftAsItWasWithoutAnError) {
  // Held open without sharing by another program: the write fails like a read-only file.
  const std::string before = Section(kOpacity, "12");
  WriteWholeFile(SettingsFilePath(), before);
  HANDLE held = CreateFileA(SettingsFilePath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  滑块条1.SetPosition(99);
  EXPECT_EQ(ReadSetting(constants::kOpacitySetting, "5"), 5) << "unreadable too: the default";
  SaveSettings();
  CloseHandle(held);
  EXPECT_EQ(ReadWholeFile(SettingsFilePath()), before);
}

TEST_F(SettingsFileTest, ADirectoryInThePlaceOfTheFileIsNoError) {
  ASSERT_TRUE(CreateDirectoryA(SettingsFilePath().c_str(), nullptr));
  EXPECT_EQ(ReadSetting(constants::kOpacitySetting, "3"), 3);
  SaveSettings();
  EXPECT_EQ(GetFileAttributesA(SettingsFilePath().c_str()) & FILE_ATTRIBUTE_DIRECTORY,
            static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

// Both close flows end the process, so each runs in a child process.
TEST_F(SettingsFileTest, ClosingTheSettingsWindowSavesAndEndsWithZero) {
  EXPECT_EXIT(
      {
        滑块条1.SetPosition(200);
        滑块条2.SetPosition(3);
        滑块条3.SetPosition(2);
        SendMessageW(SettingsWindow.Handle(), WM_CLOSE, 0, 0);
      },
      testing::ExitedWithCode(0), "");
  const std::string file = ReadWholeFile(SettingsFilePath());
  EXPECT_THAT(file, HasSubstr(kOpacity + "=200"));
  EXPECT_THAT(file, HasSubstr(kTint + "=3"));
  EXPECT_THAT(file, HasSubstr(kStartAtLogon + "=2"));
}

TEST_F(SettingsFileTest, TheQueryAtLogOffToTheSettingsWindowSavesToo) {
  EXPECT_EXIT(SendMessageW(SettingsWindow.Handle(), WM_QUERYENDSESSION, 0, 0),
              testing::ExitedWithCode(0), "");
  EXPECT_THAT(ReadWholeFile(SettingsFilePath()), HasSubstr(kOpacity + "="));
}

TEST_F(SettingsFileTest, ClosingTheOverlayEndsWithZeroAndWritesNothing) {
  for (UINT request : {WM_CLOSE, WM_QUERYENDSESSION}) {
    EXPECT_EXIT(SendMessageW(OverlayWindow.Handle(), request, 0, 0), testing::ExitedWithCode(0),
                "");
    EXPECT_EQ(GetFileAttributesA(SettingsFilePath().c_str()), INVALID_FILE_ATTRIBUTES) << request;
  }
}

}  // namespace
