// SPDX-License-Identifier: MIT
#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <random>

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "FixtureEncoders.h"
#include "imaging/ImageDecoder.h"
#include "imaging/ImageLibrary.h"
#include "support/PeakMemory.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

using test::asBytes;
using test::bigEndian32;
using test::pngChunk;

constexpr std::int64_t kLittleMemoryKiB = 64 * 1024;
constexpr std::uint32_t kHugeSide = 20000;

test::Raster noise(int width, int height) {
    std::mt19937 random(7);
    test::Raster raster(width, height);
    for (auto& byte : raster.rgb) {
        byte = static_cast<std::uint8_t>(random());
    }
    return raster;
}

std::vector<std::pair<ImageFormat, std::string>> validFiles() {
    const test::Raster raster = noise(24, 20);
    test::JpegOptions progressive;
    progressive.progressive = true;
    progressive.exifOrientation = 6;
    test::GifFrame frame;
    frame.width = 24;
    frame.height = 20;
    frame.interlaced = true;
    frame.transparentIndex = 1;
    for (std::size_t i = 0; i < 24 * 20; ++i) {
        frame.indices.push_back(static_cast<std::uint8_t>(raster.rgb[i] % 4));
    }
    return {{ImageFormat::Jpeg, test::encodeJpeg(raster)},
            {ImageFormat::Jpeg, test::encodeJpeg(raster, progressive)},
            {ImageFormat::Png, test::encodePng(raster)},
            {ImageFormat::Png, test::encodePng(raster, true)},
            {ImageFormat::Gif,
             test::encodeGif({24, 20, {{0, 0, 0}, {9, 9, 9}, {1, 2, 3}, {4, 5, 6}}, {frame}})}};
}

// Decodes bytes as format in every way a caller can ask: whatever the result, it must be
// consistent, and a sanitizer build catches any read outside the bytes.
void decodeEveryWay(const std::vector<std::uint8_t>& bytes, ImageFormat format) {
    for (const DecodeRequest& request :
         {DecodeRequest{}, DecodeRequest{true, 0, 0}, DecodeRequest{false, 5, 5}}) {
        const auto decoded = decodeImageBytes(bytes, format, request);
        if (decoded && !request.headerOnly) {
            ASSERT_NE(CheckImage(decoded->image.get()), 0);
        }
    }
}

TEST(ADecoder, SurvivesEveryFileCutAtEveryLength) {
    for (const auto& [format, file] : validFiles()) {
        for (std::size_t length = 0; length < file.size(); ++length) {
            // A copy of exactly that length, so a read past it is caught by the sanitizer.
            const std::vector<std::uint8_t> bytes(
                file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
            decodeEveryWay(bytes, format);
        }
    }
}

TEST(ADecoder, SurvivesBytesFlippedAnywhere) {
    std::mt19937 random(2024);
    for (const auto& [format, file] : validFiles()) {
        for (int round = 0; round < 300; ++round) {
            std::vector<std::uint8_t> bytes(file.begin(), file.end());
            const int flips = 1 + static_cast<int>(random() % 4);
            for (int i = 0; i < flips; ++i) {
                bytes[random() % bytes.size()] ^= static_cast<std::uint8_t>(1 + random() % 255);
            }
            decodeEveryWay(bytes, format);
        }
    }
}

// Runs decode, which must refuse the file, and fails the test when it used more than a little
// memory: a decoder that allocated and filled the 400-million-pixel image the file announces
// would use more than a gigabyte.
void expectRefusedWithLittleMemory(const std::function<std::optional<DecodedImage>()>& decode) {
    bool refused = false;
    const auto growth = test::peakMemoryGrowthKiB([&] { refused = !decode().has_value(); });
    ASSERT_TRUE(growth.has_value()) << "the memory this process uses cannot be measured here";
    EXPECT_TRUE(refused);
    EXPECT_LT(*growth, kLittleMemoryKiB);
}

std::string pngAnnouncing(std::uint32_t width, std::uint32_t height) {
    const std::string header =
        bigEndian32(width) + bigEndian32(height) + std::string("\x08\x02\0\0\0", 5);
    return std::string("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", "") +
           pngChunk("IEND", "");
}

TEST(ADecoder, RefusesAPngAnnouncingMoreThanTheLimitBeforeDecoding) {
    const std::string huge = pngAnnouncing(kHugeSide, kHugeSide);
    expectRefusedWithLittleMemory(
        [&] { return decodeImageBytes(asBytes(huge), ImageFormat::Png); });
    expectRefusedWithLittleMemory([&] {
        return decodeImageBytes(asBytes(huge), ImageFormat::Png, {true, 0, 0});
    });

    // Exactly at the limit the header is still given; one row more is refused.
    const std::string atLimit = pngAnnouncing(16384, 16384);
    const auto header = decodeImageBytes(asBytes(atLimit), ImageFormat::Png, {true, 0, 0});
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->header, (ImageHeader{16384, 16384, 24}));
    const std::string overLimit = pngAnnouncing(16384, 16385);
    EXPECT_FALSE(decodeImageBytes(asBytes(overLimit), ImageFormat::Png, {true, 0, 0}).has_value());
}

TEST(ADecoder, RefusesAJpegAnnouncingMoreThanTheLimitBeforeDecoding) {
    std::string jpeg = test::encodeJpeg(noise(16, 16));
    const std::size_t frame = jpeg.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    // The frame header: marker, length (2), precision (1), height (2), width (2).
    jpeg[frame + 5] = static_cast<char>(kHugeSide >> 8);
    jpeg[frame + 6] = static_cast<char>(kHugeSide & 0xFF);
    jpeg[frame + 7] = static_cast<char>(kHugeSide >> 8);
    jpeg[frame + 8] = static_cast<char>(kHugeSide & 0xFF);

    expectRefusedWithLittleMemory(
        [&] { return decodeImageBytes(asBytes(jpeg), ImageFormat::Jpeg); });
    expectRefusedWithLittleMemory([&] {
        return decodeImageBytes(asBytes(jpeg), ImageFormat::Jpeg, {true, 0, 0});
    });
}

TEST(ADecoder, RefusesAGifScreenOrFrameAnnouncingMoreThanTheLimit) {
    test::GifFrame frame;
    frame.width = 2;
    frame.height = 2;
    frame.indices = {0, 1, 1, 0};
    std::string screen = test::encodeGif({2, 2, {{0, 0, 0}, {255, 255, 255}}, {frame}});
    std::string frameDescriptor = screen;
    // Logical screen width and height, little-endian, right after "GIF89a".
    for (const std::size_t at : {std::size_t{6}, std::size_t{8}}) {
        screen[at] = static_cast<char>(kHugeSide & 0xFF);
        screen[at + 1] = static_cast<char>(kHugeSide >> 8);
    }
    // The image descriptor: ',' then left, top, width, height.
    const std::size_t descriptor = frameDescriptor.find(',');
    ASSERT_NE(descriptor, std::string::npos);
    for (const std::size_t at : {descriptor + 5, descriptor + 7}) {
        frameDescriptor[at] = static_cast<char>(kHugeSide & 0xFF);
        frameDescriptor[at + 1] = static_cast<char>(kHugeSide >> 8);
    }

    for (const std::string& gif : {screen, frameDescriptor}) {
        expectRefusedWithLittleMemory(
            [&] { return decodeImageBytes(asBytes(gif), ImageFormat::Gif); });
        expectRefusedWithLittleMemory([&] {
            return decodeImageBytes(asBytes(gif), ImageFormat::Gif, {true, 0, 0});
        });
    }
}

TEST(ADecoder, GivesNoImageForAFifoNamedLikeAnImageWithoutBlocking) {
    test::TempDir dir;
    const std::string fifo = dir.makeFifo("waiting.jpg");

    auto loading = std::async(std::launch::async, [&] {
        return LoadJpegImage(fifo) == nullptr && LoadPngImage(fifo) == nullptr &&
               LoadGifImage(fifo) == nullptr &&
               !decodeImageFile(fifo, ImageFormat::Jpeg, {true, 0, 0}).has_value();
    });

    const bool finished = loading.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    if (!finished) {
        // Let the blocked open return so that the test can end.
        const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) {
            ::close(writer);
        }
    }
    EXPECT_TRUE(finished) << "a loader blocked on a FIFO";
    EXPECT_TRUE(loading.get());
}

TEST(ADecoder, GivesNoImageForFoldersAndMissingFiles) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.path() / "album.png");

    EXPECT_EQ(LoadPngImage(dir.file("album.png")), nullptr);
    EXPECT_EQ(LoadJpegImage(dir.file("album.png")), nullptr);
    EXPECT_EQ(LoadGifImage(dir.file("album.png")), nullptr);
    EXPECT_EQ(LoadPngImage(dir.file("missing.png")), nullptr);
    EXPECT_EQ(LoadJpegImage(""), nullptr);
}

TEST(ADecoder, ReadsPathsWithJapaneseNamesAsTheyAre) {
    test::TempDir dir;
    const auto path = dir.write("夏の写真.png", test::encodePng(noise(3, 2)));

    const ImageHandle image = LoadPngImage(path);

    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width(), 3);
}

} // namespace
} // namespace vistrel
