// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "FixtureImages.h"
#include "imaging/ImageLibrary.h"

namespace vistrel {
namespace {

using test::pixelOf;

// A width x height image in which pixel x, y is (10x + 1, 10y + 1, 99).
ImageHandle numbered(int width, int height) {
    auto image = Image::create(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const auto i = static_cast<std::size_t>(x) * 3;
            image->row(y)[i] = static_cast<std::uint8_t>(10 * x + 1);
            image->row(y)[i + 1] = static_cast<std::uint8_t>(10 * y + 1);
            image->row(y)[i + 2] = 99;
        }
    }
    return image;
}

Rgb numberedAt(int x, int y) {
    return {static_cast<std::uint8_t>(10 * x + 1), static_cast<std::uint8_t>(10 * y + 1), 99};
}

TEST(ASurface, StartsFilledAndRefusesImpossibleSizes) {
    const Surface surface(3, 2, {4, 5, 6});
    EXPECT_EQ(surface.width(), 3);
    EXPECT_EQ(surface.height(), 2);
    EXPECT_EQ(surface.stride(), 9U);
    EXPECT_EQ(surface.pixel(2, 1), (Rgb{4, 5, 6}));

    EXPECT_EQ(Surface(0, 5, {}).width(), 0);
    EXPECT_EQ(Surface(5, -1, {}).pixels().size(), 0U);
    EXPECT_EQ(Surface(20000, 20000, {}).pixels().size(), 0U);
}

TEST(CopyImageToDC, CopiesPixelsUnscaledFromTheSourcePoint) {
    const ImageHandle image = numbered(4, 3);
    Surface surface(5, 5, {0, 0, 0});

    CopyImageToDC(surface, 1, 2, 2, 2, *image, 2, 1);

    EXPECT_EQ(surface.pixel(1, 2), numberedAt(2, 1));
    EXPECT_EQ(surface.pixel(2, 2), numberedAt(3, 1));
    EXPECT_EQ(surface.pixel(1, 3), numberedAt(2, 2));
    EXPECT_EQ(surface.pixel(2, 3), numberedAt(3, 2));
    EXPECT_EQ(surface.pixel(0, 2), (Rgb{0, 0, 0}));
    EXPECT_EQ(surface.pixel(3, 2), (Rgb{0, 0, 0}));
    EXPECT_EQ(surface.pixel(1, 4), (Rgb{0, 0, 0}));
}

TEST(CopyImageToDC, ClipsToTheSurfaceAndToTheImage) {
    const ImageHandle image = numbered(3, 3);
    Surface surface(3, 3, {0, 0, 0});

    // Starts left of and above the surface, and asks for more than the image holds.
    CopyImageToDC(surface, -1, -1, 10, 10, *image, 0, 0);

    EXPECT_EQ(surface.pixel(0, 0), numberedAt(1, 1));
    EXPECT_EQ(surface.pixel(1, 1), numberedAt(2, 2));
    EXPECT_EQ(surface.pixel(2, 2), (Rgb{0, 0, 0}));
    EXPECT_EQ(surface.pixel(2, 0), (Rgb{0, 0, 0}));

    Surface untouched(2, 2, {7, 7, 7});
    CopyImageToDC(untouched, 0, 0, 2, 2, *image, 5, 5);
    CopyImageToDC(untouched, 0, 0, 2, 2, *image, -5, 0);
    CopyImageToDC(untouched, 0, 0, 0, 2, *image, 0, 0);
    EXPECT_EQ(untouched.pixel(0, 0), (Rgb{7, 7, 7}));
    EXPECT_EQ(untouched.pixel(1, 1), (Rgb{7, 7, 7}));
}

TEST(CopyImageToDC, CompositesPixelsWithAlpha) {
    const ImageHandle image = Image::create(2, 1);
    image->row(0)[0] = 255;
    image->addAlpha();
    image->alpha()[0] = 51;
    image->alpha()[1] = 0;
    Surface surface(2, 1, {0, 0, 255});

    CopyImageToDC(surface, 0, 0, 2, 1, *image, 0, 0);

    EXPECT_EQ(surface.pixel(0, 0), (Rgb{51, 0, 204}));
    EXPECT_EQ(surface.pixel(1, 0), (Rgb{0, 0, 255}));
}

TEST(CaptureImage, TakesTheRectangleAsATrueColourImage) {
    Surface surface(4, 3, {0, 0, 0});
    CopyImageToDC(surface, 0, 0, 4, 3, *numbered(4, 3), 0, 0);

    const ImageHandle captured = CaptureImage(surface, 1, 1, 3, 2);

    ASSERT_NE(captured, nullptr);
    EXPECT_EQ(captured->header(), (ImageHeader{3, 2, 24}));
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(pixelOf(*captured, x, y), numberedAt(x + 1, y + 1));
        }
    }
}

TEST(CaptureImage, FillsWhatLiesOutsideTheSurfaceWithBlack) {
    const Surface surface(2, 2, {9, 9, 9});

    const ImageHandle captured = CaptureImage(surface, 1, -1, 2, 2);

    ASSERT_NE(captured, nullptr);
    EXPECT_EQ(pixelOf(*captured, 0, 1), (Rgb{9, 9, 9}));
    EXPECT_EQ(pixelOf(*captured, 0, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(pixelOf(*captured, 1, 1), (Rgb{0, 0, 0}));
}

TEST(CaptureImage, GivesNoImageForEmptyOrMissedRectangles) {
    const Surface surface(2, 2, {9, 9, 9});

    EXPECT_EQ(CaptureImage(surface, 0, 0, 0, 2), nullptr);
    EXPECT_EQ(CaptureImage(surface, 0, 0, 2, -1), nullptr);
    EXPECT_EQ(CaptureImage(surface, 2, 0, 2, 2), nullptr);
    EXPECT_EQ(CaptureImage(surface, -3, -3, 3, 3), nullptr);
    EXPECT_EQ(CaptureImage(Surface(0, 0, {}), 0, 0, 1, 1), nullptr);
    EXPECT_EQ(CaptureImage(surface, 0, 0, 20000, 20000), nullptr);
}

TEST(GetImageBits, GivesTheTopRowFirstAndWritesGoToTheImage) {
    const ImageHandle image = numbered(3, 2);
    image->setPalette({{1, 1, 1}});

    const PixelRows rows = GetImageBits(*image);

    ASSERT_EQ(rows.width, 3);
    ASSERT_EQ(rows.height, 2);
    ASSERT_EQ(rows.stride, 9U);
    EXPECT_EQ(rows.data[0], 1);                // x 0, y 0: red
    EXPECT_EQ(rows.data[rows.stride + 1], 11); // x 0, y 1: green
    rows.data[rows.stride + 2 * 3 + 2] = 7;    // x 2, y 1: blue
    EXPECT_EQ(pixelOf(*image, 2, 1), (Rgb{21, 11, 7}));
    EXPECT_TRUE(image->palette().empty());
}

} // namespace
} // namespace vistrel
