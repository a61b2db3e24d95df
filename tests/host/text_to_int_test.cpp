#include "settings/text_to_int.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
  const char* name;
  std::string text;
  std::int32_t value;
};

TEST(TextToInt, Table) {
  const Case cases[] = {
      {"plain", "128", 128},
      {"negative", "-3", -3},
      {"plus sign", "+42", 42},
      {"empty", "", 0},
      {"letters only", "abc", 0},
      {"trailing junk ignored", "7x9", 7},
      {"blank digit letter", " 7a", 7},
      {"every white space kind", " \t\n\v\f\r15", 15},
      {"space between sign and digits", "- 5", 0},
      {"sign alone", "-", 0},
      {"two signs", "+-3", 0},
      {"leading zeros", "0042", 42},
      {"largest", "2147483647", 2147483647},
      {"one past the largest wraps", "2147483648", -2147483647 - 1},
      {"most negative", "-2147483648", -2147483647 - 1},
      {"wraps modulo 2^32", "4294967297", 1},
      {"long digit run wraps", "99999999999", 1215752191},
      {"full-width digits", "\xA3\xB1\xA3\xB2\xA3\xB8", 128},
      {"full-width minus", "\xA3\xAD\xA3\xB5", -5},
      {"full-width plus",
       "\xA3\xAB"
       "9",
       9},
      {"ideographic space is white space",
       "\xA1\xA1"
       "12",
       12},
      {"other double-byte text stops the digits",
       "3\xC1\xC1"
       "4",
       3},
      {"double-byte text before the digits",
       "\xC1\xC1"
       "4",
       0},
      {"A1AB is a tilde, not a digit",
       "\xA1\xAB"
       "4",
       0},
      {"A1EE is an asterisk",
       "\xA1\xEE"
       "4",
       0},
      {"dangling lead byte dropped", "12\xA3", 12},
      {"dangling lead byte alone", "\xA3", 0},
      {"trail byte that looks like a digit is not one", "\xC1\x35", 0},
      {"full-width letter then digits",
       "\xA3\xE1"
       "5",
       0},
  };
  for (const Case& c : cases) EXPECT_EQ(TextToInt(c.text), c.value) << c.name;
}

}  // namespace
