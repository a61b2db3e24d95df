#include "settings/opacity_percent.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Half-up rounding of position * 100 / 255 in integers, independent of floating point.
std::string Reference(int position) { return std::to_string((200 * position + 255) / 510) + "%"; }

TEST(FormatOpacityPercent, MatchesExactHalfUpRoundingOverTheWholeRangeAndBeyond) {
  for (int position = 0; position <= 32767; ++position) {
    ASSERT_EQ(FormatOpacityPercent(position), Reference(position)) << "position " << position;
  }
}

TEST(FormatOpacityPercent, KnownPositions) {
  const struct {
    int position;
    const char* text;
  } cases[] = {{0, "0%"},     {1, "0%"},     {2, "1%"},     {3, "1%"},
               {4, "2%"},     {6, "2%"},     {127, "50%"},  {128, "50%"},
               {129, "51%"},  {131, "51%"},  {252, "99%"},  {253, "99%"},
               {254, "100%"}, {255, "100%"}, {300, "118%"}, {32767, "12850%"}};
  for (const auto& c : cases) EXPECT_EQ(FormatOpacityPercent(c.position), c.text) << c.position;
}

TEST(FormatOpacityPercent, NegativeValuesRoundAwayFromZero) {
  EXPECT_EQ(FormatOpacityPercent(-128), "-50%");
  EXPECT_EQ(FormatOpacityPercent(-2), "-1%");
}

}  // namespace
