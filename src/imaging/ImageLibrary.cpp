// SPDX-License-Identifier: MIT
#include "imaging/ImageLibrary.h"

#include <algorithm>
#include <new>
#include <vector>

#include "imaging/AreaResampler.h"
#include "imaging/ColorCount.h"
#include "imaging/ImageDecoder.h"
#include "imaging/codec/GifWriter.h"
#include "imaging/codec/JpegWriter.h"
#include "imaging/codec/PngWriter.h"

namespace vistrel {
namespace {

constexpr std::uint16_t kLibraryVersion = 200;
constexpr std::size_t kBytesPerPixel = 3;
constexpr float kOpaque = 255.0F;
constexpr unsigned kMaxLevel = 255;

ImageHandle load(const std::string& path, ImageFormat format) {
    auto decoded = decodeImageFile(path, format);
    return decoded ? std::move(decoded->image) : nullptr;
}

std::uint8_t toLevel(float value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0.0F, kOpaque) + 0.5F);
}

// One axis of a drawing: the part of [start, start + length) inside [0, limit).
struct Span {
    int first;
    int count;
};

Span clip(long long start, long long length, long long limit) {
    const long long first = std::max(start, 0LL);
    const long long end = std::min(start + length, limit);
    return {static_cast<int>(first), static_cast<int>(std::max(end - first, 0LL))};
}

void compositeRow(std::span<std::uint8_t> target, std::span<const float> premultiplied) {
    for (std::size_t x = 0; x < target.size() / kBytesPerPixel; ++x) {
        const float* value = &premultiplied[x * detail::AreaResampler::kChannels];
        const float keep = 1.0F - std::clamp(value[3], 0.0F, kOpaque) / kOpaque;
        for (std::size_t c = 0; c < kBytesPerPixel; ++c) {
            std::uint8_t& level = target[x * kBytesPerPixel + c];
            level = toLevel(value[c] + keep * level);
        }
    }
}

std::uint8_t blend(std::uint8_t over, std::uint8_t under, unsigned alpha) {
    return static_cast<std::uint8_t>((over * alpha + under * (kMaxLevel - alpha) + kMaxLevel / 2) /
                                     kMaxLevel);
}

void resize(Image& image, int width, int height) {
    auto resized = Image::create(width, height);
    if (!resized) {
        return;
    }
    if (image.hasAlpha()) {
        resized->addAlpha();
    }
    detail::AreaResampler resampler(image, {0, 0, image.width(), image.height()}, width, height, 0,
                                    width);
    std::vector<float> values(static_cast<std::size_t>(width) * detail::AreaResampler::kChannels);
    const auto alpha = resized->alpha();
    for (int y = 0; y < height; ++y) {
        resampler.resampleRow(y, values);
        const auto rgb = resized->row(y);
        for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x) {
            const float* value = &values[x * detail::AreaResampler::kChannels];
            const float a = value[3];
            // Averaging ran on premultiplied colour so that transparent pixels add none.
            const float unmultiply = a > 0 ? kOpaque / a : 0.0F;
            for (std::size_t c = 0; c < kBytesPerPixel; ++c) {
                rgb[x * kBytesPerPixel + c] = toLevel(value[c] * unmultiply);
            }
            if (!alpha.empty()) {
                alpha[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x] =
                    toLevel(a);
            }
        }
    }
    image = std::move(*resized);
}

} // namespace

std::uint16_t GetLibraryVersion() {
    return kLibraryVersion;
}

ImageHandle LoadJpegImage(const std::string& path) {
    return load(path, ImageFormat::Jpeg);
}
ImageHandle LoadPngImage(const std::string& path) {
    return load(path, ImageFormat::Png);
}
ImageHandle LoadGifImage(const std::string& path) {
    return load(path, ImageFormat::Gif);
}

std::optional<ImageHeader> GetImageHeader(const Image* image) {
    if (image == nullptr) {
        return std::nullopt;
    }
    return image->header();
}

int CheckImage(const Image* image) {
    if (image == nullptr || image->width() <= 0 || image->height() <= 0) {
        return 0;
    }
    const std::size_t pixels =
        static_cast<std::size_t>(image->width()) * static_cast<std::size_t>(image->height());
    const bool pixelsFit = image->pixels().size() == pixels * kBytesPerPixel;
    const bool alphaFits = !image->hasAlpha() || image->alpha().size() == pixels;
    return pixelsFit && alphaFits && image->palette().size() <= kMaxPaletteSize ? 1 : 0;
}

std::uint32_t GetColorCount(const Image& image) {
    if (!image.palette().empty()) {
        return static_cast<std::uint32_t>(image.palette().size());
    }
    try {
        return detail::countDistinctColors(image.pixels());
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

void StretchImageToDC(Surface& surface, int x, int y, int w, int h, const Image& image, int srcX,
                      int srcY, int srcW, int srcH) {
    if (w <= 0 || h <= 0 || srcW <= 0 || srcH <= 0) {
        return;
    }
    const Span columns = clip(x, w, surface.width());
    const Span rows = clip(y, h, surface.height());
    if (columns.count == 0 || rows.count == 0) {
        return;
    }
    try {
        detail::AreaResampler resampler(image, {srcX, srcY, srcW, srcH}, w, h, columns.first - x,
                                        columns.count);
        std::vector<float> values(static_cast<std::size_t>(columns.count) *
                                  detail::AreaResampler::kChannels);
        for (int row = rows.first; row < rows.first + rows.count; ++row) {
            resampler.resampleRow(row - y, values);
            compositeRow(
                surface.row(row).subspan(static_cast<std::size_t>(columns.first) * kBytesPerPixel,
                                         static_cast<std::size_t>(columns.count) * kBytesPerPixel),
                values);
        }
    } catch (const std::bad_alloc&) {
    }
}

void ResizeImage(Image& image, int width, int height) {
    try {
        resize(image, width, height);
    } catch (const std::bad_alloc&) {
    }
}

void CopyImageToDC(Surface& surface, int x, int y, int w, int h, const Image& image, int srcX,
                   int srcY) {
    if (w <= 0 || h <= 0) {
        return;
    }
    // Clip in surface coordinates, then again by where the image lies in them.
    const long long imageLeft = static_cast<long long>(x) - srcX;
    const long long imageTop = static_cast<long long>(y) - srcY;
    const Span surfaceColumns = clip(x, w, surface.width());
    const Span surfaceRows = clip(y, h, surface.height());
    const Span columns =
        clip(surfaceColumns.first - imageLeft, surfaceColumns.count, image.width());
    const Span rows = clip(surfaceRows.first - imageTop, surfaceRows.count, image.height());
    const auto alpha = image.alpha();
    for (int sy = rows.first; sy < rows.first + rows.count; ++sy) {
        const auto source = image.row(sy);
        auto target = surface.row(static_cast<int>(sy + imageTop));
        for (int sx = columns.first; sx < columns.first + columns.count; ++sx) {
            const auto from = static_cast<std::size_t>(sx) * kBytesPerPixel;
            const auto to = static_cast<std::size_t>(sx + imageLeft) * kBytesPerPixel;
            const unsigned a =
                alpha.empty()
                    ? kMaxLevel
                    : alpha[static_cast<std::size_t>(sy) * static_cast<std::size_t>(image.width()) +
                            static_cast<std::size_t>(sx)];
            for (std::size_t c = 0; c < kBytesPerPixel; ++c) {
                target[to + c] = blend(source[from + c], target[to + c], a);
            }
        }
    }
}

ImageHandle CaptureImage(const Surface& surface, int x, int y, int w, int h) {
    if (w <= 0 || h <= 0) {
        return nullptr;
    }
    const Span columns = clip(x, w, surface.width());
    const Span rows = clip(y, h, surface.height());
    if (columns.count == 0 || rows.count == 0) {
        return nullptr;
    }
    try {
        auto image = Image::create(w, h);
        if (!image) {
            return nullptr;
        }
        for (int row = rows.first; row < rows.first + rows.count; ++row) {
            const auto source =
                surface.row(row).subspan(static_cast<std::size_t>(columns.first) * kBytesPerPixel,
                                         static_cast<std::size_t>(columns.count) * kBytesPerPixel);
            const auto target = image->row(row - y).subspan(
                static_cast<std::size_t>(columns.first - x) * kBytesPerPixel);
            std::copy(source.begin(), source.end(), target.begin());
        }
        return image;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

PixelRows GetImageBits(Image& image) {
    image.clearPalette();
    return {image.pixels().data(), image.width(), image.height(), image.stride()};
}

bool SavePngImage(const std::string& path, const Image& image) {
    try {
        return detail::writePng(path, image);
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool SaveJpegImage(const std::string& path, const Image& image, int quality) {
    try {
        return detail::writeJpeg(path, image, quality);
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool SaveGifImage(const std::string& path, const Image& image) {
    try {
        return detail::writeGif(path, image);
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void FreeImage(ImageHandle& image) {
    image.reset();
}

} // namespace vistrel
