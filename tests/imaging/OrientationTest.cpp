// SPDX-License-Identifier: MIT
#include <array>
#include <set>

#include <gtest/gtest.h>

#include "FixtureEncoders.h"
#include "imaging/ExifOrientation.h"
#include "imaging/ImageDecoder.h"
#include "imaging/Orientation.h"

namespace vistrel {
namespace {

using test::asBytes;
using test::exifPayload;
using test::pixelOf;

enum Corner { kTopLeft, kTopRight, kBottomLeft, kBottomRight };

// For each EXIF orientation, which corner of the upright picture the stored top-left, top-right,
// bottom-left and bottom-right corners hold, read off the tag's definition ("row 0 is the
// visual top / bottom / left / right, column 0 the visual left / right / top / bottom").
constexpr std::array<std::array<Corner, 4>, 9> kStoredCorners = {{
    {},
    {kTopLeft, kTopRight, kBottomLeft, kBottomRight}, // 1 row 0 top, column 0 left
    {kTopRight, kTopLeft, kBottomRight, kBottomLeft}, // 2 row 0 top, column 0 right
    {kBottomRight, kBottomLeft, kTopRight, kTopLeft}, // 3 row 0 bottom, column 0 right
    {kBottomLeft, kBottomRight, kTopLeft, kTopRight}, // 4 row 0 bottom, column 0 left
    {kTopLeft, kBottomLeft, kTopRight, kBottomRight}, // 5 row 0 left, column 0 top
    {kTopRight, kBottomRight, kTopLeft, kBottomLeft}, // 6 row 0 right, column 0 top
    {kBottomRight, kTopRight, kBottomLeft, kTopLeft}, // 7 row 0 right, column 0 bottom
    {kBottomLeft, kTopLeft, kBottomRight, kTopRight}, // 8 row 0 left, column 0 bottom
}};

constexpr std::array<Rgb, 4> kCornerColours = {
    {{220, 30, 40}, {40, 200, 60}, {30, 50, 210}, {230, 220, 40}}};

bool sidesSwap(int orientation) {
    return orientation >= 5;
}

TEST(AnExifOrientationReader, ReadsEveryOrientationInEitherByteOrder) {
    for (const bool bigEndian : {false, true}) {
        for (int orientation = 1; orientation <= 8; ++orientation) {
            const std::string payload = exifPayload(orientation, bigEndian);
            EXPECT_EQ(detail::readExifOrientation(asBytes(payload)), orientation)
                << "big-endian " << bigEndian;
        }
    }
}

TEST(AnExifOrientationReader, FallsBackToUprightForAnythingItCannotTrust) {
    std::string notExif = exifPayload(6, false);
    notExif[0] = 'X';
    std::string badByteOrder = exifPayload(6, false);
    badByteOrder[6] = 'I';
    badByteOrder[7] = 'M';
    std::string badMagic = exifPayload(6, false);
    badMagic[8] = 43;
    std::string offsetPastEnd = exifPayload(6, false);
    offsetPastEnd[10] = 0x7F;
    std::string wrongType = exifPayload(6, false);
    wrongType[6 + 8 + 2 + 12 + 2] = 4; // the orientation entry claims LONG
    std::string outOfRange = exifPayload(6, false);
    outOfRange[6 + 8 + 2 + 12 + 8] = 9;

    for (const std::string& payload :
         {notExif, badByteOrder, badMagic, offsetPastEnd, wrongType, outOfRange, std::string()}) {
        EXPECT_EQ(detail::readExifOrientation(asBytes(payload)), 1);
    }
}

TEST(AnExifOrientationReader, StopsAtTheBytesWhateverTheEntryCountClaims) {
    std::string payload = exifPayload(8, true);
    payload[6 + 8] = '\xFF'; // 65000-odd entries announced, two present
    payload[6 + 8 + 1] = '\xF0';
    EXPECT_EQ(detail::readExifOrientation(asBytes(payload)), 8);

    // The orientation entry cut off: nothing past the end may be read.
    const std::string cut = payload.substr(0, payload.size() - 8);
    EXPECT_EQ(detail::readExifOrientation(asBytes(cut)), 1);
}

TEST(AnExifOrientationReader, SurvivesThePayloadCutAtEveryLength) {
    const std::string payload = exifPayload(3, false);
    for (std::size_t length = 0; length < payload.size(); ++length) {
        // A copy of exactly that length, so a read past it is caught by the sanitizer.
        const std::vector<std::uint8_t> bytes(
            payload.begin(), payload.begin() + static_cast<std::ptrdiff_t>(length));
        const int orientation = detail::readExifOrientation(bytes);
        EXPECT_TRUE(orientation == 1 || orientation == 3) << "length " << length;
    }
}

// An image of all different pixels as a camera would store it for orientation, upright
// uprightWidth x uprightHeight.
ImageHandle storedImage(int orientation, int uprightWidth, int uprightHeight) {
    const bool swap = sidesSwap(orientation);
    auto image =
        Image::create(swap ? uprightHeight : uprightWidth, swap ? uprightWidth : uprightHeight);
    for (int y = 0; y < image->height(); ++y) {
        for (int x = 0; x < image->width(); ++x) {
            const auto value = static_cast<std::uint8_t>(10 * (y * image->width() + x) + 5);
            image->row(y)[3 * static_cast<std::size_t>(x)] = value;
        }
    }
    return image;
}

TEST(AnImageOrientation, TurnsEveryOrientationUprightPixelForPixel) {
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const ImageHandle stored = storedImage(orientation, 3, 2);
        const int w = stored->width() - 1;
        const int h = stored->height() - 1;
        const std::array<Rgb, 4> storedCorners = {pixelOf(*stored, 0, 0), pixelOf(*stored, w, 0),
                                                  pixelOf(*stored, 0, h), pixelOf(*stored, w, h)};
        Image image = *stored;

        detail::orientImage(image, orientation);

        ASSERT_EQ(image.width(), 3) << "orientation " << orientation;
        ASSERT_EQ(image.height(), 2) << "orientation " << orientation;
        const std::array<Rgb, 4> upright = {pixelOf(image, 0, 0), pixelOf(image, 2, 0),
                                            pixelOf(image, 0, 1), pixelOf(image, 2, 1)};
        for (std::size_t corner = 0; corner < 4; ++corner) {
            EXPECT_EQ(storedCorners[corner],
                      upright[kStoredCorners[static_cast<std::size_t>(orientation)][corner]])
                << "orientation " << orientation << " stored corner " << corner;
        }
        std::multiset<std::uint8_t> before;
        std::multiset<std::uint8_t> after;
        for (std::size_t i = 0; i < image.pixels().size(); ++i) {
            before.insert(stored->pixels()[i]);
            after.insert(image.pixels()[i]);
        }
        EXPECT_EQ(before, after) << "orientation " << orientation;
    }
}

TEST(AnImageOrientation, MovesTheAlphaPlaneAndKeepsThePalette) {
    auto image = Image::create(2, 1);
    image->addAlpha();
    image->alpha()[0] = 10;
    image->alpha()[1] = 200;
    image->setPalette({{1, 2, 3}, {4, 5, 6}});

    detail::orientImage(*image, 6);

    ASSERT_EQ(image->width(), 1);
    ASSERT_EQ(image->height(), 2);
    EXPECT_EQ(image->alpha()[0], 10);
    EXPECT_EQ(image->alpha()[1], 200);
    EXPECT_EQ(image->palette().size(), 2U);
}

TEST(AJpegLoader, AppliesEveryExifOrientation) {
    constexpr int kWidth = 48;
    constexpr int kHeight = 32;
    for (const bool bigEndian : {false, true}) {
        for (int orientation = 1; orientation <= 8; ++orientation) {
            const auto& corners = kStoredCorners[static_cast<std::size_t>(orientation)];
            const bool swap = sidesSwap(orientation);
            const test::Raster stored = test::quarters(
                swap ? kHeight : kWidth, swap ? kWidth : kHeight, kCornerColours[corners[0]],
                kCornerColours[corners[1]], kCornerColours[corners[2]], kCornerColours[corners[3]]);
            test::JpegOptions options;
            options.exifOrientation = orientation;
            options.bigEndianExif = bigEndian;

            const auto decoded =
                decodeImageBytes(asBytes(test::encodeJpeg(stored, options)), ImageFormat::Jpeg);

            ASSERT_TRUE(decoded.has_value()) << "orientation " << orientation;
            EXPECT_EQ(decoded->header, (ImageHeader{kWidth, kHeight, 24}));
            const Image& image = *decoded->image;
            ASSERT_EQ(image.width(), kWidth);
            ASSERT_EQ(image.height(), kHeight);
            const std::array<Rgb, 4> seen = {pixelOf(image, kWidth / 4, kHeight / 4),
                                             pixelOf(image, 3 * kWidth / 4, kHeight / 4),
                                             pixelOf(image, kWidth / 4, 3 * kHeight / 4),
                                             pixelOf(image, 3 * kWidth / 4, 3 * kHeight / 4)};
            for (std::size_t corner = 0; corner < 4; ++corner) {
                EXPECT_TRUE(test::near(seen[corner], kCornerColours[corner], 8))
                    << "orientation " << orientation << " corner " << corner;
            }
        }
    }
}

} // namespace
} // namespace vistrel
