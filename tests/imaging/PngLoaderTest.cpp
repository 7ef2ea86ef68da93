// SPDX-License-Identifier: MIT
#include <png.h>

#include <gtest/gtest.h>

#include "FixtureEncoders.h"
#include "imaging/ImageDecoder.h"
#include "imaging/ImageLibrary.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

using test::alphaOf;
using test::asBytes;
using test::encodePng;
using test::pixelOf;
using test::PngFixture;

ImageHandle decodePng(const std::string& bytes) {
    auto decoded = decodeImageBytes(asBytes(bytes), ImageFormat::Png);
    return decoded ? std::move(decoded->image) : nullptr;
}

// A pattern in which every pixel differs from its neighbours in every channel.
test::Raster pattern(int width, int height, bool withAlpha) {
    test::Raster raster(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            raster.set(x, y,
                       {static_cast<std::uint8_t>(x * 7 + y), static_cast<std::uint8_t>(y * 13 + 1),
                        static_cast<std::uint8_t>((x ^ y) * 5)});
            if (withAlpha) {
                raster.alpha.push_back(static_cast<std::uint8_t>((x * 31 + y * 17) % 256));
            }
        }
    }
    return raster;
}

void expectPixelsOf(const Image& image, const test::Raster& raster) {
    ASSERT_EQ(image.width(), raster.width);
    ASSERT_EQ(image.height(), raster.height);
    for (int y = 0; y < raster.height; ++y) {
        for (int x = 0; x < raster.width; ++x) {
            ASSERT_EQ(pixelOf(image, x, y), raster.at(x, y)) << x << "," << y;
            if (!raster.alpha.empty()) {
                ASSERT_EQ(alphaOf(image, x, y),
                          raster.alpha[static_cast<std::size_t>(y * raster.width + x)])
                    << x << "," << y;
            }
        }
    }
}

TEST(APngLoader, DecodesTrueColourExactlyFromItsPath) {
    test::TempDir dir;
    const test::Raster raster = pattern(19, 11, false);
    const auto path = dir.write("photo.png", encodePng(raster));

    const ImageHandle image = LoadPngImage(path);

    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->header(), (ImageHeader{19, 11, 24}));
    expectPixelsOf(*image, raster);
}

TEST(APngLoader, DecodesAlphaExactlyAndReportsThirtyTwoBits) {
    const test::Raster raster = pattern(13, 9, true);

    const ImageHandle image = decodePng(encodePng(raster));

    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->header(), (ImageHeader{13, 9, 32}));
    expectPixelsOf(*image, raster);
}

TEST(APngLoader, DecodesInterlacedFilesWithAndWithoutAlpha) {
    for (const bool withAlpha : {false, true}) {
        const test::Raster raster = pattern(21, 17, withAlpha);

        const ImageHandle image = decodePng(encodePng(raster, true));

        ASSERT_NE(image, nullptr) << "alpha " << withAlpha;
        expectPixelsOf(*image, raster);
    }
}

TEST(APngLoader, ExpandsPaletteFilesAndKeepsTheirPaletteAndTransparency) {
    PngFixture fixture;
    fixture.width = 4;
    fixture.height = 2;
    fixture.colourType = PNG_COLOR_TYPE_PALETTE;
    fixture.bitDepth = 4;
    fixture.palette = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {10, 20, 30}, {9, 9, 9}};
    fixture.paletteAlpha = {255, 128, 0};
    fixture.rows = {{0x01, 0x23}, {0x32, 0x10}};

    const ImageHandle image = decodePng(encodePng(fixture));

    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->header(), (ImageHeader{4, 2, 8}));
    EXPECT_EQ(GetColorCount(*image), 5U);
    EXPECT_EQ(pixelOf(*image, 0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(pixelOf(*image, 1, 0), (Rgb{0, 255, 0}));
    EXPECT_EQ(pixelOf(*image, 3, 0), (Rgb{10, 20, 30}));
    EXPECT_EQ(pixelOf(*image, 1, 1), (Rgb{0, 0, 255}));
    EXPECT_EQ(alphaOf(*image, 0, 0), 255);
    EXPECT_EQ(alphaOf(*image, 1, 0), 128);
    EXPECT_EQ(alphaOf(*image, 2, 0), 0);
    EXPECT_EQ(alphaOf(*image, 3, 0), 255); // entries past tRNS are opaque
}

TEST(APngLoader, SpreadsLowBitDepthGreyOverTheFullRange) {
    PngFixture fixture;
    fixture.width = 4;
    fixture.height = 1;
    fixture.colourType = PNG_COLOR_TYPE_GRAY;
    fixture.bitDepth = 2;
    fixture.rows = {{0b00011011}};

    const ImageHandle image = decodePng(encodePng(fixture));

    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->header(), (ImageHeader{4, 1, 8}));
    EXPECT_EQ(GetColorCount(*image), 4U);
    EXPECT_EQ(pixelOf(*image, 0, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(pixelOf(*image, 1, 0), (Rgb{85, 85, 85}));
    EXPECT_EQ(pixelOf(*image, 2, 0), (Rgb{170, 170, 170}));
    EXPECT_EQ(pixelOf(*image, 3, 0), (Rgb{255, 255, 255}));
}

TEST(APngLoader, TurnsATransparentGreyLevelIntoAlpha) {
    PngFixture fixture;
    fixture.width = 3;
    fixture.height = 1;
    fixture.colourType = PNG_COLOR_TYPE_GRAY;
    fixture.rows = {{10, 77, 200}};
    fixture.transparentGrey = 77;

    const ImageHandle image = decodePng(encodePng(fixture));

    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->header(), (ImageHeader{3, 1, 8}));
    EXPECT_EQ(pixelOf(*image, 0, 0), (Rgb{10, 10, 10}));
    EXPECT_EQ(alphaOf(*image, 0, 0), 255);
    EXPECT_EQ(alphaOf(*image, 1, 0), 0);
    EXPECT_EQ(alphaOf(*image, 2, 0), 255);
}

TEST(APngLoader, DecodesGreyWithAlphaAsTrueColourWithAlpha) {
    PngFixture fixture;
    fixture.width = 2;
    fixture.height = 1;
    fixture.colourType = PNG_COLOR_TYPE_GRAY_ALPHA;
    fixture.rows = {{40, 255, 180, 60}};

    const ImageHandle image = decodePng(encodePng(fixture));

    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->header(), (ImageHeader{2, 1, 32}));
    EXPECT_EQ(pixelOf(*image, 0, 0), (Rgb{40, 40, 40}));
    EXPECT_EQ(pixelOf(*image, 1, 0), (Rgb{180, 180, 180}));
    EXPECT_EQ(alphaOf(*image, 1, 0), 60);
}

TEST(APngLoader, ScalesSixteenBitSamplesToEightBits) {
    PngFixture fixture;
    fixture.width = 2;
    fixture.height = 2;
    fixture.colourType = PNG_COLOR_TYPE_RGB_ALPHA;
    fixture.bitDepth = 16;
    fixture.interlaced = true;
    // Each 16-bit sample is an 8-bit level times 257, which scales back to that level exactly.
    fixture.rows = {{0x00, 0x00, 0xFF, 0xFF, 0x80, 0x80, 0xFF, 0xFF, 0x12, 0x12, 0x34, 0x34, 0x56,
                     0x56, 0x78, 0x78},
                    {0xFF, 0xFF, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0xFE, 0xFE, 0xFD, 0xFD, 0xFC,
                     0xFC, 0x7F, 0x7F}};

    const ImageHandle image = decodePng(encodePng(fixture));

    ASSERT_NE(image, nullptr);
    EXPECT_EQ(pixelOf(*image, 0, 0), (Rgb{0x00, 0xFF, 0x80}));
    EXPECT_EQ(alphaOf(*image, 0, 0), 0xFF);
    EXPECT_EQ(pixelOf(*image, 1, 0), (Rgb{0x12, 0x34, 0x56}));
    EXPECT_EQ(alphaOf(*image, 1, 0), 0x78);
    EXPECT_EQ(pixelOf(*image, 0, 1), (Rgb{0xFF, 0x00, 0x01}));
    EXPECT_EQ(alphaOf(*image, 0, 1), 0x00);
    EXPECT_EQ(pixelOf(*image, 1, 1), (Rgb{0xFE, 0xFD, 0xFC}));
    EXPECT_EQ(alphaOf(*image, 1, 1), 0x7F);
}

TEST(APngLoader, ScalesSixteenBitGreyAndKeepsAFullGreyRamp) {
    PngFixture fixture;
    fixture.width = 2;
    fixture.height = 1;
    fixture.colourType = PNG_COLOR_TYPE_GRAY;
    fixture.bitDepth = 16;
    fixture.rows = {{0x40, 0x40, 0xC8, 0xC8}};

    const ImageHandle image = decodePng(encodePng(fixture));

    ASSERT_NE(image, nullptr);
    EXPECT_EQ(GetColorCount(*image), 256U);
    EXPECT_EQ(pixelOf(*image, 0, 0), (Rgb{0x40, 0x40, 0x40}));
    EXPECT_EQ(pixelOf(*image, 1, 0), (Rgb{0xC8, 0xC8, 0xC8}));
}

TEST(APngLoader, RefusesOtherFormatsAndEmptyFiles) {
    EXPECT_EQ(decodePng(test::encodeJpeg(pattern(8, 8, false))), nullptr);
    EXPECT_EQ(decodePng(""), nullptr);
    EXPECT_EQ(decodePng("\x89PNG\r\n\x1a\n"), nullptr);
}

} // namespace
} // namespace vistrel
