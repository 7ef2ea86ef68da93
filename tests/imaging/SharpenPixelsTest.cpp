// SPDX-License-Identifier: MIT
#include "imaging/SharpenPixels.h"

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "imaging/Rgb.h"

namespace vistrel {
namespace {

// Pixels as the filter takes them: RGB rows, top row first, each row padded to stride bytes.
// The padding holds a marker byte, so a test can see that the filter never writes there.
class Pixels {
public:
    static constexpr std::uint8_t kPadding = 0xAB;

    Pixels(int width, int height, std::size_t stride, Rgb fill = {})
        : m_width(width), m_height(height), m_stride(stride),
          m_bytes(stride * static_cast<std::size_t>(height), kPadding) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                set(x, y, fill);
            }
        }
    }
    // Rows of 3 x width bytes rounded up to a multiple of 4, as a 24-bit bitmap keeps them.
    Pixels(int width, int height, Rgb fill = {})
        : Pixels(width, height, (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4, fill) {}

    void set(int x, int y, Rgb colour) {
        std::uint8_t* at = address(x, y);
        at[0] = colour.r;
        at[1] = colour.g;
        at[2] = colour.b;
    }
    void setGrey(int x, int y, std::uint8_t level) { set(x, y, {level, level, level}); }

    Rgb at(int x, int y) const {
        const std::uint8_t* byte = m_bytes.data() + offset(x, y);
        return {byte[0], byte[1], byte[2]};
    }

    void sharpen() { SharpenPixels({m_bytes.data(), m_width, m_height, m_stride}); }

    void randomise(unsigned seed) {
        std::mt19937 random(seed);
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                set(x, y,
                    {static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
                     static_cast<std::uint8_t>(random())});
            }
        }
    }

    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }
    int width() const { return m_width; }
    int height() const { return m_height; }

private:
    std::size_t offset(int x, int y) const {
        return static_cast<std::size_t>(y) * m_stride + static_cast<std::size_t>(x) * 3;
    }
    std::uint8_t* address(int x, int y) { return m_bytes.data() + offset(x, y); }

    int m_width;
    int m_height;
    std::size_t m_stride;
    std::vector<std::uint8_t> m_bytes;
};

// A 3 x 3 image whose centre has the given neighbours above, left, right and below; the
// corners, whose weight is 0, are white so that they would show if they were counted.
Pixels cross(std::uint8_t above, std::uint8_t left, std::uint8_t centre, std::uint8_t right,
             std::uint8_t below) {
    Pixels pixels(3, 3, {255, 255, 255});
    pixels.setGrey(1, 0, above);
    pixels.setGrey(0, 1, left);
    pixels.setGrey(1, 1, centre);
    pixels.setGrey(2, 1, right);
    pixels.setGrey(1, 2, below);
    return pixels;
}

// The centre grey level after sharpening a cross.
std::uint8_t sharpenedCentre(std::uint8_t above, std::uint8_t left, std::uint8_t centre,
                             std::uint8_t right, std::uint8_t below) {
    Pixels pixels = cross(above, left, centre, right, below);
    pixels.sharpen();
    const Rgb result = pixels.at(1, 1);
    EXPECT_EQ(result.r, result.g);
    EXPECT_EQ(result.r, result.b);
    return result.r;
}

void expectBordersKept(const Pixels& before, const Pixels& after) {
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (x == 0 || y == 0 || x == before.width() - 1 || y == before.height() - 1) {
                EXPECT_EQ(after.at(x, y), before.at(x, y)) << "at " << x << ", " << y;
            }
        }
    }
}

TEST(SharpenPixels, LeavesEveryFlatColourAsItIs) {
    // The weights sum to 1: 2.2 - 4 x 0.3 = 1.
    for (int level = 0; level <= 255; ++level) {
        const auto value = static_cast<std::uint8_t>(level);
        const Rgb colour{value, static_cast<std::uint8_t>(255 - level),
                         static_cast<std::uint8_t>(level * 7 % 256)};
        Pixels pixels(6, 5, colour);
        const std::vector<std::uint8_t> before = pixels.bytes();

        pixels.sharpen();

        EXPECT_EQ(pixels.bytes(), before) << "level " << level;
    }
}

TEST(SharpenPixels, LeavesImagesOfTwoPixelsOrLessInEitherDirectionUnchanged) {
    const int sizes[][2] = {{2, 2}, {1, 1}, {2, 7}, {7, 2}, {1, 9}, {9, 1}};
    for (const auto& size : sizes) {
        Pixels pixels(size[0], size[1]);
        pixels.randomise(static_cast<unsigned>(size[0] * 31 + size[1]));
        const std::vector<std::uint8_t> before = pixels.bytes();

        pixels.sharpen();

        EXPECT_EQ(pixels.bytes(), before) << size[0] << " x " << size[1];
    }
}

TEST(SharpenPixels, ComputesTheCentreOfAThreeByThreeImageExactly) {
    Pixels pixels(3, 3, {255, 255, 255});
    // Red: centre 100 with neighbours 50: 2.2 x 100 - 0.3 x 4 x 50 = 220 - 60 = 160.
    // Green: centre 200 with neighbours 0: 2.2 x 200 = 440, clamped to 255.
    // Blue: centre 10 with neighbours 200: 22 - 240 = -218, clamped to 0.
    pixels.set(1, 0, {50, 0, 200});
    pixels.set(0, 1, {50, 0, 200});
    pixels.set(1, 1, {100, 200, 10});
    pixels.set(2, 1, {50, 0, 200});
    pixels.set(1, 2, {50, 0, 200});
    const Pixels before = pixels;

    pixels.sharpen();

    EXPECT_EQ(pixels.at(1, 1), (Rgb{160, 255, 0}));
    expectBordersKept(before, pixels);
}

TEST(SharpenPixels, CountsOnlyTheFourDirectNeighbours) {
    // The corners are white in cross(); with black corners the result is the same, since their
    // weight is 0: 2.2 x 120 - 0.3 x (30 + 30 + 30 + 30) = 264 - 36 = 228.
    EXPECT_EQ(sharpenedCentre(30, 30, 120, 30, 30), 228);
    Pixels blackCorners = cross(30, 30, 120, 30, 30);
    for (const int corner : {0, 2}) {
        blackCorners.setGrey(corner, 0, 0);
        blackCorners.setGrey(corner, 2, 0);
    }
    blackCorners.sharpen();
    EXPECT_EQ(blackCorners.at(1, 1), (Rgb{228, 228, 228}));
}

TEST(SharpenPixels, ClampsToTheByteRange) {
    // 2.2 x 255 - 0 = 561, clamped to 255.
    EXPECT_EQ(sharpenedCentre(0, 0, 255, 0, 0), 255);
    // 2.2 x 0 - 0.3 x 4 x 255 = -306, clamped to 0.
    EXPECT_EQ(sharpenedCentre(255, 255, 0, 255, 255), 0);
    // 2.2 x 150 - 0.3 x (0 + 0 + 0 + 250) = 330 - 75 = 255, just at the top.
    EXPECT_EQ(sharpenedCentre(0, 0, 150, 0, 250), 255);
}

TEST(SharpenPixels, CutsTheSumTowardZero) {
    // 2.2 x 100 - 0.3 x (76 + 77 + 77 + 77) = 220 - 92.1 = 127.9, cut to 127 (not rounded).
    EXPECT_EQ(sharpenedCentre(76, 77, 100, 77, 77), 127);
    // 2.2 x 60 - 0.3 x (10 + 10 + 10 + 11) = 132 - 12.3 = 119.7, cut to 119.
    EXPECT_EQ(sharpenedCentre(10, 10, 60, 10, 11), 119);
}

TEST(SharpenPixels, SumsTheProductsInPictureOrderFromTheRowAbove) {
    // Both sums are whole numbers in exact arithmetic, but the double precision sum depends on
    // the order of the additions. Above 112, left and right and below 128, centre 94:
    // 206.8 - 0.3 x 496 = 58. Summed from the row above down it comes to 58.00000000000001,
    // cut to 58; summed from the row below up (the bottom-up memory order) it would come to
    // 57.99999999999999, cut to 57.
    EXPECT_EQ(sharpenedCentre(112, 128, 94, 128, 128), 58);
    // Above 5, the others 77, centre 139: 305.8 - 0.3 x 236 = 235. From the row above down the
    // sum is 234.99999999999997, cut to 234; from the row below up it would be
    // 235.00000000000003, cut to 235.
    EXPECT_EQ(sharpenedCentre(5, 77, 139, 77, 77), 234);
}

TEST(SharpenPixels, ReadsTheNeighboursAsTheyWereBeforeTheFilter) {
    // A grey 100 4 x 4 image with one brighter interior pixel (1, 1) of 150.
    Pixels pixels(4, 4, {100, 100, 100});
    pixels.setGrey(1, 1, 150);
    const Pixels before = pixels;

    pixels.sharpen();

    // (1, 1): 2.2 x 150 - 0.3 x 400 = 330 - 120 = 210.
    EXPECT_EQ(pixels.at(1, 1), (Rgb{210, 210, 210}));
    // (2, 1) and (1, 2) have the unfiltered 150 as a neighbour: 220 - 0.3 x 450 = 85. Reading
    // the already filtered 210 would give 220 - 0.3 x 510 = 67.
    EXPECT_EQ(pixels.at(2, 1), (Rgb{85, 85, 85}));
    EXPECT_EQ(pixels.at(1, 2), (Rgb{85, 85, 85}));
    // (2, 2) only has neighbours of 100: it stays 100 (filtered neighbours 85 would give 109).
    EXPECT_EQ(pixels.at(2, 2), (Rgb{100, 100, 100}));
    expectBordersKept(before, pixels);
}

TEST(SharpenPixels, KeepsTheBorderAndTheRowPaddingOfALargerImage) {
    // 5 pixels of 3 bytes make 15 bytes a row, padded to 16.
    Pixels pixels(5, 4);
    pixels.randomise(7);
    const Pixels before = pixels;

    pixels.sharpen();

    expectBordersKept(before, pixels);
    for (int y = 0; y < 4; ++y) {
        EXPECT_EQ(pixels.bytes()[static_cast<std::size_t>(y) * 16 + 15], Pixels::kPadding);
    }
}

TEST(SharpenPixels, FindsTheRowsByTheirStride) {
    // The cross of the exact 3 x 3 test placed in a 5 x 3 image with a wide stride: centre
    // (2, 1) of 100 with neighbours 50 gives 160 whatever the stride.
    for (const std::size_t stride : {std::size_t{15}, std::size_t{16}, std::size_t{40}}) {
        Pixels pixels(5, 3, stride, {50, 50, 50});
        pixels.setGrey(2, 1, 100);

        pixels.sharpen();

        // 2.2 x 100 - 0.3 x 200 = 160 at the centre; its neighbours (1, 1) and (3, 1) see
        // 2.2 x 50 - 0.3 x (50 + 50 + 100 + 50) = 110 - 75 = 35.
        EXPECT_EQ(pixels.at(2, 1), (Rgb{160, 160, 160})) << "stride " << stride;
        EXPECT_EQ(pixels.at(1, 1), (Rgb{35, 35, 35})) << "stride " << stride;
        EXPECT_EQ(pixels.at(3, 1), (Rgb{35, 35, 35})) << "stride " << stride;
        EXPECT_EQ(pixels.at(2, 0), (Rgb{50, 50, 50})) << "stride " << stride;
    }
}

TEST(SharpenPixels, TreatsTheThreeChannelsSeparately) {
    // Only red changes around a red dot; green and blue stay flat at 80 and 20.
    Pixels pixels(3, 3, {40, 80, 20});
    pixels.set(1, 1, {140, 80, 20});

    pixels.sharpen();

    // Red: 2.2 x 140 - 0.3 x 160 = 308 - 48 = 260, clamped to 255.
    EXPECT_EQ(pixels.at(1, 1), (Rgb{255, 80, 20}));
}

} // namespace
} // namespace vistrel
