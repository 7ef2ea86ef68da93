// SPDX-License-Identifier: MIT
#include "imaging/ThumbnailRenderer.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FixtureEncoders.h"
#include "FixtureImages.h"
#include "app/Settings.h"
#include "app/SettingsTable.h"
#include "catalogue/OutputImageFolder.h"
#include "imaging/ImageLibrary.h"
#include "names/NameCase.h"
#include "names/ThumbnailNamer.h"
#include "output/ImageTask.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

namespace fs = std::filesystem;
using test::near;
using test::pixelOf;
using test::Raster;
using test::TempDir;

constexpr Rgb kRose{200, 40, 90};

// The first bytes of each file format.
constexpr std::string_view kPngSignature = "\x89PNG";
constexpr std::string_view kJpegSignature = "\xFF\xD8\xFF";
constexpr std::string_view kGifSignature = "GIF8";

// The whole production of one thumbnail from its source file, as the image pass makes it:
// decode for the size, render, write. False when the source did not decode or nothing was
// written.
bool produceThumbnailFile(const std::string& sourcePath, ThumbnailSize size,
                          const ThumbnailOptions& options, const std::string& thumbPath) {
    auto decoded = decodeForThumbnail(sourcePath, size);
    return decoded && renderThumbnail(*decoded->image, decoded->header.width,
                                      decoded->header.height, size, options, thumbPath);
}

ThumbnailOptions optionsOfType(std::int32_t thumbType) {
    ThumbnailOptions options;
    options.thumbType = thumbType;
    options.background = {255, 255, 255};
    return options;
}

ImageHandle loadThumbnail(const std::string& path, std::int32_t thumbType) {
    switch (thumbType) {
    case 0:
        return LoadPngImage(path);
    case 1:
        return LoadJpegImage(path);
    default:
        return LoadGifImage(path);
    }
}

bool startsWith(const std::string& bytes, std::string_view signature) {
    return bytes.compare(0, signature.size(), signature) == 0;
}

// Every pixel of image within tolerance of colour.
void expectFlat(const Image& image, Rgb colour, int tolerance) {
    int wrong = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!near(pixelOf(image, x, y), colour, tolerance) && ++wrong <= 3) {
                const Rgb found = pixelOf(image, x, y);
                ADD_FAILURE() << "pixel " << x << ", " << y << " is " << int{found.r} << ", "
                              << int{found.g} << ", " << int{found.b};
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

std::size_t byteAt(const std::string& bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

// The luminance quantisation table of a baseline JPEG (in the order the file stores it), or
// nothing when the file holds none before its first scan.
std::vector<std::size_t> luminanceTable(const std::string& jpeg) {
    constexpr std::size_t kTableBytes = 65; // precision and id, then 64 entries
    std::size_t at = 2;
    while (at + 4 <= jpeg.size() && byteAt(jpeg, at) == 0xFF && byteAt(jpeg, at + 1) != 0xDA) {
        const std::size_t end = at + 2 + (byteAt(jpeg, at + 2) << 8 | byteAt(jpeg, at + 3));
        if (byteAt(jpeg, at + 1) == 0xDB) {
            for (std::size_t table = at + 4; table + kTableBytes <= end && end <= jpeg.size();
                 table += kTableBytes) {
                if ((byteAt(jpeg, table) & 0x0F) == 0) {
                    std::vector<std::size_t> entries;
                    for (std::size_t i = 1; i < kTableBytes; ++i) {
                        entries.push_back(byteAt(jpeg, table + i));
                    }
                    return entries;
                }
            }
        }
        at = end;
    }
    return {};
}

struct TypeCase {
    std::int32_t thumbType;
    std::string_view signature;
    int tolerance;
};

TEST(ProduceThumbnailFile, WritesEachThumbnailTypeAtTheExactSizeInTheSourceColour) {
    TempDir dir;
    const std::string source = dir.write("rose.png", test::encodePng(Raster(64, 48, kRose)));
    // PNG and GIF keep a single colour exactly; JPEG comes close. Any type but 0 and 1 is GIF.
    const TypeCase cases[] = {{0, kPngSignature, 0},
                              {1, kJpegSignature, 3},
                              {2, kGifSignature, 0},
                              {7, kGifSignature, 0}};
    for (const TypeCase& type : cases) {
        SCOPED_TRACE(::testing::Message() << "ThumbType " << type.thumbType);
        const std::string thumb = dir.file("rose_thumb" + std::to_string(type.thumbType));

        ASSERT_TRUE(produceThumbnailFile(source, {40, 30}, optionsOfType(type.thumbType), thumb));

        EXPECT_TRUE(startsWith(test::readBytes(thumb), type.signature));
        const ImageHandle written = loadThumbnail(thumb, type.thumbType);
        ASSERT_NE(written, nullptr);
        EXPECT_EQ(written->width(), 40);
        EXPECT_EQ(written->height(), 30);
        expectFlat(*written, kRose, type.tolerance);
    }
}

struct NamedType {
    std::int32_t thumbType;
    std::int32_t imageCase;
    std::string_view expectedName;
    std::string_view signature;
};

TEST(ProduceThumbnailFile, WritesUnderTheThumbnailNameWhoseExtensionMatchesTheContent) {
    TempDir dir;
    const std::string source = dir.write("Photo.png", test::encodePng(Raster(64, 48, kRose)));
    Settings settings = makeDefaultSettings("/opt/vistrel/");
    settings.HTMLPath = dir.path().string() + "/";
    settings.SubFolder = "image";
    settings.AddString = "_thumb";
    fs::create_directories(dir.path() / "image");
    // ImageCase 0 upper-cases the name, the suffix and the extension; 1 lower-cases them; 2
    // keeps the name and lower-cases suffix and extension.
    const NamedType cases[] = {
        {0, 0, "PHOTO_THUMB.PNG", kPngSignature},  {1, 0, "PHOTO_THUMB.JPG", kJpegSignature},
        {2, 0, "PHOTO_THUMB.GIF", kGifSignature},  {0, 1, "photo_thumb.png", kPngSignature},
        {1, 1, "photo_thumb.jpg", kJpegSignature}, {2, 2, "Photo_thumb.gif", kGifSignature}};
    for (const NamedType& type : cases) {
        SCOPED_TRACE(type.expectedName);
        settings.ThumbType = type.thumbType;
        settings.ImageCase = type.imageCase;
        ThumbnailNamer namer(outputImageFolder(settings), settings.ImageCase);
        const ThumbnailName name =
            namer.MakeThumbnailName(0, applyImageCase("Photo.png", settings.ImageCase),
                                    2 * settings.ThumbType, settings.AddString);

        ASSERT_TRUE(
            produceThumbnailFile(source, {40, 30}, thumbnailOptionsOf(settings), name.path));

        EXPECT_EQ(name.fileName, type.expectedName);
        const fs::path written = dir.path() / "image" / type.expectedName;
        EXPECT_TRUE(startsWith(test::readBytes(written), type.signature));
        const ImageHandle image = loadThumbnail(written.string(), type.thumbType);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->width(), 40);
        EXPECT_EQ(image->height(), 30);
        fs::remove(written);
    }
}

TEST(ProduceThumbnailFile, DecodesJpegPngAndGifSourcesByTheirNames) {
    TempDir dir;
    const Raster flat(32, 32, kRose);
    test::GifFixture gif{32, 32, {kRose, {0, 0, 0}}, {}};
    gif.frames.push_back({0, 0, 32, 32, false, std::vector<std::uint8_t>(32 * 32, 0), {}, -1});
    const std::string sources[] = {
        dir.write("a.JPG", test::encodeJpeg(flat)), dir.write("b.jpeg", test::encodeJpeg(flat)),
        dir.write("c.png", test::encodePng(flat)), dir.write("d.Gif", test::encodeGif(gif))};
    for (const std::string& source : sources) {
        SCOPED_TRACE(source);
        const std::string thumb = source + ".thumb.png";

        ASSERT_TRUE(produceThumbnailFile(source, {16, 12}, optionsOfType(0), thumb));

        const ImageHandle written = LoadPngImage(thumb);
        ASSERT_NE(written, nullptr);
        EXPECT_EQ(written->width(), 16);
        EXPECT_EQ(written->height(), 12);
        expectFlat(*written, kRose, 3);
    }
}

TEST(ProduceThumbnailFile, WritesJpegThumbnailsAtQualityNinety) {
    TempDir dir;
    const std::string source = dir.write("rose.png", test::encodePng(Raster(64, 48, kRose)));
    const std::string thumb = dir.file("rose_thumb.jpg");

    ASSERT_TRUE(produceThumbnailFile(source, {40, 30}, optionsOfType(1), thumb));

    // Quality q scales the standard luminance table by s = 200 - 2q percent, each entry
    // (entry x s + 50) / 100. Its first entry 16 becomes 3 for s from 16 to 21, its last entry
    // 99 becomes 20 only for s = 20: (99 x 20 + 50) / 100 = 20.3, so together they mean q = 90.
    const std::vector<std::size_t> table = luminanceTable(test::readBytes(thumb));
    ASSERT_EQ(table.size(), 64U);
    EXPECT_EQ(table.front(), 3U);
    EXPECT_EQ(table.back(), 20U);
}

TEST(ProduceThumbnailFile, ScalesTheWholeSourceOntoTheWholeThumbnail) {
    TempDir dir;
    constexpr Rgb kRed{255, 0, 0};
    constexpr Rgb kGreen{0, 255, 0};
    constexpr Rgb kBlue{0, 0, 255};
    constexpr Rgb kYellow{255, 255, 0};
    const std::string source =
        dir.write("q.png", test::encodePng(test::quarters(200, 100, kRed, kGreen, kBlue, kYellow)));
    const std::string thumb = dir.file("q_thumb.png");

    ASSERT_TRUE(produceThumbnailFile(source, {20, 10}, optionsOfType(0), thumb));

    // Each quarter of the source maps onto a 10 x 5 quarter of the thumbnail: no border, no
    // cropping.
    const ImageHandle written = LoadPngImage(thumb);
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(pixelOf(*written, 0, 0), kRed);
    EXPECT_EQ(pixelOf(*written, 9, 4), kRed);
    EXPECT_EQ(pixelOf(*written, 10, 0), kGreen);
    EXPECT_EQ(pixelOf(*written, 19, 4), kGreen);
    EXPECT_EQ(pixelOf(*written, 0, 5), kBlue);
    EXPECT_EQ(pixelOf(*written, 9, 9), kBlue);
    EXPECT_EQ(pixelOf(*written, 10, 5), kYellow);
    EXPECT_EQ(pixelOf(*written, 19, 9), kYellow);
}

TEST(ProduceThumbnailFile, DrawsTransparentSourcePixelsOverTheBackgroundColour) {
    TempDir dir;
    Raster clear(20, 20, {255, 0, 0});
    clear.alpha.assign(400, 0);
    Raster half(20, 20, {255, 0, 0});
    half.alpha.assign(400, 128);
    const std::string clearSource = dir.write("clear.png", test::encodePng(clear));
    const std::string halfSource = dir.write("half.png", test::encodePng(half));
    ThumbnailOptions options = optionsOfType(0);
    options.background = {0, 0, 255};

    ASSERT_TRUE(produceThumbnailFile(clearSource, {10, 10}, options, dir.file("clear_t.png")));
    ASSERT_TRUE(produceThumbnailFile(halfSource, {10, 10}, options, dir.file("half_t.png")));

    const ImageHandle clearThumb = LoadPngImage(dir.file("clear_t.png"));
    const ImageHandle halfThumb = LoadPngImage(dir.file("half_t.png"));
    ASSERT_NE(clearThumb, nullptr);
    ASSERT_NE(halfThumb, nullptr);
    // A thumbnail has no transparency: a fully transparent source shows the background.
    EXPECT_FALSE(clearThumb->hasAlpha());
    expectFlat(*clearThumb, {0, 0, 255}, 0);
    // Red at 128 / 255 over blue: red 255 x 128 / 255 = 128, blue 255 x 127 / 255 = 127.
    expectFlat(*halfThumb, {128, 0, 127}, 1);
}

TEST(ProduceThumbnailFile, SharpensTheThumbnailOnlyWhenAsked) {
    TempDir dir;
    // Grey 60 on the left half, 190 on the right; halving keeps the edge between columns 9
    // and 10 of the thumbnail.
    Raster edge(40, 40, {60, 60, 60});
    edge.fillRect(20, 0, 20, 40, {190, 190, 190});
    const std::string source = dir.write("edge.png", test::encodePng(edge));
    ThumbnailOptions sharp = optionsOfType(0);
    sharp.unsharp = true;

    ASSERT_TRUE(produceThumbnailFile(source, {20, 20}, optionsOfType(0), dir.file("soft.png")));
    ASSERT_TRUE(produceThumbnailFile(source, {20, 20}, sharp, dir.file("sharp.png")));

    const ImageHandle soft = LoadPngImage(dir.file("soft.png"));
    const ImageHandle sharpened = LoadPngImage(dir.file("sharp.png"));
    ASSERT_NE(soft, nullptr);
    ASSERT_NE(sharpened, nullptr);
    EXPECT_EQ(pixelOf(*soft, 9, 10), (Rgb{60, 60, 60}));
    EXPECT_EQ(pixelOf(*soft, 10, 10), (Rgb{190, 190, 190}));
    // Column 9: 2.2 x 60 - 0.3 x (60 + 60 + 60 + 190) = 132 - 111 = 21.
    // Column 10: 2.2 x 190 - 0.3 x (190 + 190 + 190 + 60) = 418 - 189 = 229.
    EXPECT_EQ(pixelOf(*sharpened, 9, 10), (Rgb{21, 21, 21}));
    EXPECT_EQ(pixelOf(*sharpened, 10, 10), (Rgb{229, 229, 229}));
    // Away from the edge and on the border nothing changes.
    EXPECT_EQ(pixelOf(*sharpened, 5, 10), (Rgb{60, 60, 60}));
    EXPECT_EQ(pixelOf(*sharpened, 9, 0), (Rgb{60, 60, 60}));
    EXPECT_EQ(pixelOf(*sharpened, 10, 19), (Rgb{190, 190, 190}));
}

TEST(ProduceThumbnailFile, TakesTheLegacyPathToTheSameSizeAndPicture) {
    TempDir dir;
    constexpr Rgb kRed{255, 0, 0};
    constexpr Rgb kGreen{0, 255, 0};
    constexpr Rgb kBlue{0, 0, 255};
    constexpr Rgb kYellow{255, 255, 0};
    const std::string source =
        dir.write("q.png", test::encodePng(test::quarters(200, 100, kRed, kGreen, kBlue, kYellow)));
    ThumbnailOptions legacy = optionsOfType(0);
    legacy.legacy = true;

    ASSERT_TRUE(produceThumbnailFile(source, {20, 10}, legacy, dir.file("q_thumb.png")));

    const ImageHandle written = LoadPngImage(dir.file("q_thumb.png"));
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(written->width(), 20);
    EXPECT_EQ(written->height(), 10);
    EXPECT_EQ(pixelOf(*written, 0, 0), kRed);
    EXPECT_EQ(pixelOf(*written, 19, 0), kGreen);
    EXPECT_EQ(pixelOf(*written, 0, 9), kBlue);
    EXPECT_EQ(pixelOf(*written, 19, 9), kYellow);
}

TEST(RenderThumbnail, HasTheLibraryScaleTheSourceItselfOnlyOnTheLegacyPath) {
    TempDir dir;
    const ImageHandle modern = Image::create(64, 48);
    const ImageHandle old = Image::create(64, 48);
    ThumbnailOptions legacy = optionsOfType(0);
    legacy.legacy = true;

    ASSERT_TRUE(renderThumbnail(*modern, 64, 48, {40, 30}, optionsOfType(0), dir.file("m.png")));
    ASSERT_TRUE(renderThumbnail(*old, 64, 48, {40, 30}, legacy, dir.file("o.png")));

    EXPECT_EQ(modern->width(), 64);
    EXPECT_EQ(modern->height(), 48);
    EXPECT_EQ(old->width(), 40);
    EXPECT_EQ(old->height(), 30);
    const ImageHandle written = LoadPngImage(dir.file("o.png"));
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(written->width(), 40);
    EXPECT_EQ(written->height(), 30);
    expectFlat(*written, {0, 0, 0}, 0);
}

TEST(RenderThumbnail, WritesNothingForASizeWithASideOfZero) {
    TempDir dir;
    const ImageHandle source = Image::create(64, 48);
    for (const ThumbnailSize size : {ThumbnailSize{0, 30}, ThumbnailSize{40, 0}}) {
        EXPECT_FALSE(renderThumbnail(*source, 64, 48, size, optionsOfType(0), dir.file("t.png")));
        EXPECT_FALSE(fs::exists(dir.file("t.png")));
    }
}

TEST(RenderThumbnail, WritesNothingForASizeLargerThanTheLibraryCanCreate) {
    TempDir dir;
    const ImageHandle source = Image::create(64, 48);
    // 2^32 + 40 would read as 40 in 32 bits and give a small thumbnail of the wrong size.
    constexpr std::int64_t kWrapsToForty = (std::int64_t{1} << 32) + 40;
    for (const ThumbnailSize size :
         {ThumbnailSize{kWrapsToForty, 30}, ThumbnailSize{40, kWrapsToForty},
          ThumbnailSize{1500000000, 1125000000}, ThumbnailSize{16384, 16385},
          ThumbnailSize{-60, -60}}) {
        SCOPED_TRACE(::testing::Message() << size.width << " x " << size.height);
        EXPECT_FALSE(renderThumbnail(*source, 64, 48, size, optionsOfType(0), dir.file("t.png")));
        EXPECT_FALSE(fs::exists(dir.file("t.png")));
    }
}

TEST(DecodeForThumbnail, DecodesAtFullSizeForAThumbnailWhoseDoubleSidesPassInt) {
    TempDir dir;
    const std::string jpeg = dir.write("a.jpg", test::encodeJpeg(Raster(256, 192, kRose)));
    // Twice 2^31 + 8 is 2^32 + 16, which 32 bits would read as 16 and so shrink to 1/8.
    constexpr std::int64_t kSide = (std::int64_t{1} << 31) + 8;
    const auto decoded = decodeForThumbnail(jpeg, {kSide, kSide});
    ASSERT_TRUE(decoded.has_value());
    ASSERT_NE(decoded->image, nullptr);
    EXPECT_EQ(decoded->image->width(), 256);
    EXPECT_EQ(decoded->image->height(), 192);
}

TEST(ProduceThumbnailFile, WritesNothingForADamagedMissingOrUnknownSource) {
    TempDir dir;
    const std::string png = test::encodePng(Raster(32, 32, kRose));
    const std::string sources[] = {
        dir.write("damaged.png", png.substr(0, png.size() / 2)),
        dir.write("garbage.jpg", "this is not a picture"),
        dir.write("empty.gif", ""),
        dir.file("missing.png"),
        dir.write("notes.txt", png), // a PNG inside, but not an image by its name
    };
    for (const std::string& source : sources) {
        SCOPED_TRACE(source);
        const std::string thumb = dir.file("thumb.png");

        EXPECT_FALSE(produceThumbnailFile(source, {16, 16}, optionsOfType(0), thumb));

        EXPECT_FALSE(fs::exists(thumb));
    }
}

} // namespace
} // namespace vistrel
