// SPDX-License-Identifier: MIT
#include "imaging/codec/GifWriter.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include <gif_lib.h>

#include "imaging/ColorQuantizer.h"
#include "imaging/Image.h"
#include "imaging/codec/FileOutput.h"

namespace vistrel::detail {
namespace {

constexpr int kMaxSide = 65535;
constexpr int kMaxColors = 256;
constexpr int kColourResolution = 8;

class GifOutput {
public:
    explicit GifOutput(std::vector<std::uint8_t>& encoded);
    ~GifOutput();
    GifOutput(const GifOutput&) = delete;
    GifOutput& operator=(const GifOutput&) = delete;

    GifFileType* get() const { return m_file; }
    // Writes the trailer and releases the encoder; false when that fails.
    bool close();

private:
    GifFileType* m_file;
};

int writeData(GifFileType* file, const GifByteType* data, int size) {
    auto& encoded = *static_cast<std::vector<std::uint8_t>*>(file->UserData);
    if (size <= 0) {
        return 0;
    }
    return appendBytes(encoded, {data, static_cast<std::size_t>(size)}) ? size : 0;
}

GifOutput::GifOutput(std::vector<std::uint8_t>& encoded) {
    int error = 0;
    m_file = EGifOpen(&encoded, writeData, &error);
}

GifOutput::~GifOutput() {
    if (m_file != nullptr) {
        int error = 0;
        EGifCloseFile(m_file, &error);
    }
}

bool GifOutput::close() {
    int error = 0;
    const bool closed = EGifCloseFile(m_file, &error) == GIF_OK;
    m_file = nullptr;
    return closed;
}

class ColourMap {
public:
    // A colour table of the next power of two (at least 2) that holds the palette's entries.
    explicit ColourMap(const std::vector<Rgb>& palette);
    ~ColourMap() { GifFreeMapObject(m_map); }
    ColourMap(const ColourMap&) = delete;
    ColourMap& operator=(const ColourMap&) = delete;

    ColorMapObject* get() const { return m_map; }

private:
    ColorMapObject* m_map = nullptr;
};

ColourMap::ColourMap(const std::vector<Rgb>& palette) {
    int size = 2;
    while (size < static_cast<int>(palette.size())) {
        size *= 2;
    }
    m_map = GifMakeMapObject(size, nullptr);
    if (m_map == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < palette.size(); ++i) {
        m_map->Colors[i] = {palette[i].r, palette[i].g, palette[i].b};
    }
}

bool hasTransparentPixels(const Image& image) {
    const auto alpha = image.alpha();
    return std::any_of(alpha.begin(), alpha.end(),
                       [](std::uint8_t value) { return value < kOpaqueThreshold; });
}

bool putTransparency(GifFileType* file, int transparentIndex) {
    // A still image: no disposal, no delay; only the transparent index is set.
    GraphicsControlBlock control{};
    control.TransparentColor = transparentIndex;
    GifByteType extension[4] = {};
    const auto length = EGifGCBToExtension(&control, extension);
    return EGifPutExtension(file, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) ==
           GIF_OK;
}

} // namespace

bool writeGif(const std::string& path, const Image& image) {
    if (image.width() > kMaxSide || image.height() > kMaxSide) {
        return false;
    }
    const bool transparent = hasTransparentPixels(image);
    IndexedPixels indexed = quantizeColors(
        image.pixels(), transparent ? image.alpha() : std::span<const std::uint8_t>{},
        transparent ? kMaxColors - 1 : kMaxColors);
    const int transparentIndex = static_cast<int>(indexed.palette.size());
    if (transparent) {
        indexed.palette.push_back({});
    }
    const ColourMap map(indexed.palette);
    std::vector<std::uint8_t> encoded;
    GifOutput output(encoded);
    GifFileType* file = output.get();
    if (map.get() == nullptr || file == nullptr) {
        return false;
    }
    EGifSetGifVersion(file, transparent);
    if (EGifPutScreenDesc(file, image.width(), image.height(), kColourResolution, 0, map.get()) !=
            GIF_OK ||
        (transparent && !putTransparency(file, transparentIndex)) ||
        EGifPutImageDesc(file, 0, 0, image.width(), image.height(), false, nullptr) != GIF_OK) {
        return false;
    }
    const auto width = static_cast<std::size_t>(image.width());
    for (int y = 0; y < image.height(); ++y) {
        GifPixelType* line = indexed.indices.data() + width * static_cast<std::size_t>(y);
        if (EGifPutLine(file, line, image.width()) != GIF_OK) {
            return false;
        }
    }
    if (!output.close()) {
        return false;
    }
    return writeFileOrRemove(path, encoded);
}

} // namespace vistrel::detail
