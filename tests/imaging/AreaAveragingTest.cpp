// SPDX-License-Identifier: MIT
#include <random>

#include <gtest/gtest.h>

#include "FixtureEncoders.h"
#include "imaging/ImageLibrary.h"
#include "support/PeakMemory.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

using test::alphaOf;
using test::pixelOf;

// A width x height image whose pixels, row by row, are the given colours.
ImageHandle imageOf(int width, int height, const std::vector<Rgb>& colours) {
    auto image = Image::create(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = colours.at(static_cast<std::size_t>(y * width + x));
            const auto row = image->row(y);
            const auto i = static_cast<std::size_t>(x) * 3;
            row[i] = c.r;
            row[i + 1] = c.g;
            row[i + 2] = c.b;
        }
    }
    return image;
}

std::vector<Rgb> reds(std::initializer_list<int> levels) {
    std::vector<Rgb> colours;
    for (const int level : levels) {
        colours.push_back({static_cast<std::uint8_t>(level), 7, 0});
    }
    return colours;
}

// The image stretched onto a surface of exactly the target size.
Surface stretched(const Image& image, int width, int height) {
    Surface surface(width, height, {0, 0, 0});
    StretchImageToDC(surface, 0, 0, width, height, image, 0, 0, image.width(), image.height());
    return surface;
}

TEST(AreaAveraging, AveragesTwoByTwoPixelsIntoOne) {
    const ImageHandle image = imageOf(2, 2, reds({10, 20, 30, 40}));

    EXPECT_EQ(stretched(*image, 1, 1).pixel(0, 0), (Rgb{25, 7, 0}));
    ResizeImage(*image, 1, 1);
    EXPECT_EQ(pixelOf(*image, 0, 0), (Rgb{25, 7, 0}));
}

TEST(AreaAveraging, HalvesFourPixelsIntoTwoPairs) {
    const ImageHandle image = imageOf(4, 1, reds({0, 100, 200, 250}));

    const Surface surface = stretched(*image, 2, 1);

    EXPECT_EQ(surface.pixel(0, 0), (Rgb{50, 7, 0}));
    EXPECT_EQ(surface.pixel(1, 0), (Rgb{225, 7, 0}));
}

TEST(AreaAveraging, WeighsPartlyCoveredPixelsByTheirShare) {
    // Each target pixel covers one and a half source pixels: (0 + 90 / 2) / 1.5 = 30 and
    // (90 / 2 + 180) / 1.5 = 150.
    const ImageHandle image = imageOf(3, 1, reds({0, 90, 180}));

    ResizeImage(*image, 2, 1);

    ASSERT_EQ(image->width(), 2);
    EXPECT_EQ(pixelOf(*image, 0, 0), (Rgb{30, 7, 0}));
    EXPECT_EQ(pixelOf(*image, 1, 0), (Rgb{150, 7, 0}));
}

TEST(AreaAveraging, RepeatsPixelsWhenEnlargingByAWholeFactor) {
    const ImageHandle image = imageOf(2, 1, reds({0, 200}));

    const Surface surface = stretched(*image, 4, 2);

    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(surface.pixel(0, y), (Rgb{0, 7, 0}));
        EXPECT_EQ(surface.pixel(1, y), (Rgb{0, 7, 0}));
        EXPECT_EQ(surface.pixel(2, y), (Rgb{200, 7, 0}));
        EXPECT_EQ(surface.pixel(3, y), (Rgb{200, 7, 0}));
    }
}

TEST(AreaAveraging, KeepsAFlatImageFlatAndSizesExactOverASweep) {
    const Rgb flat{123, 45, 210};
    for (int width = 1; width <= 40; width += 3) {
        for (int height = 1; height <= 40; height += 7) {
            const ImageHandle image = imageOf(37, 23, std::vector<Rgb>(37 * 23, flat));
            ResizeImage(*image, width, height);
            ASSERT_EQ(image->width(), width);
            ASSERT_EQ(image->height(), height);
            for (std::size_t i = 0; i < image->pixels().size(); i += 3) {
                ASSERT_EQ((Rgb{image->pixels()[i], image->pixels()[i + 1], image->pixels()[i + 2]}),
                          flat)
                    << width << "x" << height;
            }
        }
    }
}

TEST(AreaAveraging, KeepsTheMeanOfAnImageWhateverTheScale) {
    std::mt19937 random(11);
    std::vector<Rgb> colours;
    for (int i = 0; i < 40 * 30; ++i) {
        colours.push_back({static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
                           static_cast<std::uint8_t>(random())});
    }
    const auto meanRed = [](const Image& image) {
        double sum = 0;
        for (std::size_t i = 0; i < image.pixels().size(); i += 3) {
            sum += image.pixels()[i];
        }
        return sum / (image.width() * image.height());
    };
    const ImageHandle source = imageOf(40, 30, colours);
    for (const auto& [width, height] :
         std::vector<std::pair<int, int>>{{7, 5}, {13, 11}, {40, 1}, {1, 30}}) {
        Image image = *source;
        ResizeImage(image, width, height);
        EXPECT_NEAR(meanRed(image), meanRed(*source), 0.5) << width << "x" << height;
    }
}

TEST(AreaAveraging, KeepsTransparentColoursFromBleedingIntoOpaqueOnes) {
    const ImageHandle image = imageOf(2, 1, {{255, 0, 0}, {0, 255, 0}});
    image->addAlpha();
    image->alpha()[1] = 0;
    image->setPalette({{255, 0, 0}, {0, 255, 0}});

    ResizeImage(*image, 1, 1);

    EXPECT_EQ(pixelOf(*image, 0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(alphaOf(*image, 0, 0), 128);
    EXPECT_TRUE(image->palette().empty());
    EXPECT_EQ(image->bitCount(), 32);
}

TEST(AreaAveraging, LeavesTheImageAloneForImpossibleSizes) {
    const ImageHandle image = imageOf(2, 1, reds({1, 2}));

    ResizeImage(*image, 0, 5);
    ResizeImage(*image, 5, -1);
    ResizeImage(*image, 20000, 20000);

    EXPECT_EQ(image->width(), 2);
    EXPECT_EQ(image->height(), 1);
}

TEST(StretchImageToDC, CompositesAlphaOverTheSurfaceFill) {
    const ImageHandle image = imageOf(2, 1, {{255, 0, 0}, {0, 255, 0}});
    image->addAlpha();
    image->alpha()[0] = 128;
    image->alpha()[1] = 0;
    Surface surface(2, 1, {0, 0, 255});

    StretchImageToDC(surface, 0, 0, 2, 1, *image, 0, 0, 2, 1);

    EXPECT_EQ(surface.pixel(0, 0), (Rgb{128, 0, 127}));
    EXPECT_EQ(surface.pixel(1, 0), (Rgb{0, 0, 255}));
}

TEST(StretchImageToDC, CompositesATransparentPngOverThePageColour) {
    test::TempDir dir;
    test::Raster raster(4, 4, {250, 250, 250});
    raster.alpha.assign(16, 0);
    raster.fillRect(0, 0, 2, 4, {10, 20, 30});
    for (int y = 0; y < 4; ++y) {
        raster.alpha[static_cast<std::size_t>(y * 4)] = 255;
        raster.alpha[static_cast<std::size_t>(y * 4 + 1)] = 255;
    }
    const ImageHandle image = LoadPngImage(dir.write("logo.png", test::encodePng(raster)));
    ASSERT_NE(image, nullptr);
    Surface page(2, 2, {200, 100, 50});

    StretchImageToDC(page, 0, 0, 2, 2, *image, 0, 0, 4, 4);

    EXPECT_EQ(page.pixel(0, 0), (Rgb{10, 20, 30}));
    EXPECT_EQ(page.pixel(0, 1), (Rgb{10, 20, 30}));
    EXPECT_EQ(page.pixel(1, 0), (Rgb{200, 100, 50}));
    EXPECT_EQ(page.pixel(1, 1), (Rgb{200, 100, 50}));
}

TEST(StretchImageToDC, DrawsOnlyTheVisiblePartOfItsTargetRectangle) {
    const ImageHandle image = imageOf(2, 2, reds({10, 20, 30, 40}));
    Surface surface(4, 4, {1, 1, 1});

    // Twice the size, half of it above and left of the surface.
    StretchImageToDC(surface, -2, -2, 4, 4, *image, 0, 0, 2, 2);

    EXPECT_EQ(surface.pixel(0, 0), (Rgb{40, 7, 0}));
    EXPECT_EQ(surface.pixel(1, 1), (Rgb{40, 7, 0}));
    EXPECT_EQ(surface.pixel(2, 0), (Rgb{1, 1, 1}));
    EXPECT_EQ(surface.pixel(0, 2), (Rgb{1, 1, 1}));
    EXPECT_EQ(surface.pixel(3, 3), (Rgb{1, 1, 1}));
}

TEST(StretchImageToDC, TakesOnlyTheSourceRectangle) {
    const ImageHandle image = imageOf(3, 1, reds({10, 20, 30}));
    Surface surface(2, 1, {1, 1, 1});

    StretchImageToDC(surface, 0, 0, 2, 1, *image, 1, 0, 2, 1);

    EXPECT_EQ(surface.pixel(0, 0), (Rgb{20, 7, 0}));
    EXPECT_EQ(surface.pixel(1, 0), (Rgb{30, 7, 0}));
}

TEST(StretchImageToDC, TreatsSourceOutsideTheImageAsTransparent) {
    const ImageHandle image = imageOf(1, 1, reds({100}));
    Surface surface(2, 1, {0, 0, 50});

    StretchImageToDC(surface, 0, 0, 2, 1, *image, 0, 0, 2, 1);

    EXPECT_EQ(surface.pixel(0, 0), (Rgb{100, 7, 0}));
    EXPECT_EQ(surface.pixel(1, 0), (Rgb{0, 0, 50}));
}

TEST(StretchImageToDC, DrawsNothingForEmptyRectanglesAndWorksOutOnlyTheVisiblePartOfHugeOnes) {
    const ImageHandle image = imageOf(2, 2, reds({10, 20, 30, 40}));
    Surface surface(3, 3, {1, 1, 1});

    StretchImageToDC(surface, 0, 0, 0, 3, *image, 0, 0, 2, 2);
    StretchImageToDC(surface, 0, 0, 3, 3, *image, 0, 0, 2, -2);
    StretchImageToDC(surface, 5, 5, 3, 3, *image, 0, 0, 2, 2);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(surface.pixel(x, y), (Rgb{1, 1, 1}));
        }
    }

    // A target of 2^22 x 2^22 seen through a 3 x 3 surface: weights and rows for every target
    // column would take hundreds of megabytes, those of the three visible ones next to nothing.
    const auto growth = test::peakMemoryGrowthKiB(
        [&] { StretchImageToDC(surface, 0, 0, 1 << 22, 1 << 22, *image, 0, 0, 2, 2); });
    ASSERT_TRUE(growth.has_value()) << "the memory this process uses cannot be measured here";
    EXPECT_LT(*growth, 16 * 1024);
    EXPECT_EQ(surface.pixel(2, 2), (Rgb{10, 7, 0}));
}

} // namespace
} // namespace vistrel
