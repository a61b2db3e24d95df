#include <gtest/gtest.h>

#include <string>

#include "settings/last_backslash.h"
#include "settings/run_value_data.h"

namespace {

bool GbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

TEST(SplitAtLastBackslash, Table) {
  const struct {
    const char* name;
    std::string text;
    std::string before, after;
  } cases[] = {
      {"ordinary path", "C:\\Tools\\tint.exe", "C:\\Tools", "tint.exe"},
      {"drive root", "C:\\tint.exe", "C:", "tint.exe"},
      // "\xD3\x5C" is one GBK character whose trail byte is a backslash.
      {"GBK trail byte 0x5C never splits", "C:\\\xD3\x5C\\a.exe", "C:\\\xD3\x5C", "a.exe"},
      {"trail 0x5C in the file name", "C:\\d\\\xD3\x5C.exe", "C:\\d", "\xD3\x5C.exe"},
      {"no backslash", "tint.exe", "", "tint.exe"},
      {"trailing backslash", "C:\\Tools\\", "C:\\Tools", ""},
      {"run key and value name", "software\\microsoft\\windows\\CurrentVersion\\Run\\Vireshade",
       "software\\microsoft\\windows\\CurrentVersion\\Run", "Vireshade"},
      {"lead byte at the very end", "C:\\a\\b\xD3", "C:\\a", "b\xD3"},
  };
  for (const auto& c : cases) {
    const SplitText split = SplitAtLastBackslash(c.text, GbkLeadByte);
    EXPECT_EQ(split.before, c.before) << c.name;
    EXPECT_EQ(split.after, c.after) << c.name;
  }
}

TEST(SplitAtLastBackslash, WithoutDoubleByteAwarenessTheTrailByteWouldSplit) {
  // The same text read as single bytes: proves the case above tests the stepping.
  const SplitText split = SplitAtLastBackslash(
      "C:\\\xD3\x5C"
      "a.exe",
      [](unsigned char) { return false; });
  EXPECT_EQ(split.after, "a.exe");
}

TEST(RunValueData, ThePathIsQuotedSoSpacesCannotStartAnotherProgram) {
  EXPECT_EQ(RunValueData("C:\\Program Files\\Vireshade\\vireshade.exe"),
            "\"C:\\Program Files\\Vireshade\\vireshade.exe\"");
  EXPECT_EQ(RunValueData("C:\\v.exe"), "\"C:\\v.exe\"");
}

}  // namespace
