// SPDX-License-Identifier: MIT
#include "imaging/ThumbnailSize.h"

#include <cstdint>
#include <limits>
#include <utility>

#include <gtest/gtest.h>

#include "app/Settings.h"
#include "app/SettingsTable.h"
#include "app/ThumbnailBox.h"

namespace vistrel {
namespace {

// Width and height of a thumbnail, in a form that a failed comparison prints readably.
using Dims = std::pair<std::int64_t, std::int64_t>;

Dims fit(std::int32_t width, std::int32_t height, std::int64_t box) {
    const ThumbnailSize size = thumbnailSize(width, height, box);
    return {size.width, size.height};
}

TEST(ThumbnailSize, KeepsTheRuleForBoxesBeyondThirtyTwoBits) {
    // 480 / 640 = 0.75 exactly, x 42949672980 = 32212254735.
    EXPECT_EQ(fit(640, 480, 42949672980), Dims(42949672980, 32212254735));
    EXPECT_EQ(fit(480, 640, 42949672980), Dims(32212254735, 42949672980));
    // 1 / 2 x 1500000000 = 750000000; 3 / 4 of 2147483647 = 1610612735.25, cut.
    EXPECT_EQ(fit(2, 1, 1500000000), Dims(1500000000, 750000000));
    EXPECT_EQ(fit(4, 3, 2147483647), Dims(2147483647, 1610612735));
    // The longest image side against the largest box: 1 / 2147483647 x 42949672980 = 20.0...
    EXPECT_EQ(fit(2147483647, 1, 42949672980), Dims(42949672980, 20));
    // A box of 0 or less gives no thumbnail, however far below 0.
    EXPECT_EQ(fit(640, 480, -42949672920), Dims(0, 0));
    EXPECT_EQ(fit(640, 480, -60), Dims(0, 0));
}

TEST(ThumbnailSize, FitsTheLongerSideToTheBoxAsTheExamplesShow) {
    // 480 / 640 = 0.75, x 100 = 75.
    EXPECT_EQ(fit(640, 480, 100), Dims(100, 75));
    EXPECT_EQ(fit(480, 640, 100), Dims(75, 100));
    // 333 / 1000 = 0.333, x 100 = 33.3, cut to 33.
    EXPECT_EQ(fit(1000, 333, 100), Dims(100, 33));
    EXPECT_EQ(fit(333, 1000, 100), Dims(33, 100));
    // A square image fills the box.
    EXPECT_EQ(fit(500, 500, 120), Dims(120, 120));
    // A small image is enlarged to the box: 30 / 40 x 80 = 60.
    EXPECT_EQ(fit(40, 30, 80), Dims(80, 60));
}

TEST(ThumbnailSize, CutsTheProductTowardZeroRatherThanRounding) {
    // 2 / 3 = 0.666..., x 100 = 66.66..., cut to 66 (rounding would give 67).
    EXPECT_EQ(fit(300, 200, 100), Dims(100, 66));
    EXPECT_EQ(fit(200, 300, 100), Dims(66, 100));
}

TEST(ThumbnailSize, FormsTheQuotientFirstInDoublePrecision) {
    // 29 / 100 is stored as 0.28999999999999998 in double precision; times 100 that gives
    // 28.999999999999996, cut to 28. Multiplying first (29 x 100 / 100) would give 29.
    EXPECT_EQ(fit(100, 29, 100), Dims(100, 28));
    EXPECT_EQ(fit(29, 100, 100), Dims(28, 100));
    // 57 / 100 x 100 = 56.99999999999999 in double precision, cut to 56.
    EXPECT_EQ(fit(100, 57, 100), Dims(100, 56));
}

TEST(ThumbnailSize, GivesNoThumbnailForAnImageThatDidNotLoad) {
    EXPECT_EQ(fit(0, 0, 100), Dims(0, 0));
    EXPECT_EQ(fit(0, 480, 100), Dims(0, 0));
    EXPECT_EQ(fit(-640, 480, 100), Dims(0, 0));
}

TEST(ThumbnailSize, NeverMakesASideOfZero) {
    // 1 / 1000 x 100 = 0.1 would cut to 0; an empty thumbnail cannot exist, so the side is 1.
    EXPECT_EQ(fit(1000, 1, 100), Dims(100, 1));
    EXPECT_EQ(fit(1, 1000, 100), Dims(1, 100));
    EXPECT_EQ(fit(16384, 1, 80), Dims(80, 1));
    // 1 / 2 x 1 = 0.5 would cut to 0 too.
    EXPECT_EQ(fit(2, 1, 1), Dims(1, 1));
}

struct Shape {
    std::int32_t width;
    std::int32_t height;
};

TEST(ThumbnailSize, KeepsEveryBoxFromOneToFourHundredExactlyForManyShapes) {
    constexpr Shape kShapes[] = {{640, 480}, {480, 640}, {1000, 333}, {333, 1000}, {1000, 1},
                                 {1, 1000},  {100, 29},  {29, 100},   {7, 3},      {3, 7},
                                 {1, 1},     {400, 399}, {123, 457},  {16384, 3},  {2, 16384}};
    for (const Shape shape : kShapes) {
        const bool landscape = shape.width >= shape.height;
        const std::int64_t longSide = landscape ? shape.width : shape.height;
        const std::int64_t shortSide = landscape ? shape.height : shape.width;
        for (std::int32_t box = 1; box <= 400; ++box) {
            SCOPED_TRACE(::testing::Message()
                         << shape.width << " x " << shape.height << " in " << box);
            const ThumbnailSize size = thumbnailSize(shape.width, shape.height, box);
            const std::int64_t longResult = landscape ? size.width : size.height;
            const std::int64_t shortResult = landscape ? size.height : size.width;

            EXPECT_EQ(longResult, box);
            ASSERT_GE(shortResult, 1);
            ASSERT_LE(shortResult, box);

            // The rule itself: quotient first in double precision, product cut toward zero,
            // 1 where that comes out as 0.
            const auto rule = static_cast<std::int64_t>(static_cast<double>(shortSide) /
                                                        static_cast<double>(longSide) * box);
            EXPECT_EQ(shortResult, rule == 0 ? 1 : rule);

            // Against exact arithmetic: the side is the whole part of short x box / long, or
            // one less where that quotient is a whole number the double product falls just
            // short of.
            if (rule != 0) {
                EXPECT_LE(shortResult * longSide, shortSide * box);
                EXPECT_LE(shortSide * box, (shortResult + 1) * longSide);
            } else {
                EXPECT_LT(shortSide * box, longSide);
            }
        }
    }
}

} // namespace
} // namespace vistrel
