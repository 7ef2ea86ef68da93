// SPDX-License-Identifier: MIT
#include "imaging/codec/GifReader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include <gif_lib.h>

#include "imaging/codec/ByteSource.h"

namespace vistrel::detail {
namespace {

constexpr std::uint8_t kTransparent = 0;
constexpr std::uint8_t kOpaque = 255;

// The rows of an interlaced frame arrive in four passes: every 8th row from row 0, every 8th
// from row 4, every 4th from row 2, every 2nd from row 1.
constexpr std::array<int, 4> kInterlaceStart = {0, 4, 2, 1};
constexpr std::array<int, 4> kInterlaceStep = {8, 8, 4, 2};

class GifFile {
public:
    explicit GifFile(GifFileType* file) : m_file(file) {}
    ~GifFile() {
        if (m_file != nullptr) {
            int error = 0;
            DGifCloseFile(m_file, &error);
        }
    }
    GifFile(const GifFile&) = delete;
    GifFile& operator=(const GifFile&) = delete;

    GifFileType* get() const { return m_file; }

private:
    GifFileType* m_file;
};

int readData(GifFileType* file, GifByteType* out, int size) {
    if (size <= 0) {
        return 0;
    }
    auto& source = *static_cast<ByteSource*>(file->UserData);
    return static_cast<int>(source.read(out, static_cast<std::size_t>(size)));
}

bool tooLarge(std::int64_t width, std::int64_t height) {
    return width * height > kMaxImagePixels;
}

// Reads the extensions before the first frame, keeping the transparent colour index of the
// last graphic control block. False at the end of the file or on damaged data.
bool skipToFirstFrame(GifFileType* file, int& transparentIndex) {
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(file, &type) != GIF_OK) {
            return false;
        }
        if (type == IMAGE_DESC_RECORD_TYPE) {
            return DGifGetImageDesc(file) == GIF_OK;
        }
        if (type != EXTENSION_RECORD_TYPE) {
            return false;
        }
        int code = 0;
        GifByteType* block = nullptr;
        if (DGifGetExtension(file, &code, &block) != GIF_OK) {
            return false;
        }
        if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr) {
            GraphicsControlBlock control{};
            if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK) {
                transparentIndex = control.TransparentColor;
            }
        }
        while (block != nullptr) {
            if (DGifGetExtensionNext(file, &block) != GIF_OK) {
                return false;
            }
        }
    }
}

std::vector<Rgb> paletteOf(const ColorMapObject& map) {
    std::vector<Rgb> palette;
    const int count = std::clamp(map.ColorCount, 0, 256);
    for (int i = 0; i < count; ++i) {
        const GifColorType& colour = map.Colors[i];
        palette.push_back({colour.Red, colour.Green, colour.Blue});
    }
    return palette;
}

bool decodeFrame(GifFileType* file, Image& image, int transparentIndex) {
    const GifImageDesc& frame = file->Image;
    const auto& palette = image.palette();
    std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
    const auto drawLine = [&](int frameRow) {
        auto rgb =
            image.row(frame.Top + frameRow).subspan(3 * static_cast<std::size_t>(frame.Left));
        auto alpha = image.alpha();
        const std::size_t alphaStart = static_cast<std::size_t>(frame.Top + frameRow) *
                                           static_cast<std::size_t>(image.width()) +
                                       static_cast<std::size_t>(frame.Left);
        for (std::size_t x = 0; x < line.size(); ++x) {
            const GifPixelType index = line[x];
            // An index past the colour table is drawn black rather than read out of bounds.
            const Rgb colour = index < palette.size() ? palette[index] : Rgb{};
            rgb[3 * x] = colour.r;
            rgb[3 * x + 1] = colour.g;
            rgb[3 * x + 2] = colour.b;
            if (!alpha.empty()) {
                alpha[alphaStart + x] = index == transparentIndex ? kTransparent : kOpaque;
            }
        }
    };
    const auto readLine = [&]() {
        return DGifGetLine(file, line.data(), static_cast<int>(line.size())) == GIF_OK;
    };
    if (!frame.Interlace) {
        for (int y = 0; y < frame.Height; ++y) {
            if (!readLine()) {
                return false;
            }
            drawLine(y);
        }
        return true;
    }
    for (std::size_t pass = 0; pass < kInterlaceStart.size(); ++pass) {
        for (int y = kInterlaceStart[pass]; y < frame.Height; y += kInterlaceStep[pass]) {
            if (!readLine()) {
                return false;
            }
            drawLine(y);
        }
    }
    return true;
}

} // namespace

std::optional<DecodedImage> readGif(ByteSource& source, const DecodeRequest& request) {
    int error = 0;
    GifFile file(DGifOpen(&source, readData, &error));
    GifFileType* gif = file.get();
    if (gif == nullptr || gif->SWidth < 0 || gif->SHeight < 0 ||
        tooLarge(gif->SWidth, gif->SHeight)) {
        return std::nullopt;
    }
    int transparentIndex = NO_TRANSPARENT_COLOR;
    if (!skipToFirstFrame(gif, transparentIndex)) {
        return std::nullopt;
    }
    const GifImageDesc& frame = gif->Image;
    const ColorMapObject* map = frame.ColorMap != nullptr ? frame.ColorMap : gif->SColorMap;
    if (frame.Left < 0 || frame.Top < 0 || frame.Width <= 0 || frame.Height <= 0 ||
        map == nullptr || map->Colors == nullptr || tooLarge(frame.Width, frame.Height)) {
        return std::nullopt;
    }
    const std::int64_t width =
        std::max<std::int64_t>(gif->SWidth, std::int64_t{frame.Left} + frame.Width);
    const std::int64_t height =
        std::max<std::int64_t>(gif->SHeight, std::int64_t{frame.Top} + frame.Height);
    if (tooLarge(width, height)) {
        return std::nullopt;
    }
    const bool covered =
        frame.Left == 0 && frame.Top == 0 && frame.Width == width && frame.Height == height;
    const bool hasTransparentColour = transparentIndex >= 0 && transparentIndex < map->ColorCount;
    const bool hasAlpha = !covered || hasTransparentColour;
    const ImageHeader header{static_cast<std::int32_t>(width), static_cast<std::int32_t>(height),
                             Image::bitCountFor(true, hasAlpha)};
    if (request.headerOnly) {
        return DecodedImage{header, nullptr};
    }
    auto image = Image::create(header.width, header.height);
    if (!image) {
        return std::nullopt;
    }
    image->setPalette(paletteOf(*map));
    if (hasAlpha) {
        image->addAlpha();
        std::fill(image->alpha().begin(), image->alpha().end(), kTransparent);
    }
    if (!decodeFrame(gif, *image, hasTransparentColour ? transparentIndex : -1)) {
        return std::nullopt;
    }
    return DecodedImage{header, std::move(image)};
}

} // namespace vistrel::detail
