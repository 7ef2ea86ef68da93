// SPDX-License-Identifier: MIT
#include "app/ThumbnailBox.h"

#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "app/Settings.h"
#include "app/SettingsTable.h"

namespace vistrel {
namespace {

TEST(ThumbnailBox, IsEightyHundredOrHundredTwentyForThePresetsAndThumSizeForTheOtherSize) {
    Settings settings = makeDefaultSettings("/opt/vistrel/");
    settings.ThumSize = 150;

    // 20 x Thumbres + 40: 20 x 2 + 40 = 80, 20 x 3 + 40 = 100, 20 x 4 + 40 = 120.
    settings.Thumbres = 2;
    EXPECT_EQ(thumbnailBox(settings), 80);
    settings.Thumbres = 3;
    EXPECT_EQ(thumbnailBox(settings), 100);
    settings.Thumbres = 4;
    EXPECT_EQ(thumbnailBox(settings), 120);

    settings.Thumbres = 5;
    EXPECT_EQ(thumbnailBox(settings), 150);
    settings.ThumSize = 37;
    EXPECT_EQ(thumbnailBox(settings), 37);
}

TEST(ThumbnailBox, UsesThePresetArithmeticForAnyValueButFive) {
    Settings settings = makeDefaultSettings("/opt/vistrel/");
    settings.ThumSize = 150;
    settings.Thumbres = 6; // 20 x 6 + 40
    EXPECT_EQ(thumbnailBox(settings), 160);
    settings.Thumbres = 1; // 20 x 1 + 40
    EXPECT_EQ(thumbnailBox(settings), 60);
}

TEST(ThumbnailBox, IsTheTrueProductForEveryThumbresASettingsFileCanHold) {
    constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kLeast = std::numeric_limits<std::int32_t>::min();
    Settings settings = makeDefaultSettings("/opt/vistrel/");
    // 20 x 2147483647 + 40 and 20 x -2147483648 + 40, past 32 bits either way.
    settings.Thumbres = kMost;
    EXPECT_EQ(thumbnailBox(settings), 42949672980);
    settings.Thumbres = kLeast;
    EXPECT_EQ(thumbnailBox(settings), -42949672920);
    settings.Thumbres = -5;
    EXPECT_EQ(thumbnailBox(settings), -60);
    settings.Thumbres = 5;
    settings.ThumSize = kMost;
    EXPECT_EQ(thumbnailBox(settings), kMost);
    settings.ThumSize = kLeast;
    EXPECT_EQ(thumbnailBox(settings), kLeast);
}

} // namespace
} // namespace vistrel
