// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "imaging/ImageLibrary.h"

namespace vistrel {
namespace {

TEST(TheImageLibrary, ReportsVersion200) {
    EXPECT_EQ(GetLibraryVersion(), 200);
}

TEST(AnImage, RefusesSidesThatAreNotPositiveOrAnAreaOverTheLimit) {
    EXPECT_EQ(Image::create(0, 1), nullptr);
    EXPECT_EQ(Image::create(1, -1), nullptr);
    EXPECT_EQ(Image::create(16385, 16384), nullptr);
    EXPECT_EQ(Image::create(268435457, 1), nullptr);
}

TEST(AnImage, StartsBlackWithoutAlphaOrPalette) {
    const ImageHandle image = Image::create(3, 2);

    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->stride(), 9U);
    EXPECT_EQ(image->pixels().size(), 18U);
    EXPECT_TRUE(std::all_of(image->pixels().begin(), image->pixels().end(),
                            [](std::uint8_t byte) { return byte == 0; }));
    EXPECT_FALSE(image->hasAlpha());
    EXPECT_TRUE(image->alpha().empty());
}

TEST(AnImage, CapsItsPaletteAt256Entries) {
    const ImageHandle image = Image::create(1, 1);
    image->setPalette(std::vector<Rgb>(300));
    EXPECT_EQ(image->palette().size(), 256U);
}

TEST(GetImageHeader, ReportsSizeAndTheBitCountOfEachKind) {
    const ImageHandle image = Image::create(640, 480);
    EXPECT_EQ(GetImageHeader(image.get()), (ImageHeader{640, 480, 24}));
    image->addAlpha();
    EXPECT_EQ(GetImageHeader(image.get()), (ImageHeader{640, 480, 32}));
    image->setPalette({{0, 0, 0}, {255, 255, 255}});
    EXPECT_EQ(GetImageHeader(image.get()), (ImageHeader{640, 480, 8}));

    EXPECT_EQ(GetImageHeader(nullptr), std::nullopt);
}

TEST(CheckImage, AcceptsAnImageAndRefusesNone) {
    const ImageHandle image = Image::create(2, 2);
    image->addAlpha();

    EXPECT_NE(CheckImage(image.get()), 0);
    EXPECT_EQ(CheckImage(nullptr), 0);
}

TEST(FreeImage, ReleasesTheImageAndLeavesNoHandle) {
    ImageHandle image = Image::create(2, 2);

    FreeImage(image);

    EXPECT_EQ(image, nullptr);
    FreeImage(image);
    EXPECT_EQ(image, nullptr);
}

} // namespace
} // namespace vistrel
