// SPDX-License-Identifier: MIT
#include "text/DecimalText.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

TEST(ScanDecimal, ReadsBlanksSignAndDigitsAndStopsAtTheFirstOtherCharacter) {
    const DecimalScan padded = scanDecimal(" \t-42 KB", true);
    EXPECT_TRUE(padded.negative);
    EXPECT_EQ(padded.digits, 2U);
    EXPECT_EQ(padded.value, 42U);
    EXPECT_EQ(padded.end, 5U);
    EXPECT_EQ(saturatedInt32(padded), -42);

    EXPECT_EQ(scanDecimal(" 7", false).digits, 0U) << "blanks only where the reader allows them";
    EXPECT_EQ(saturatedInt32(scanDecimal("+", true)), 0);
    EXPECT_EQ(saturatedInt32(scanDecimal("x12", true)), 0);
}

TEST(ScanDecimal, HoldsOrWrapsNumbersBeyondThirtyTwoBitsAsEachReaderAsks) {
    EXPECT_EQ(saturatedInt32(scanDecimal("2147483647", false)), 2147483647);
    EXPECT_EQ(saturatedInt32(scanDecimal("2147483648", false)), 2147483647);
    EXPECT_EQ(saturatedInt32(scanDecimal("-2147483648", false)), -2147483647 - 1);
    EXPECT_EQ(saturatedInt32(scanDecimal("-99999999999999999999999", false)), -2147483647 - 1);
    // The INI reading wraps as a 32-bit conversion does: 2^32 + 5 is 5, 2^31 is INT32_MIN.
    EXPECT_EQ(wrappedInt32(scanDecimal("4294967301", false)), 5);
    EXPECT_EQ(wrappedInt32(scanDecimal("2147483648", false)), -2147483647 - 1);
    EXPECT_EQ(wrappedInt32(scanDecimal("-1", false)), -1);
    EXPECT_EQ(scanDecimal("99999999999999999999999", false).value, UINT64_MAX);
}

TEST(ScanDecimal, TellsWhetherTheNumberIsTheWholeText) {
    for (const char* whole : {"0", "-12", "+7", "0042"}) {
        EXPECT_TRUE(readsWhole(scanDecimal(whole, false), whole)) << whole;
    }
    for (const char* part : {"", "-", "12a", "1 ", " 1", "1.5"}) {
        EXPECT_FALSE(readsWhole(scanDecimal(part, false), part)) << part;
    }
}

} // namespace
} // namespace vistrel
