// SPDX-License-Identifier: MIT
#include "ui/pages/slideshow/RoundCount.h"

#include <limits>

#include <gtest/gtest.h>

namespace vistrel::ui {
namespace {

TEST(RoundCount, ReadsTheLeadingNumberOfTheTextBeyondTheListedTen) {
    EXPECT_EQ(roundCountFromText("1"), 1);
    EXPECT_EQ(roundCountFromText("25"), 25);
    EXPECT_EQ(roundCountFromText(" 7 rounds"), 7);
    EXPECT_EQ(roundCountFromText("+3"), 3);
    EXPECT_EQ(roundCountFromText("99999999999"), std::numeric_limits<std::int32_t>::max());
}

TEST(RoundCount, IsNothingForATextThatGivesNoRound) {
    for (const char* text : {"", " ", "abc", "0", "-3", "x5"}) {
        EXPECT_EQ(roundCountFromText(text), std::nullopt) << text;
    }
}

} // namespace
} // namespace vistrel::ui
