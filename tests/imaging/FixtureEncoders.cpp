// SPDX-License-Identifier: MIT
#include "FixtureEncoders.h"

#include <array>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <gif_lib.h>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <png.h>

namespace vistrel::test {
namespace {

constexpr int kExifMarker = JPEG_APP0 + 1;
constexpr int kFirstRefinementShift = 10;
constexpr int kCoefficients = 64;

struct JpegEncoder {
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    std::jmp_buf jump{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<jpeg_scan_info> script;
    std::vector<JSAMPLE> row;
    std::string exif;

    ~JpegEncoder() {
        jpeg_destroy_compress(&info);
        std::free(buffer);
    }
};

[[noreturn]] void jpegFailed(j_common_ptr info) {
    std::longjmp(static_cast<JpegEncoder*>(info->client_data)->jump, 1);
}

// The DC scan, then one scan per AC coefficient and colour component, each coefficient sent
// completely (bit 10 first, down to bit 0) before the next, cut off after count scans. Sending
// the low coefficients whole keeps the decoder from smoothing over missing bits.
std::vector<jpeg_scan_info> scanScript(int count) {
    std::vector<jpeg_scan_info> script;
    script.push_back({3, {0, 1, 2, 0}, 0, 0, 0, 0});
    for (int k = 1; k < kCoefficients; ++k) {
        for (int component = 0; component < 3; ++component) {
            for (int shift = kFirstRefinementShift; shift >= 0; --shift) {
                if (static_cast<int>(script.size()) == count) {
                    return script;
                }
                const int high = shift == kFirstRefinementShift ? 0 : shift + 1;
                script.push_back({1, {component, 0, 0, 0}, k, k, high, shift});
            }
        }
    }
    return script;
}

void fillJpegRow(const Raster& raster, int y, const JpegOptions& options,
                 std::vector<JSAMPLE>& row) {
    // Adobe files store inverted inks (255 = none); plain ones store the ink itself.
    const auto ink = [&](std::uint8_t level) {
        return options.adobeMarker ? level : static_cast<JSAMPLE>(255 - level);
    };
    for (int x = 0; x < raster.width; ++x) {
        const Rgb c = raster.at(x, y);
        const auto i = static_cast<std::size_t>(x);
        switch (options.colour) {
        case JpegColour::Rgb:
            row[3 * i] = c.r;
            row[3 * i + 1] = c.g;
            row[3 * i + 2] = c.b;
            break;
        case JpegColour::Grey:
            row[i] = c.g;
            break;
        case JpegColour::Cmyk:
            row[4 * i] = ink(c.r);
            row[4 * i + 1] = ink(c.g);
            row[4 * i + 2] = ink(c.b);
            row[4 * i + 3] = ink(255);
            break;
        }
    }
}

// Out of line, so that none of its locals end up in the frame that setjmp saves.
[[gnu::noinline]] void encodeJpegGuarded(JpegEncoder& encoder, const Raster& raster,
                                         const JpegOptions& options) {
    jpeg_CreateCompress(&encoder.info, JPEG_LIB_VERSION, sizeof encoder.info);
    jpeg_mem_dest(&encoder.info, &encoder.buffer, &encoder.size);
    auto& info = encoder.info;
    info.image_width = static_cast<JDIMENSION>(raster.width);
    info.image_height = static_cast<JDIMENSION>(raster.height);
    const int components[] = {3, 1, 4};
    const J_COLOR_SPACE spaces[] = {JCS_RGB, JCS_GRAYSCALE, JCS_CMYK};
    const auto kind = static_cast<std::size_t>(options.colour);
    info.input_components = components[kind];
    info.in_color_space = spaces[kind];
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, options.quality, TRUE);
    info.write_Adobe_marker = options.adobeMarker ? TRUE : FALSE;
    if (options.fullChroma && options.colour == JpegColour::Rgb) {
        info.comp_info[0].h_samp_factor = 1;
        info.comp_info[0].v_samp_factor = 1;
    }
    if (options.progressive) {
        jpeg_simple_progression(&info);
    }
    if (options.scanCount > 0) {
        encoder.script = scanScript(options.scanCount);
        info.scan_info = encoder.script.data();
        info.num_scans = static_cast<int>(encoder.script.size());
    }
    jpeg_start_compress(&info, TRUE);
    if (options.exifOrientation > 0) {
        encoder.exif = exifPayload(options.exifOrientation, options.bigEndianExif);
        jpeg_write_marker(&info, kExifMarker, reinterpret_cast<const JOCTET*>(encoder.exif.data()),
                          static_cast<unsigned>(encoder.exif.size()));
    }
    encoder.row.resize(static_cast<std::size_t>(raster.width) * 4);
    while (info.next_scanline < info.image_height) {
        fillJpegRow(raster, static_cast<int>(info.next_scanline), options, encoder.row);
        JSAMPROW row = encoder.row.data();
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
}

bool runJpegEncoder(JpegEncoder& encoder, const Raster& raster, const JpegOptions& options) {
    if (setjmp(encoder.jump) != 0) {
        return false;
    }
    encodeJpegGuarded(encoder, raster, options);
    return true;
}

struct PngEncoder {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::jmp_buf jump{};
    std::string bytes;
    std::vector<png_bytep> rows;
    std::vector<png_color> palette;

    ~PngEncoder() { png_destroy_write_struct(&png, &info); }
};

[[noreturn]] void pngFailed(png_structp png, png_const_charp) {
    std::longjmp(static_cast<PngEncoder*>(png_get_error_ptr(png))->jump, 1);
}

void appendPng(png_structp png, png_bytep data, std::size_t size) {
    static_cast<PngEncoder*>(png_get_io_ptr(png))
        ->bytes.append(reinterpret_cast<char*>(data), size);
}

void flushPng(png_structp) {}

// Out of line, so that none of its locals end up in the frame that setjmp saves.
[[gnu::noinline]] void encodePngGuarded(PngEncoder& encoder, const PngFixture& fixture) {
    encoder.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &encoder, pngFailed, nullptr);
    encoder.info = png_create_info_struct(encoder.png);
    png_set_write_fn(encoder.png, &encoder, appendPng, flushPng);
    png_set_IHDR(encoder.png, encoder.info, static_cast<png_uint_32>(fixture.width),
                 static_cast<png_uint_32>(fixture.height), fixture.bitDepth, fixture.colourType,
                 fixture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    for (const Rgb& c : fixture.palette) {
        encoder.palette.push_back({c.r, c.g, c.b});
    }
    if (!encoder.palette.empty()) {
        png_set_PLTE(encoder.png, encoder.info, encoder.palette.data(),
                     static_cast<int>(encoder.palette.size()));
    }
    if (!fixture.paletteAlpha.empty()) {
        png_set_tRNS(encoder.png, encoder.info, fixture.paletteAlpha.data(),
                     static_cast<int>(fixture.paletteAlpha.size()), nullptr);
    }
    if (fixture.transparentGrey >= 0) {
        png_color_16 grey{};
        grey.gray = static_cast<png_uint_16>(fixture.transparentGrey);
        png_set_tRNS(encoder.png, encoder.info, nullptr, 0, &grey);
    }
    png_write_info(encoder.png, encoder.info);
    for (const auto& row : fixture.rows) {
        encoder.rows.push_back(const_cast<png_bytep>(row.data()));
    }
    png_write_image(encoder.png, encoder.rows.data());
    png_write_end(encoder.png, nullptr);
}

bool runPngEncoder(PngEncoder& encoder, const PngFixture& fixture) {
    if (setjmp(encoder.jump) != 0) {
        return false;
    }
    encodePngGuarded(encoder, fixture);
    return true;
}

int appendGif(GifFileType* file, const GifByteType* data, int size) {
    static_cast<std::string*>(file->UserData)
        ->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(size));
    return size;
}

ColorMapObject* makeColourMap(const std::vector<Rgb>& colours) {
    if (colours.empty()) {
        return nullptr;
    }
    int size = 2;
    while (size < static_cast<int>(colours.size())) {
        size *= 2;
    }
    ColorMapObject* map = GifMakeMapObject(size, nullptr);
    for (std::size_t i = 0; i < colours.size(); ++i) {
        map->Colors[i] = {colours[i].r, colours[i].g, colours[i].b};
    }
    return map;
}

std::vector<int> gifRowOrder(const GifFrame& frame) {
    std::vector<int> order;
    if (!frame.interlaced) {
        for (int y = 0; y < frame.height; ++y) {
            order.push_back(y);
        }
        return order;
    }
    for (const auto& [start, step] :
         std::array<std::pair<int, int>, 4>{{{0, 8}, {4, 8}, {2, 4}, {1, 2}}}) {
        for (int y = start; y < frame.height; y += step) {
            order.push_back(y);
        }
    }
    return order;
}

bool putGifFrame(GifFileType* gif, const GifFrame& frame) {
    if (frame.transparentIndex >= 0) {
        GraphicsControlBlock control{};
        control.TransparentColor = frame.transparentIndex;
        GifByteType extension[4] = {};
        const auto length = EGifGCBToExtension(&control, extension);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension);
    }
    ColorMapObject* local = makeColourMap(frame.localColours);
    const bool described = EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height,
                                            frame.interlaced, local) == GIF_OK;
    GifFreeMapObject(local);
    if (!described) {
        return false;
    }
    std::vector<GifPixelType> line(static_cast<std::size_t>(frame.width));
    for (const int y : gifRowOrder(frame)) {
        for (std::size_t x = 0; x < line.size(); ++x) {
            line[x] = frame.indices[static_cast<std::size_t>(y) * line.size() + x];
        }
        if (EGifPutLine(gif, line.data(), frame.width) != GIF_OK) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string encodeJpeg(const Raster& raster, const JpegOptions& options) {
    JpegEncoder encoder;
    encoder.info.err = jpeg_std_error(&encoder.error);
    encoder.error.error_exit = jpegFailed;
    encoder.info.client_data = &encoder;
    if (!runJpegEncoder(encoder, raster, options)) {
        ADD_FAILURE() << "libjpeg could not encode the fixture";
        return {};
    }
    return std::string(reinterpret_cast<const char*>(encoder.buffer), encoder.size);
}

std::string encodePng(const PngFixture& fixture) {
    PngEncoder encoder;
    if (!runPngEncoder(encoder, fixture)) {
        ADD_FAILURE() << "libpng could not encode the fixture";
        return {};
    }
    return encoder.bytes;
}

std::string encodePng(const Raster& raster, bool interlaced) {
    PngFixture fixture;
    fixture.width = raster.width;
    fixture.height = raster.height;
    const bool alpha = !raster.alpha.empty();
    fixture.colourType = alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB;
    fixture.interlaced = interlaced;
    for (int y = 0; y < raster.height; ++y) {
        std::vector<std::uint8_t> row;
        for (int x = 0; x < raster.width; ++x) {
            const Rgb c = raster.at(x, y);
            row.insert(row.end(), {c.r, c.g, c.b});
            if (alpha) {
                row.push_back(raster.alpha.at(static_cast<std::size_t>(y * raster.width + x)));
            }
        }
        fixture.rows.push_back(row);
    }
    return encodePng(fixture);
}

std::string encodeGif(const GifFixture& fixture) {
    std::string bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendGif, &error);
    EGifSetGifVersion(gif, true);
    ColorMapObject* global = makeColourMap(fixture.globalColours);
    bool ok =
        EGifPutScreenDesc(gif, fixture.screenWidth, fixture.screenHeight, 8, 0, global) == GIF_OK;
    GifFreeMapObject(global);
    for (const GifFrame& frame : fixture.frames) {
        ok = ok && putGifFrame(gif, frame);
    }
    ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    if (!ok) {
        ADD_FAILURE() << "giflib could not encode the fixture";
    }
    return bytes;
}

} // namespace vistrel::test
