// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "FixtureEncoders.h"
#include "imaging/ImageDecoder.h"
#include "imaging/ImageLibrary.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

using test::alphaOf;
using test::asBytes;
using test::encodeGif;
using test::GifFixture;
using test::GifFrame;
using test::pixelOf;

const std::vector<Rgb> kFourColours = {{0, 0, 0}, {255, 0, 0}, {0, 128, 0}, {10, 20, 250}};

ImageHandle decodeGif(const std::string& bytes) {
    auto decoded = decodeImageBytes(asBytes(bytes), ImageFormat::Gif);
    return decoded ? std::move(decoded->image) : nullptr;
}

// A frame whose pixel at x, y has index (x + 2y) % 4.
GifFrame diagonalFrame(int width, int height) {
    GifFrame frame;
    frame.width = width;
    frame.height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            frame.indices.push_back(static_cast<std::uint8_t>((x + 2 * y) % 4));
        }
    }
    return frame;
}

void expectDiagonal(const Image& image, const std::vector<Rgb>& colours) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_EQ(pixelOf(image, x, y), colours[static_cast<std::size_t>((x + 2 * y) % 4)])
                << x << "," << y;
        }
    }
}

TEST(AGifLoader, DecodesTheFrameExactlyFromItsPath) {
    test::TempDir dir;
    const auto path = dir.write("anim.gif", encodeGif({9, 6, kFourColours, {diagonalFrame(9, 6)}}));

    const ImageHandle image = LoadGifImage(path);

    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->header(), (ImageHeader{9, 6, 8}));
    EXPECT_FALSE(image->hasAlpha());
    EXPECT_EQ(GetColorCount(*image), 4U);
    expectDiagonal(*image, kFourColours);
}

TEST(AGifLoader, PutsInterlacedRowsBackInPlace) {
    GifFrame frame = diagonalFrame(5, 19);
    frame.interlaced = true;

    const ImageHandle image = decodeGif(encodeGif({5, 19, kFourColours, {frame}}));

    ASSERT_NE(image, nullptr);
    expectDiagonal(*image, kFourColours);
}

TEST(AGifLoader, PrefersTheFramesOwnColourTable) {
    GifFrame frame = diagonalFrame(4, 4);
    const std::vector<Rgb> local = {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4},
                                    {5, 5, 5}, {6, 6, 6}, {7, 7, 7}, {8, 8, 8}};
    frame.localColours = local;

    const ImageHandle image = decodeGif(encodeGif({4, 4, kFourColours, {frame}}));

    ASSERT_NE(image, nullptr);
    EXPECT_EQ(GetColorCount(*image), 8U);
    expectDiagonal(*image, local);
}

TEST(AGifLoader, GivesTheFirstFrameOfAnAnimation) {
    GifFrame first;
    first.width = 6;
    first.height = 4;
    first.indices.assign(24, 1);
    GifFrame second = first;
    second.indices.assign(24, 3);

    const ImageHandle image = decodeGif(encodeGif({6, 4, kFourColours, {first, second}}));

    ASSERT_NE(image, nullptr);
    EXPECT_EQ(pixelOf(*image, 0, 0), kFourColours[1]);
    EXPECT_EQ(pixelOf(*image, 5, 3), kFourColours[1]);
}

TEST(AGifLoader, MakesTheTransparentColourTransparent) {
    GifFrame frame = diagonalFrame(4, 2);
    frame.transparentIndex = 2;

    const ImageHandle image = decodeGif(encodeGif({4, 2, kFourColours, {frame}}));

    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->header(), (ImageHeader{4, 2, 8}));
    ASSERT_TRUE(image->hasAlpha());
    EXPECT_EQ(alphaOf(*image, 2, 0), 0);   // index 2
    EXPECT_EQ(alphaOf(*image, 0, 1), 0);   // index 2
    EXPECT_EQ(alphaOf(*image, 1, 0), 255); // index 1
    EXPECT_EQ(pixelOf(*image, 1, 0), kFourColours[1]);
}

TEST(AGifLoader, LeavesTheScreenOutsideAnOffsetFrameTransparent) {
    GifFrame frame = diagonalFrame(3, 2);
    frame.left = 2;
    frame.top = 1;

    const ImageHandle image = decodeGif(encodeGif({6, 4, kFourColours, {frame}}));

    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->header(), (ImageHeader{6, 4, 8}));
    EXPECT_EQ(alphaOf(*image, 0, 0), 0);
    EXPECT_EQ(alphaOf(*image, 5, 3), 0);
    EXPECT_EQ(alphaOf(*image, 2, 1), 255);
    EXPECT_EQ(pixelOf(*image, 2, 1), kFourColours[0]);
    EXPECT_EQ(pixelOf(*image, 4, 2), kFourColours[0]); // frame pixel 2,1: index (2 + 2) % 4
    EXPECT_EQ(pixelOf(*image, 3, 1), kFourColours[1]);
}

TEST(AGifLoader, GrowsAScreenTooSmallForItsFrame) {
    const ImageHandle image = decodeGif(encodeGif({2, 2, kFourColours, {diagonalFrame(5, 3)}}));

    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width(), 5);
    EXPECT_EQ(image->height(), 3);
    expectDiagonal(*image, kFourColours);
}

TEST(AGifLoader, GivesNoImageForAFileWithoutFramesOrColours) {
    // giflib writes no frame without colours, so take the global table out afterwards: clear
    // its flag in the screen descriptor and drop its 4 x 3 bytes that follow.
    std::string colourless = encodeGif({4, 4, kFourColours, {diagonalFrame(4, 4)}});
    colourless[10] = static_cast<char>(colourless[10] & 0x7F);
    colourless.erase(13, 12);

    EXPECT_EQ(decodeGif(encodeGif({4, 4, kFourColours, {}})), nullptr);
    EXPECT_EQ(decodeGif(colourless), nullptr);
    EXPECT_EQ(decodeGif(""), nullptr);
    EXPECT_EQ(decodeGif("GIF89a"), nullptr);
}

} // namespace
} // namespace vistrel
