// SPDX-License-Identifier: MIT
#include "imaging/codec/PngReader.h"

#include <csetjmp>
#include <cstdint>
#include <vector>

#include <png.h>

#include "imaging/codec/ByteSource.h"

namespace vistrel::detail {
namespace {

constexpr int kRgbaChannels = 4;
constexpr int kMaxGreyBits = 8;

// Everything a decode owns lives here, outside the stretch of stack that libpng's error
// longjmp unwinds without running destructors.
struct PngReadState {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::jmp_buf jump{};
    ByteSource* input = nullptr;
    const DecodeRequest* request = nullptr;
    bool refused = false;
    ImageHeader header;
    ImageHandle image;
    std::vector<Rgb> palette;
    std::vector<png_byte> rgbaRow;

    ~PngReadState() {
        if (png != nullptr) {
            png_destroy_read_struct(&png, info != nullptr ? &info : nullptr, nullptr);
        }
    }
};

[[noreturn]] void abandon(png_structp png, png_const_charp) {
    std::longjmp(static_cast<PngReadState*>(png_get_error_ptr(png))->jump, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

void readData(png_structp png, png_bytep out, std::size_t size) {
    auto& state = *static_cast<PngReadState*>(png_get_io_ptr(png));
    if (state.input->read(out, size) != size) {
        png_error(png, "file cut short");
    }
}

// The palette a file declares: its PLTE entries, or for grey without an alpha channel the
// levels its bit depth can hold (as expanded to 8 bits); empty for true colour.
void collectPalette(PngReadState& state, int colourType, int bitDepth) {
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        png_colorp entries = nullptr;
        int count = 0;
        if (png_get_PLTE(state.png, state.info, &entries, &count) != 0) {
            state.palette.resize(static_cast<std::size_t>(count));
            for (std::size_t i = 0; i < state.palette.size(); ++i) {
                state.palette[i] = {entries[i].red, entries[i].green, entries[i].blue};
            }
        }
    } else if (colourType == PNG_COLOR_TYPE_GRAY) {
        const int bits = bitDepth < kMaxGreyBits ? bitDepth : kMaxGreyBits;
        const unsigned levels = 1U << static_cast<unsigned>(bits);
        const unsigned step = 255 / (levels - 1);
        state.palette.resize(levels);
        for (unsigned level = 0; level < levels; ++level) {
            const auto value = static_cast<std::uint8_t>(level * step);
            state.palette[level] = {value, value, value};
        }
    }
}

void splitRgbaRow(const png_byte* rgba, std::uint8_t* rgb, std::uint8_t* alpha, int width) {
    for (int x = 0; x < width; ++x, rgba += kRgbaChannels, rgb += 3) {
        rgb[0] = rgba[0];
        rgb[1] = rgba[1];
        rgb[2] = rgba[2];
        alpha[x] = rgba[3];
    }
}

void joinRgbaRow(const std::uint8_t* rgb, const std::uint8_t* alpha, png_byte* rgba, int width) {
    for (int x = 0; x < width; ++x, rgba += kRgbaChannels, rgb += 3) {
        rgba[0] = rgb[0];
        rgba[1] = rgb[1];
        rgba[2] = rgb[2];
        rgba[3] = alpha[x];
    }
}

void readRows(PngReadState& state, bool hasAlpha, int passes) {
    Image& image = *state.image;
    const int width = image.width();
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < image.height(); ++y) {
            std::uint8_t* rgb = image.row(y).data();
            if (!hasAlpha) {
                png_read_row(state.png, rgb, nullptr);
                continue;
            }
            std::uint8_t* alpha = image.alpha().data() +
                                  static_cast<std::size_t>(width) * static_cast<std::size_t>(y);
            // Later interlace passes fill in between the pixels of earlier ones.
            if (pass > 0) {
                joinRgbaRow(rgb, alpha, state.rgbaRow.data(), width);
            }
            png_read_row(state.png, state.rgbaRow.data(), nullptr);
            splitRgbaRow(state.rgbaRow.data(), rgb, alpha, width);
        }
    }
}

// Runs under the longjmp guard, so it keeps nothing on its own stack that needs destroying;
// kept out of line so that none of its locals end up in the frame that setjmp saves.
[[gnu::noinline]] void decodeGuarded(PngReadState& state) {
    state.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, abandon, ignoreWarning);
    if (state.png == nullptr) {
        state.refused = true;
        return;
    }
    state.info = png_create_info_struct(state.png);
    if (state.info == nullptr) {
        state.refused = true;
        return;
    }
    png_set_read_fn(state.png, &state, readData);
    png_read_info(state.png, state.info);
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int bitDepth = 0;
    int colourType = 0;
    png_get_IHDR(state.png, state.info, &width, &height, &bitDepth, &colourType, nullptr, nullptr,
                 nullptr);
    if (std::int64_t{width} * std::int64_t{height} > kMaxImagePixels) {
        state.refused = true;
        return;
    }
    const bool hasAlpha = (colourType & PNG_COLOR_MASK_ALPHA) != 0 ||
                          png_get_valid(state.png, state.info, PNG_INFO_tRNS) != 0;
    collectPalette(state, colourType, bitDepth);
    state.header = {static_cast<std::int32_t>(width), static_cast<std::int32_t>(height),
                    Image::bitCountFor(!state.palette.empty(), hasAlpha)};
    if (state.request->headerOnly) {
        return;
    }
    png_set_expand(state.png);
    png_set_scale_16(state.png);
    png_set_gray_to_rgb(state.png);
    const int passes = png_set_interlace_handling(state.png);
    png_read_update_info(state.png, state.info);
    const int channels = png_get_channels(state.png, state.info);
    if (channels != (hasAlpha ? kRgbaChannels : 3)) {
        state.refused = true;
        return;
    }
    state.image = Image::create(state.header.width, state.header.height);
    if (!state.image) {
        state.refused = true;
        return;
    }
    if (hasAlpha) {
        state.image->addAlpha();
        state.rgbaRow.resize(std::size_t{width} * kRgbaChannels);
    }
    state.image->setPalette(state.palette);
    readRows(state, hasAlpha, passes);
}

// The one place where libpng's error longjmp lands: any fatal error becomes "no image".
bool runGuarded(PngReadState& state) {
    if (setjmp(state.jump) != 0) {
        return false;
    }
    decodeGuarded(state);
    return !state.refused;
}

} // namespace

std::optional<DecodedImage> readPng(ByteSource& source, const DecodeRequest& request) {
    PngReadState state;
    state.input = &source;
    state.request = &request;
    if (!runGuarded(state)) {
        return std::nullopt;
    }
    return DecodedImage{state.header, std::move(state.image)};
}

} // namespace vistrel::detail
