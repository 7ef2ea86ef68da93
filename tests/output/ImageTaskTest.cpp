// SPDX-License-Identifier: MIT
#include "output/ImageTask.h"

#include <gtest/gtest.h>

#include "app/Settings.h"
#include "app/SettingsTable.h"

namespace vistrel {
namespace {

TEST(ThumbnailOptions, TakesTypeSharpeningLegacyPathAndBackgroundFromTheSettings) {
    Settings settings = makeDefaultSettings("/opt/vistrel/");
    settings.ThumbType = 1;
    settings.Unsharp = 1;
    settings.LegacyWindowsFamily = 1;
    settings.BGColor = "#FAF70C";

    const ThumbnailOptions options = thumbnailOptionsOf(settings);
    EXPECT_EQ(options.thumbType, 1);
    EXPECT_TRUE(options.unsharp);
    EXPECT_TRUE(options.legacy);
    EXPECT_EQ(options.background, (Rgb{0xFA, 0xF7, 0x0C}));

    settings.ThumbType = 2;
    settings.Unsharp = 0;
    settings.LegacyWindowsFamily = 2; // only 1 means the legacy path
    const ThumbnailOptions other = thumbnailOptionsOf(settings);
    EXPECT_EQ(other.thumbType, 2);
    EXPECT_FALSE(other.unsharp);
    EXPECT_FALSE(other.legacy);
}

} // namespace
} // namespace vistrel
