// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numeric>
#include <random>

#include <gtest/gtest.h>

#include "FixtureImages.h"
#include "imaging/ImageLibrary.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

using test::alphaOf;
using test::pixelOf;

ImageHandle randomImage(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    auto image = Image::create(width, height);
    for (auto& byte : image->pixels()) {
        byte = static_cast<std::uint8_t>(random());
    }
    return image;
}

// A smooth photo-like image: red across, green down, blue along the diagonal.
ImageHandle gradient(int width, int height) {
    auto image = Image::create(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const auto i = static_cast<std::size_t>(x) * 3;
            image->row(y)[i] = static_cast<std::uint8_t>(255 * x / (width - 1));
            image->row(y)[i + 1] = static_cast<std::uint8_t>(255 * y / (height - 1));
            image->row(y)[i + 2] = static_cast<std::uint8_t>(255 * (x + y) / (width + height - 2));
        }
    }
    return image;
}

void expectSamePixels(const Image& saved, const Image& loaded) {
    ASSERT_EQ(loaded.width(), saved.width());
    ASSERT_EQ(loaded.height(), saved.height());
    EXPECT_TRUE(std::equal(saved.pixels().begin(), saved.pixels().end(), loaded.pixels().begin()));
}

TEST(SavePngImage, WritesTrueColourThatReadsBackExactly) {
    test::TempDir dir;
    const ImageHandle image = randomImage(31, 17, 1);

    ASSERT_TRUE(SavePngImage(dir.file("thumb.png"), *image));

    const ImageHandle loaded = LoadPngImage(dir.file("thumb.png"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->header(), (ImageHeader{31, 17, 24}));
    expectSamePixels(*image, *loaded);
}

TEST(SavePngImage, KeepsTheAlphaPlane) {
    test::TempDir dir;
    const ImageHandle image = randomImage(5, 4, 2);
    image->addAlpha();
    for (std::size_t i = 0; i < image->alpha().size(); ++i) {
        image->alpha()[i] = static_cast<std::uint8_t>(i * 13);
    }

    ASSERT_TRUE(SavePngImage(dir.file("a.png"), *image));

    const ImageHandle loaded = LoadPngImage(dir.file("a.png"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->bitCount(), 32);
    expectSamePixels(*image, *loaded);
    EXPECT_TRUE(std::equal(image->alpha().begin(), image->alpha().end(), loaded->alpha().begin()));
}

TEST(SaveJpegImage, WritesAFileThatReadsBackCloseToTheOriginal) {
    test::TempDir dir;
    const ImageHandle image = gradient(64, 48);

    ASSERT_TRUE(SaveJpegImage(dir.file("thumb.jpg"), *image, 90));

    const ImageHandle loaded = LoadJpegImage(dir.file("thumb.jpg"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->header(), (ImageHeader{64, 48, 24}));
    double error = 0;
    for (std::size_t i = 0; i < image->pixels().size(); ++i) {
        error += std::abs(image->pixels()[i] - loaded->pixels()[i]);
    }
    EXPECT_LT(error / static_cast<double>(image->pixels().size()), 2.0);
}

TEST(SaveGifImage, StoresAnImageOfAtMost256ColoursExactly) {
    test::TempDir dir;
    auto image = Image::create(32, 16);
    std::mt19937 random(3);
    // Each of 256 different colours once, in a shuffled order.
    std::vector<int> order(256);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random);
    for (std::size_t i = 0; i < 512; ++i) {
        const int colour = order[i % 256];
        image->pixels()[3 * i] = static_cast<std::uint8_t>(colour);
        image->pixels()[3 * i + 1] = static_cast<std::uint8_t>(255 - colour);
        image->pixels()[3 * i + 2] = static_cast<std::uint8_t>(colour * 7);
    }

    ASSERT_TRUE(SaveGifImage(dir.file("thumb.gif"), *image));

    const ImageHandle loaded = LoadGifImage(dir.file("thumb.gif"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(GetColorCount(*loaded), 256U);
    expectSamePixels(*image, *loaded);
}

TEST(SaveGifImage, ReducesAPhotoToAPaletteThatStaysClose) {
    test::TempDir dir;
    const ImageHandle image = gradient(96, 64);
    ASSERT_GT(GetColorCount(*image), 256U);

    ASSERT_TRUE(SaveGifImage(dir.file("thumb.gif"), *image));

    const ImageHandle loaded = LoadGifImage(dir.file("thumb.gif"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_LE(GetColorCount(*loaded), 256U);
    loaded->clearPalette();
    EXPECT_LE(GetColorCount(*loaded), 256U);
    double error = 0;
    int worst = 0;
    for (std::size_t i = 0; i < image->pixels().size(); ++i) {
        const int difference = std::abs(image->pixels()[i] - loaded->pixels()[i]);
        error += difference;
        worst = std::max(worst, difference);
    }
    EXPECT_LT(error / static_cast<double>(image->pixels().size()), 4.0);
    EXPECT_LE(worst, 24);
}

TEST(SaveGifImage, MakesPixelsWithLowAlphaTransparent) {
    test::TempDir dir;
    const ImageHandle image = randomImage(6, 5, 4);
    image->addAlpha();
    image->alpha()[0] = 0;
    image->alpha()[7] = 127;
    image->alpha()[8] = 128;

    ASSERT_TRUE(SaveGifImage(dir.file("t.gif"), *image));

    const ImageHandle loaded = LoadGifImage(dir.file("t.gif"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(alphaOf(*loaded, 0, 0), 0);
    EXPECT_EQ(alphaOf(*loaded, 1, 1), 0);
    EXPECT_EQ(alphaOf(*loaded, 2, 1), 255);
    EXPECT_EQ(pixelOf(*loaded, 2, 1), pixelOf(*image, 2, 1));
    EXPECT_EQ(pixelOf(*loaded, 5, 4), pixelOf(*image, 5, 4));
}

TEST(AFailedSave, LeavesNoFileBehind) {
    test::TempDir dir;
    const ImageHandle image = randomImage(4, 4, 5);

    EXPECT_FALSE(SavePngImage(dir.file("missing/thumb.png"), *image));
    EXPECT_FALSE(SaveJpegImage(dir.file("missing/thumb.jpg"), *image, 90));
    EXPECT_FALSE(SaveGifImage(dir.file("missing/thumb.gif"), *image));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "missing"));

    // Too wide for either format: encoding fails before the file is touched.
    const ImageHandle wide = Image::create(70000, 1);
    EXPECT_FALSE(SaveJpegImage(dir.file("wide.jpg"), *wide, 90));
    EXPECT_FALSE(SaveGifImage(dir.file("wide.gif"), *wide));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "wide.jpg"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "wide.gif"));
    dir.write("old.jpg", "previous thumbnail");
    EXPECT_FALSE(SaveJpegImage(dir.file("old.jpg"), *wide, 90));
    EXPECT_EQ(dir.read("old.jpg"), "previous thumbnail");
}

TEST(AFailedSave, RefusesFoldersAndFifosWithoutBlocking) {
    test::TempDir dir;
    const ImageHandle image = randomImage(4, 4, 6);
    std::filesystem::create_directory(dir.path() / "folder.png");
    const std::string fifo = dir.makeFifo("pipe.png");

    EXPECT_FALSE(SavePngImage(dir.file("folder.png"), *image));
    EXPECT_FALSE(SavePngImage(fifo, *image));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "folder.png"));
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

} // namespace
} // namespace vistrel
