// SPDX-License-Identifier: MIT
#include "imaging/ShrinkOnLoad.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FixtureEncoders.h"
#include "FixtureImages.h"
#include "imaging/ImageDecoder.h"
#include "imaging/ImageLibrary.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

using test::pixelOf;
using test::Raster;
using test::TempDir;

std::uint8_t level(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

// Smooth colour fields with fine grain, so that both the broad picture and the averaging of
// detail are compared.
Raster photoLike(int width, int height) {
    Raster raster(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double u = x / static_cast<double>(width);
            const double v = y / static_cast<double>(height);
            const std::uint32_t hash = (static_cast<std::uint32_t>(x) * 73856093U) ^
                                       (static_cast<std::uint32_t>(y) * 19349663U);
            const double grain = static_cast<double>((hash * 2654435761U) >> 27) - 16.0;
            const auto at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                             static_cast<std::size_t>(x)) *
                            3;
            raster.rgb[at] = level(128 + 90 * std::sin(6 * u + 2 * v) + grain);
            raster.rgb[at + 1] = level(128 + 80 * std::cos(5 * v - 3 * u) + grain);
            raster.rgb[at + 2] = level(128 + 70 * std::sin(9 * u * v + 1) + grain);
        }
    }
    return raster;
}

std::string photoGif(int width, int height) {
    test::GifFixture gif;
    gif.screenWidth = width;
    gif.screenHeight = height;
    for (int i = 0; i < 256; ++i) {
        gif.globalColours.push_back({static_cast<std::uint8_t>(i),
                                     static_cast<std::uint8_t>(255 - i),
                                     static_cast<std::uint8_t>((i * 7) & 0xFF)});
    }
    test::GifFrame frame;
    frame.width = width;
    frame.height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            frame.indices.push_back(static_cast<std::uint8_t>((x / 3 + y / 5) & 0xFF));
        }
    }
    gif.frames.push_back(frame);
    return test::encodeGif(gif);
}

ShrinkOnLoadTask pngThumbnails(std::int32_t box) {
    ShrinkOnLoadTask task;
    task.thumbnails = true;
    task.box = box;
    task.options.background = {255, 255, 255};
    return task;
}

// The thumbnail of a full-size decode drawn by area averaging: what a pre-shrunk one must match.
void writeFullDecodeThumbnail(const std::string& source, ImageFormat format,
                              const ShrinkOnLoadTask& task, const std::string& path) {
    auto full = decodeImageFile(source, format);
    ASSERT_TRUE(full.has_value());
    const ThumbnailSize size = thumbnailSize(full->header.width, full->header.height, task.box);
    ASSERT_TRUE(renderThumbnail(*full->image, full->header.width, full->header.height, size,
                                task.options, path));
}

// Same size; per channel a mean absolute difference of at most 1.5 and no pixel off by more
// than 12.
void expectClose(const Image& fast, const Image& reference) {
    ASSERT_EQ(fast.width(), reference.width());
    ASSERT_EQ(fast.height(), reference.height());
    double sums[3] = {0, 0, 0};
    int worst = 0;
    for (int y = 0; y < fast.height(); ++y) {
        const auto a = fast.row(y);
        const auto b = reference.row(y);
        for (std::size_t i = 0; i < a.size(); ++i) {
            const int difference = std::abs(int{a[i]} - int{b[i]});
            sums[i % 3] += difference;
            worst = std::max(worst, difference);
        }
    }
    const double pixels = static_cast<double>(fast.width()) * fast.height();
    for (const double sum : sums) {
        EXPECT_LE(sum / pixels, 1.5);
    }
    EXPECT_LE(worst, 12);
}

struct QualityCase {
    const char* name;
    std::string (*make)();
    ImageFormat format;
    std::vector<std::int32_t> boxes;
};

std::string jpeg420() {
    return test::encodeJpeg(photoLike(1600, 1200), {.quality = 90});
}
std::string jpeg444() {
    return test::encodeJpeg(photoLike(1600, 1200), {.quality = 90, .fullChroma = true});
}
std::string portraitJpeg() {
    return test::encodeJpeg(photoLike(1600, 1200), {.quality = 90, .exifOrientation = 6});
}
std::string greyJpeg() {
    return test::encodeJpeg(photoLike(1200, 1600),
                            {.quality = 90, .colour = test::JpegColour::Grey});
}
std::string twelveMegapixelJpeg() {
    return test::encodeJpeg(photoLike(4000, 3000), {.quality = 90});
}
std::string twentyFourMegapixelJpeg() {
    return test::encodeJpeg(photoLike(6000, 4000), {.quality = 90});
}
std::string truecolourPng() {
    return test::encodePng(photoLike(900, 600));
}
std::string paletteGif() {
    return photoGif(640, 480);
}

TEST(ShrinkOnLoad, MatchesTheThumbnailOfAFullSizeDecodeOverASweepOfSourcesAndBoxes) {
    const QualityCase cases[] = {
        {"jpeg 4:2:0", jpeg420, ImageFormat::Jpeg, {40, 100, 150, 400}},
        {"jpeg 4:4:4", jpeg444, ImageFormat::Jpeg, {40, 100, 150, 400}},
        {"portrait jpeg", portraitJpeg, ImageFormat::Jpeg, {40, 100, 400}},
        {"grey jpeg", greyJpeg, ImageFormat::Jpeg, {40, 100, 400}},
        {"12 MP jpeg", twelveMegapixelJpeg, ImageFormat::Jpeg, {100, 400}},
        {"24 MP jpeg", twentyFourMegapixelJpeg, ImageFormat::Jpeg, {40, 100}},
        {"png", truecolourPng, ImageFormat::Png, {40, 400}},
        {"gif", paletteGif, ImageFormat::Gif, {40, 400}},
    };
    const TempDir dir;
    for (const QualityCase& c : cases) {
        SCOPED_TRACE(c.name);
        const char* extension = c.format == ImageFormat::Jpeg  ? "jpg"
                                : c.format == ImageFormat::Png ? "png"
                                                               : "gif";
        const std::string source = dir.write(std::string("source.") + extension, c.make());
        for (const std::int32_t box : c.boxes) {
            SCOPED_TRACE(box);
            const ShrinkOnLoadTask task = pngThumbnails(box);
            const auto result = shrinkOnLoad(source, dir.file("fast.png"), task);
            const auto& header = result.header;
            EXPECT_TRUE(result.thumbnailWritten);
            ASSERT_NO_FATAL_FAILURE(
                writeFullDecodeThumbnail(source, c.format, task, dir.file("full.png")));

            const auto full = decodeImageFile(source, c.format, {true, 0, 0});
            ASSERT_TRUE(header.has_value());
            EXPECT_EQ(header, full->header);
            const ImageHandle fast = LoadPngImage(dir.file("fast.png"));
            const ImageHandle reference = LoadPngImage(dir.file("full.png"));
            ASSERT_NE(fast, nullptr);
            ASSERT_NE(reference, nullptr);
            expectClose(*fast, *reference);
        }
    }
}

TEST(ShrinkOnLoad, DecodesAJpegNoLargerThanTheScaleThatKeepsTwiceTheThumbnail) {
    const TempDir dir;
    const std::string source = dir.write("wide.jpg", test::encodeJpeg(photoLike(1600, 1200)));

    const auto eighth = decodeForThumbnail(source, {100, 75});
    const auto threeEighths = decodeForThumbnail(source, {300, 225});

    ASSERT_TRUE(eighth.has_value());
    EXPECT_EQ(eighth->image->width(), 200);
    EXPECT_EQ(eighth->image->height(), 150);
    EXPECT_EQ(eighth->header, (ImageHeader{1600, 1200, 24}));
    ASSERT_TRUE(threeEighths.has_value());
    EXPECT_EQ(threeEighths->image->width(), 600) << "3/8, the least scale that keeps 600 x 450";
}

TEST(ShrinkOnLoad, ReadsOnlyTheHeaderWithoutThumbnails) {
    const TempDir dir;
    const std::string source = dir.write("p.png", test::encodePng(Raster(30, 20, {1, 2, 3})));

    const auto result = shrinkOnLoad(source, dir.file("p_thumb.png"), ShrinkOnLoadTask{});
    const auto& header = result.header;

    ASSERT_TRUE(header.has_value());
    EXPECT_FALSE(result.thumbnailWritten);
    EXPECT_EQ(header->width, 30);
    EXPECT_EQ(header->height, 20);
    EXPECT_FALSE(std::filesystem::exists(dir.file("p_thumb.png")));
}

TEST(ShrinkOnLoad, SaysWhyAThumbnailCouldNotBeWrittenAndSkipsAnEmptyOne) {
    const TempDir dir;
    const std::string square = dir.write("sq.png", test::encodePng(Raster(8, 8, {1, 2, 3})));

    const auto empty = shrinkOnLoad(square, dir.file("w.png"), pngThumbnails(0));
    EXPECT_TRUE(empty.header.has_value());
    EXPECT_FALSE(empty.thumbnailWritten) << "a box of 0 gives a thumbnail of 0 x 0: no file";
    EXPECT_EQ(empty.thumbnailError, 0);

    const auto blocked = shrinkOnLoad(square, dir.file("missing/t.png"), pngThumbnails(100));
    EXPECT_TRUE(blocked.header.has_value());
    EXPECT_FALSE(blocked.thumbnailWritten);
    EXPECT_EQ(blocked.thumbnailError, ENOENT);
}

TEST(ShrinkOnLoad, GivesNothingAndWritesNoThumbnailForAFileThatDoesNotDecode) {
    const TempDir dir;
    const std::string jpeg = test::encodeJpeg(photoLike(64, 48));
    const std::string sources[] = {
        dir.write("garbage.jpg", "not a picture"),
        dir.write("cut.jpg", jpeg.substr(0, 40)),
        dir.write("notes.txt", jpeg),
        dir.file("missing.png"),
    };
    for (const std::string& source : sources) {
        SCOPED_TRACE(source);
        EXPECT_FALSE(shrinkOnLoad(source, dir.file("t.png"), pngThumbnails(40)).header);
        EXPECT_FALSE(std::filesystem::exists(dir.file("t.png")));
    }
}

TEST(RenderThumbnail, DrawsAPreShrunkSourceWhole) {
    const TempDir dir;
    constexpr Rgb kRed{255, 0, 0};
    constexpr Rgb kGreen{0, 255, 0};
    constexpr Rgb kBlue{0, 0, 255};
    constexpr Rgb kYellow{255, 255, 0};
    // A decode at half scale of a 64 x 48 file.
    auto shrunk = decodeImageBytes(
        test::asBytes(test::encodePng(test::quarters(32, 24, kRed, kGreen, kBlue, kYellow))),
        ImageFormat::Png);
    ASSERT_TRUE(shrunk.has_value());
    ThumbnailOptions options;
    options.background = {255, 255, 255};

    ASSERT_TRUE(renderThumbnail(*shrunk->image, 64, 48, {16, 12}, options, dir.file("t.png")));

    const ImageHandle written = LoadPngImage(dir.file("t.png"));
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(pixelOf(*written, 0, 0), kRed);
    EXPECT_EQ(pixelOf(*written, 15, 0), kGreen);
    EXPECT_EQ(pixelOf(*written, 0, 11), kBlue);
    EXPECT_EQ(pixelOf(*written, 15, 11), kYellow);
}

} // namespace
} // namespace vistrel
