// SPDX-License-Identifier: MIT
#include "text/AsciiCase.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

TEST(AsciiCase, ChangesOnlyTheLettersAToZ) {
    EXPECT_EQ(toAsciiUpper("az@[`{AZ09"), "AZ@[`{AZ09");
    EXPECT_EQ(toAsciiLower("AZ@[`{az09"), "az@[`{az09");
}

TEST(AsciiCase, ComparesIgnoringTheCaseOfAToZOnly) {
    EXPECT_TRUE(equalsIgnoringAsciiCase("Thumb_Size", "tHUMB_sIZE"));
    EXPECT_FALSE(equalsIgnoringAsciiCase("Thumb", "Thumbs"));
    EXPECT_FALSE(equalsIgnoringAsciiCase("\xC3\xA9", "\xC3\x89")) << "é and É are not ASCII";
    EXPECT_FALSE(equalsIgnoringAsciiCase("[", "{")) << "only letters differ by 32";
}

} // namespace
} // namespace vistrel
