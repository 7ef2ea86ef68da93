// SPDX-License-Identifier: MIT
#include "imaging/codec/PngWriter.h"

#include <csetjmp>
#include <cstdint>
#include <vector>

#include <png.h>

#include "imaging/Image.h"
#include "imaging/codec/FileOutput.h"

namespace vistrel::detail {
namespace {

constexpr int kBitDepth = 8;
constexpr std::size_t kRgbaChannels = 4;

// Everything an encode owns lives here, outside the stretch of stack that libpng's error
// longjmp unwinds without running destructors.
struct PngWriteState {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::jmp_buf jump{};
    const Image* image = nullptr;
    bool refused = false;
    std::vector<png_byte> rgbaRow;
    std::vector<std::uint8_t> encoded;

    ~PngWriteState() {
        if (png != nullptr) {
            png_destroy_write_struct(&png, info != nullptr ? &info : nullptr);
        }
    }
};

[[noreturn]] void abandon(png_structp png, png_const_charp) {
    std::longjmp(static_cast<PngWriteState*>(png_get_error_ptr(png))->jump, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

void writeData(png_structp png, png_bytep data, std::size_t size) {
    auto& state = *static_cast<PngWriteState*>(png_get_io_ptr(png));
    if (!appendBytes(state.encoded, {data, size})) {
        png_error(png, "out of memory");
    }
}

void flushData(png_structp) {}

void writeRows(PngWriteState& state) {
    const Image& image = *state.image;
    const auto alpha = image.alpha();
    const auto width = static_cast<std::size_t>(image.width());
    for (int y = 0; y < image.height(); ++y) {
        const auto rgb = image.row(y);
        if (alpha.empty()) {
            // libpng only reads the rows, though its row type is not const.
            png_write_row(state.png, const_cast<png_byte*>(rgb.data()));
            continue;
        }
        const std::size_t alphaStart = width * static_cast<std::size_t>(y);
        for (std::size_t x = 0; x < width; ++x) {
            state.rgbaRow[kRgbaChannels * x] = rgb[3 * x];
            state.rgbaRow[kRgbaChannels * x + 1] = rgb[3 * x + 1];
            state.rgbaRow[kRgbaChannels * x + 2] = rgb[3 * x + 2];
            state.rgbaRow[kRgbaChannels * x + 3] = alpha[alphaStart + x];
        }
        png_write_row(state.png, state.rgbaRow.data());
    }
}

// Runs under the longjmp guard, so it keeps nothing on its own stack that needs destroying;
// kept out of line so that none of its locals end up in the frame that setjmp saves.
[[gnu::noinline]] void encodeGuarded(PngWriteState& state) {
    state.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &state, abandon, ignoreWarning);
    if (state.png == nullptr) {
        state.refused = true;
        return;
    }
    state.info = png_create_info_struct(state.png);
    if (state.info == nullptr) {
        state.refused = true;
        return;
    }
    png_set_write_fn(state.png, &state, writeData, flushData);
    const Image& image = *state.image;
    png_set_IHDR(state.png, state.info, static_cast<png_uint_32>(image.width()),
                 static_cast<png_uint_32>(image.height()), kBitDepth,
                 image.hasAlpha() ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(state.png, state.info);
    writeRows(state);
    png_write_end(state.png, nullptr);
}

// The one place where libpng's error longjmp lands: any fatal error becomes "not written".
bool runGuarded(PngWriteState& state) {
    if (setjmp(state.jump) != 0) {
        return false;
    }
    encodeGuarded(state);
    return !state.refused;
}

} // namespace

bool writePng(const std::string& path, const Image& image) {
    PngWriteState state;
    state.image = &image;
    if (image.hasAlpha()) {
        state.rgbaRow.resize(static_cast<std::size_t>(image.width()) * kRgbaChannels);
    }
    if (!runGuarded(state)) {
        return false;
    }
    return writeFileOrRemove(path, state.encoded);
}

} // namespace vistrel::detail
