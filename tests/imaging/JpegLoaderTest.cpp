// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "FixtureEncoders.h"
#include "imaging/ImageDecoder.h"
#include "imaging/ImageLibrary.h"
#include "imaging/codec/JpegReader.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

using test::asBytes;
using test::encodeJpeg;
using test::JpegColour;
using test::JpegOptions;
using test::near;
using test::pixelOf;

constexpr Rgb kRed{220, 30, 40};
constexpr Rgb kGreen{40, 200, 60};
constexpr Rgb kBlue{30, 50, 210};
constexpr Rgb kYellow{230, 220, 40};
constexpr int kTolerance = 8;

test::Raster fourColours(int width = 32, int height = 32) {
    return test::quarters(width, height, kRed, kGreen, kBlue, kYellow);
}

ImageHandle decodeJpeg(const std::string& bytes) {
    auto decoded = decodeImageBytes(asBytes(bytes), ImageFormat::Jpeg);
    return decoded ? std::move(decoded->image) : nullptr;
}

// The quarter centres of a decoded fourColours() image.
void expectFourColours(const Image& image, int tolerance = kTolerance) {
    const int w = image.width();
    const int h = image.height();
    EXPECT_TRUE(near(pixelOf(image, w / 4, h / 4), kRed, tolerance));
    EXPECT_TRUE(near(pixelOf(image, 3 * w / 4, h / 4), kGreen, tolerance));
    EXPECT_TRUE(near(pixelOf(image, w / 4, 3 * h / 4), kBlue, tolerance));
    EXPECT_TRUE(near(pixelOf(image, 3 * w / 4, 3 * h / 4), kYellow, tolerance));
}

TEST(AJpegLoader, DecodesABaselineFileFromItsPath) {
    test::TempDir dir;
    const auto path = dir.write("photo.jpg", encodeJpeg(fourColours(48, 32)));

    const ImageHandle image = LoadJpegImage(path);

    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->header(), (ImageHeader{48, 32, 24}));
    EXPECT_FALSE(image->hasAlpha());
    EXPECT_TRUE(image->palette().empty());
    expectFourColours(*image);
}

TEST(AJpegLoader, DecodesProgressiveFilesLikeBaselineOnes) {
    JpegOptions options;
    options.progressive = true;

    const ImageHandle image = decodeJpeg(encodeJpeg(fourColours(), options));

    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->header(), (ImageHeader{32, 32, 24}));
    expectFourColours(*image);
}

TEST(AJpegLoader, TurnsGreyFilesIntoRgbWithAGreyPalette) {
    test::Raster raster(16, 16, {0, 90, 0});
    raster.fillRect(8, 0, 8, 16, {0, 200, 0});
    JpegOptions options;
    options.colour = JpegColour::Grey;

    const ImageHandle image = decodeJpeg(encodeJpeg(raster, options));

    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->header(), (ImageHeader{16, 16, 8}));
    EXPECT_EQ(GetColorCount(*image), 256U);
    const Rgb left = pixelOf(*image, 2, 8);
    const Rgb right = pixelOf(*image, 13, 8);
    EXPECT_TRUE(left.r == left.g && left.g == left.b);
    EXPECT_TRUE(near(left, {90, 90, 90}, 3));
    EXPECT_TRUE(near(right, {200, 200, 200}, 3));
}

TEST(AJpegLoader, ConvertsCmykWithOrWithoutTheAdobeMarkerToRgb) {
    for (const bool adobe : {true, false}) {
        JpegOptions options;
        options.colour = JpegColour::Cmyk;
        options.adobeMarker = adobe;

        const ImageHandle image = decodeJpeg(encodeJpeg(fourColours(), options));

        ASSERT_NE(image, nullptr) << "Adobe marker " << adobe;
        EXPECT_EQ(image->header(), (ImageHeader{32, 32, 24}));
        expectFourColours(*image);
    }
}

TEST(AJpegLoader, StillDecodesAFileCutShortInItsImageData) {
    const std::string whole = encodeJpeg(fourColours(64, 64));
    // Keep the headers and the first half of the entropy-coded data after the scan header.
    const std::size_t scan = whole.find("\xFF\xDA");
    ASSERT_NE(scan, std::string::npos);
    const std::size_t headerLength = static_cast<std::uint8_t>(whole[scan + 2]) * 256U +
                                     static_cast<std::uint8_t>(whole[scan + 3]);
    const std::size_t dataStart = scan + 2 + headerLength;
    const std::string cut = whole.substr(0, dataStart + (whole.size() - 2 - dataStart) / 2);

    const ImageHandle image = decodeJpeg(cut);

    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->header(), (ImageHeader{64, 64, 24}));
    EXPECT_TRUE(near(pixelOf(*image, 16, 8), kRed, kTolerance));
}

TEST(AJpegLoader, StillDecodesAFileWithStrayBytesBeforeItsEndMarker) {
    std::string bytes = encodeJpeg(fourColours());
    ASSERT_EQ(bytes.substr(bytes.size() - 2), "\xFF\xD9");
    bytes.insert(bytes.size() - 2, "garbage");

    const ImageHandle image = decodeJpeg(bytes);

    ASSERT_NE(image, nullptr);
    expectFourColours(*image);
}

TEST(AJpegLoader, RefusesOtherFormatsAndEmptyFiles) {
    EXPECT_EQ(decodeJpeg(test::encodePng(fourColours())), nullptr);
    EXPECT_EQ(decodeJpeg(""), nullptr);
    EXPECT_EQ(decodeJpeg("\xFF\xD8\xFF\xD9"), nullptr);
}

TEST(AJpegLoader, AcceptsAThousandScansAndRefusesTheNext) {
    JpegOptions options;
    options.scanCount = detail::kMaxJpegScans;
    const ImageHandle atLimit = decodeJpeg(encodeJpeg(fourColours(), options));
    options.scanCount = detail::kMaxJpegScans + 1;
    const ImageHandle overLimit = decodeJpeg(encodeJpeg(fourColours(), options));

    ASSERT_NE(atLimit, nullptr);
    expectFourColours(*atLimit);
    EXPECT_EQ(overLimit, nullptr);
}

} // namespace
} // namespace vistrel
