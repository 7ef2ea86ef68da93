// SPDX-License-Identifier: MIT
#include <array>

#include <png.h>

#include <gtest/gtest.h>

#include "FixtureEncoders.h"
#include "imaging/ImageDecoder.h"
#include "imaging/codec/JpegReader.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

using test::asBytes;

constexpr Rgb kRed{220, 30, 40};
constexpr Rgb kGreen{40, 200, 60};
constexpr Rgb kBlue{30, 50, 210};
constexpr Rgb kYellow{230, 220, 40};

TEST(AJpegScale, IsFullSizeWhenNoMinimumIsAsked) {
    EXPECT_EQ(detail::jpegScaleNumerator(4000, 3000, 0, 0), 8);
    EXPECT_EQ(detail::jpegScaleNumerator(4000, 3000, -1, -5), 8);
}

TEST(AJpegScale, PicksTheSmallestEighthThatKeepsBothSidesAtTheMinimum) {
    EXPECT_EQ(detail::jpegScaleNumerator(4000, 3000, 500, 375), 1);
    EXPECT_EQ(detail::jpegScaleNumerator(4000, 3000, 501, 1), 2);
    EXPECT_EQ(detail::jpegScaleNumerator(4000, 3000, 1, 376), 2);
    EXPECT_EQ(detail::jpegScaleNumerator(4000, 3000, 1500, 0), 3);
    EXPECT_EQ(detail::jpegScaleNumerator(4000, 3000, 3501, 0), 8);
    EXPECT_EQ(detail::jpegScaleNumerator(4000, 3000, 9000, 9000), 8);
    // Sides round up: 1/8 of 9 pixels is 2.
    EXPECT_EQ(detail::jpegScaleNumerator(9, 9, 2, 2), 1);
    EXPECT_EQ(detail::jpegScaleNumerator(9, 9, 3, 2), 2);
}

TEST(AJpegScale, NeverGoesBelowTheMinimumOverASweepOfSizes) {
    for (int side = 1; side <= 64; ++side) {
        for (int minimum = 1; minimum <= side; ++minimum) {
            const int n = detail::jpegScaleNumerator(side, side, minimum, minimum);
            EXPECT_GE((side * n + 7) / 8, minimum) << side << " " << minimum;
            if (n > 1) {
                EXPECT_LT((side * (n - 1) + 7) / 8, minimum) << side << " " << minimum;
            }
        }
    }
}

TEST(AHeaderOnlyDecode, GivesTheUprightSizeWithoutPixels) {
    test::TempDir dir;
    test::JpegOptions turned;
    turned.exifOrientation = 6;
    const auto jpeg = dir.write("a.jpg", test::encodeJpeg(test::Raster(40, 24), turned));
    const auto png = dir.write("a.png", test::encodePng(test::Raster(7, 5)));
    test::GifFrame frame;
    frame.width = 3;
    frame.height = 2;
    frame.indices = {0, 1, 0, 1, 0, 1};
    const auto gif = dir.write("a.gif", test::encodeGif({6, 4, {{0, 0, 0}, {1, 1, 1}}, {frame}}));
    const DecodeRequest headerOnly{true, 0, 0};

    const auto jpegHeader = decodeImageFile(jpeg, ImageFormat::Jpeg, headerOnly);
    const auto pngHeader = decodeImageFile(png, ImageFormat::Png, headerOnly);
    const auto gifHeader = decodeImageFile(gif, ImageFormat::Gif, headerOnly);

    ASSERT_TRUE(jpegHeader && pngHeader && gifHeader);
    EXPECT_EQ(jpegHeader->header, (ImageHeader{24, 40, 24}));
    EXPECT_EQ(pngHeader->header, (ImageHeader{7, 5, 24}));
    EXPECT_EQ(gifHeader->header, (ImageHeader{6, 4, 8}));
    EXPECT_EQ(jpegHeader->image, nullptr);
    EXPECT_EQ(pngHeader->image, nullptr);
    EXPECT_EQ(gifHeader->image, nullptr);
}

TEST(AHeaderOnlyDecode, AgreesWithTheFullDecodeOnBitCount) {
    test::Raster withAlpha(4, 4);
    withAlpha.alpha.assign(16, 100);
    test::JpegOptions grey;
    grey.colour = test::JpegColour::Grey;
    test::PngFixture palette;
    palette.width = 2;
    palette.height = 1;
    palette.colourType = PNG_COLOR_TYPE_PALETTE;
    palette.palette = {{1, 2, 3}, {4, 5, 6}};
    palette.rows = {{0, 1}};
    const std::vector<std::pair<ImageFormat, std::string>> files = {
        {ImageFormat::Png, test::encodePng(withAlpha)},
        {ImageFormat::Png, test::encodePng(palette)},
        {ImageFormat::Jpeg, test::encodeJpeg(withAlpha, grey)},
        {ImageFormat::Jpeg, test::encodeJpeg(withAlpha)}};

    for (const auto& [format, bytes] : files) {
        const auto header = decodeImageBytes(asBytes(bytes), format, {true, 0, 0});
        const auto full = decodeImageBytes(asBytes(bytes), format);
        ASSERT_TRUE(header && full);
        EXPECT_EQ(header->header, full->header);
        EXPECT_EQ(full->header, full->image->header());
    }
}

TEST(AScaledJpegDecode, ComesOutNoSmallerThanAskedAndUpright) {
    // Upright 160 x 96 with coloured quarters, stored turned for orientation 6.
    const test::Raster stored = test::quarters(96, 160, kGreen, kYellow, kRed, kBlue);
    test::JpegOptions options;
    options.exifOrientation = 6;
    const std::string bytes = test::encodeJpeg(stored, options);

    for (const auto& [minWidth, minHeight, width, height] :
         std::vector<std::array<int, 4>>{{20, 12, 20, 12},
                                         {21, 0, 40, 24},
                                         {0, 40, 80, 48},
                                         {100, 50, 100, 60},
                                         {0, 0, 160, 96}}) {
        const auto decoded =
            decodeImageBytes(asBytes(bytes), ImageFormat::Jpeg, {false, minWidth, minHeight});

        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(decoded->header, (ImageHeader{160, 96, 24}));
        const Image& image = *decoded->image;
        ASSERT_EQ(image.width(), width) << minWidth << "x" << minHeight;
        ASSERT_EQ(image.height(), height) << minWidth << "x" << minHeight;
        EXPECT_TRUE(test::near(test::pixelOf(image, width / 4, height / 4), kRed, 12));
        EXPECT_TRUE(test::near(test::pixelOf(image, 3 * width / 4, height / 4), kGreen, 12));
        EXPECT_TRUE(test::near(test::pixelOf(image, width / 4, 3 * height / 4), kBlue, 12));
        EXPECT_TRUE(test::near(test::pixelOf(image, 3 * width / 4, 3 * height / 4), kYellow, 12));
    }
}

} // namespace
} // namespace vistrel
