// SPDX-License-Identifier: MIT
#include <set>

#include <gtest/gtest.h>

#include "imaging/ColorQuantizer.h"
#include "imaging/ImageLibrary.h"

namespace vistrel {
namespace {

std::vector<std::uint8_t> rgbOf(const std::vector<Rgb>& colours) {
    std::vector<std::uint8_t> bytes;
    for (const Rgb& c : colours) {
        bytes.insert(bytes.end(), {c.r, c.g, c.b});
    }
    return bytes;
}

TEST(GetColorCount, GivesThePaletteSizeOfAPaletteImageUsedOrNot) {
    const ImageHandle image = Image::create(2, 2);
    image->setPalette(std::vector<Rgb>(16));

    EXPECT_EQ(GetColorCount(*image), 16U);
}

TEST(GetColorCount, CountsTheDistinctColoursOfATrueColourImage) {
    // 1000 distinct colours, each on three pixels, spread over all three channels.
    const ImageHandle image = Image::create(100, 30);
    for (std::size_t pixel = 0; pixel < 3000; ++pixel) {
        const std::size_t colour = (pixel % 1000) * 16411; // a stride that crosses channels
        image->pixels()[3 * pixel] = static_cast<std::uint8_t>(colour >> 16);
        image->pixels()[3 * pixel + 1] = static_cast<std::uint8_t>(colour >> 8);
        image->pixels()[3 * pixel + 2] = static_cast<std::uint8_t>(colour);
    }
    image->addAlpha();
    image->alpha()[5] = 0; // alpha makes no colour of its own

    EXPECT_EQ(GetColorCount(*image), 1000U);
    EXPECT_EQ(GetColorCount(*Image::create(7, 7)), 1U);
}

TEST(AColorQuantizer, KeepsFewColoursExactlyInAscendingOrder) {
    const std::vector<Rgb> colours = {{9, 0, 0}, {0, 0, 1}, {9, 0, 0}, {0, 5, 0}, {0, 0, 1}};

    const auto indexed = detail::quantizeColors(rgbOf(colours), {}, 3);

    EXPECT_EQ(indexed.palette, (std::vector<Rgb>{{0, 0, 1}, {0, 5, 0}, {9, 0, 0}}));
    EXPECT_EQ(indexed.indices, (std::vector<std::uint8_t>{2, 0, 2, 1, 0}));
}

TEST(AColorQuantizer, NeverExceedsTheColourBudgetAndMapsToTheNearestEntry) {
    std::vector<Rgb> colours;
    for (int i = 0; i < 4096; ++i) {
        colours.push_back({static_cast<std::uint8_t>((i % 16) * 17),
                           static_cast<std::uint8_t>((i / 16 % 16) * 17),
                           static_cast<std::uint8_t>((i / 256) * 17)});
    }
    for (const int budget : {1, 2, 16, 200, 256}) {
        const auto indexed = detail::quantizeColors(rgbOf(colours), {}, budget);

        ASSERT_LE(indexed.palette.size(), static_cast<std::size_t>(budget));
        ASSERT_EQ(indexed.indices.size(), colours.size());
        for (std::size_t i = 0; i < colours.size(); i += 97) {
            const auto distance = [&](const Rgb& entry) {
                const int dr = entry.r - colours[i].r;
                const int dg = entry.g - colours[i].g;
                const int db = entry.b - colours[i].b;
                return dr * dr + dg * dg + db * db;
            };
            const Rgb chosen = indexed.palette.at(indexed.indices[i]);
            for (const Rgb& entry : indexed.palette) {
                EXPECT_LE(distance(chosen), distance(entry));
            }
        }
    }
}

TEST(AColorQuantizer, UsesTheWholeBudgetOnAManyColouredImage) {
    std::vector<Rgb> colours;
    for (int i = 0; i < 4096; ++i) {
        colours.push_back(
            {static_cast<std::uint8_t>(i % 64 * 4), static_cast<std::uint8_t>(i / 64 * 4), 128});
    }

    const auto indexed = detail::quantizeColors(rgbOf(colours), {}, 256);

    EXPECT_EQ(std::set<std::uint8_t>(indexed.indices.begin(), indexed.indices.end()).size(), 256U);
}

TEST(AColorQuantizer, LeavesTransparentPixelsOutOfThePalette) {
    const std::vector<Rgb> colours = {{1, 1, 1}, {200, 0, 0}, {2, 2, 2}};
    const std::vector<std::uint8_t> alpha = {255, 10, 128};

    const auto indexed = detail::quantizeColors(rgbOf(colours), alpha, 255);

    EXPECT_EQ(indexed.palette, (std::vector<Rgb>{{1, 1, 1}, {2, 2, 2}}));
    EXPECT_EQ(indexed.indices, (std::vector<std::uint8_t>{0, 2, 1}));
}

} // namespace
} // namespace vistrel
