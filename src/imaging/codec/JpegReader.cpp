// SPDX-License-Identifier: MIT
#include "imaging/codec/JpegReader.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "imaging/ExifOrientation.h"
#include "imaging/Orientation.h"
#include "imaging/codec/ByteSource.h"

namespace vistrel::detail {
namespace {

constexpr std::size_t kInputChunk = 64 * 1024;
constexpr int kExifMarker = JPEG_APP0 + 1;
constexpr unsigned kMaxMarkerLength = 0xFFFF;
constexpr int kFullScale = 8;
constexpr int kCmykChannels = 4;
constexpr int kGreyLevels = 256;
constexpr unsigned kMaxLevel = 255;
constexpr JOCTET kEndOfImage[] = {0xFF, JPEG_EOI};

// Everything a decode owns lives here, outside the stretch of stack that libjpeg's error
// longjmp unwinds without running destructors.
struct JpegReadState {
    jpeg_decompress_struct info{};
    jpeg_error_mgr error{};
    jpeg_source_mgr source{};
    jpeg_progress_mgr progress{};
    std::jmp_buf jump{};
    bool created = false;
    ByteSource* input = nullptr;
    const DecodeRequest* request = nullptr;
    bool refused = false;
    int orientation = kUpright;
    bool grey = false;
    ImageHeader header;
    ImageHandle image;
    std::vector<JSAMPLE> cmykRow;

    ~JpegReadState() {
        if (created) {
            jpeg_destroy_decompress(&info);
        }
    }
};

JpegReadState& stateOf(j_common_ptr info) {
    return *static_cast<JpegReadState*>(info->client_data);
}
JpegReadState& stateOf(j_decompress_ptr info) {
    return *static_cast<JpegReadState*>(info->client_data);
}

[[noreturn]] void abandon(j_common_ptr info) {
    std::longjmp(stateOf(info).jump, 1);
}
void ignoreMessage(j_common_ptr, int) {}
void ignoreOutput(j_common_ptr) {}

void countScans(j_common_ptr info) {
    auto& state = stateOf(info);
    if (state.info.input_scan_number > kMaxJpegScans) {
        abandon(info);
    }
}

void initSource(j_decompress_ptr) {}
void termSource(j_decompress_ptr) {}

boolean fillInputBuffer(j_decompress_ptr info) {
    auto& state = stateOf(info);
    const auto chunk = state.input->next(kInputChunk);
    if (chunk.empty()) {
        // A file cut short ends in a made-up end marker, so the rows read so far still show.
        state.source.next_input_byte = kEndOfImage;
        state.source.bytes_in_buffer = sizeof kEndOfImage;
        return TRUE;
    }
    state.source.next_input_byte = chunk.data();
    state.source.bytes_in_buffer = chunk.size();
    return TRUE;
}

void skipInputData(j_decompress_ptr info, long count) {
    auto& source = stateOf(info).source;
    if (count <= 0) {
        return;
    }
    auto left = static_cast<std::size_t>(count);
    while (left > source.bytes_in_buffer) {
        left -= source.bytes_in_buffer;
        if (source.next_input_byte == kEndOfImage) {
            return;
        }
        fillInputBuffer(info);
    }
    source.next_input_byte += left;
    source.bytes_in_buffer -= left;
}

int savedOrientation(const jpeg_decompress_struct& info) {
    for (auto marker = info.marker_list; marker != nullptr; marker = marker->next) {
        if (marker->marker == kExifMarker) {
            const int orientation = readExifOrientation({marker->data, marker->data_length});
            if (orientation != kUpright) {
                return orientation;
            }
        }
    }
    return kUpright;
}

bool isCmyk(const jpeg_decompress_struct& info) {
    return info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
}

// paper and black are the light each lets through, 255 = none absorbed.
std::uint8_t inkToLevel(unsigned paper, unsigned black) {
    return static_cast<std::uint8_t>((paper * black + kMaxLevel / 2) / kMaxLevel);
}

// Files with an Adobe marker (nearly every CMYK JPEG) store the inks inverted: 255 = no ink.
void cmykRowToRgb(const JSAMPLE* cmyk, std::uint8_t* rgb, JDIMENSION width, bool inverted) {
    const auto paper = [inverted](unsigned ink) { return inverted ? ink : kMaxLevel - ink; };
    for (JDIMENSION x = 0; x < width; ++x, cmyk += kCmykChannels, rgb += 3) {
        const unsigned black = paper(cmyk[3]);
        for (int c = 0; c < 3; ++c) {
            rgb[c] = inkToLevel(paper(cmyk[c]), black);
        }
    }
}

void prepareSource(JpegReadState& state) {
    state.source.init_source = initSource;
    state.source.fill_input_buffer = fillInputBuffer;
    state.source.skip_input_data = skipInputData;
    state.source.resync_to_restart = jpeg_resync_to_restart;
    state.source.term_source = termSource;
    state.info.src = &state.source;
}

// Runs under the longjmp guard, so it keeps nothing on its own stack that needs destroying;
// kept out of line so that none of its locals end up in the frame that setjmp saves.
[[gnu::noinline]] void decodeGuarded(JpegReadState& state) {
    state.created = true;
    jpeg_CreateDecompress(&state.info, JPEG_LIB_VERSION, sizeof state.info);
    prepareSource(state);
    jpeg_save_markers(&state.info, kExifMarker, kMaxMarkerLength);
    jpeg_read_header(&state.info, TRUE);
    auto& info = state.info;
    if (std::int64_t{info.image_width} * std::int64_t{info.image_height} > kMaxImagePixels) {
        state.refused = true;
        return;
    }
    state.orientation = savedOrientation(info);
    const bool swap = swapsSides(state.orientation);
    const auto width = static_cast<int>(swap ? info.image_height : info.image_width);
    const auto height = static_cast<int>(swap ? info.image_width : info.image_height);
    state.grey = info.jpeg_color_space == JCS_GRAYSCALE;
    state.header = {width, height, Image::bitCountFor(state.grey, false)};
    if (state.request->headerOnly) {
        return;
    }
    const bool cmyk = isCmyk(info);
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    info.scale_num = static_cast<unsigned>(
        jpegScaleNumerator(width, height, state.request->minWidth, state.request->minHeight));
    info.scale_denom = kFullScale;
    if (jpeg_has_multiple_scans(&info)) {
        state.progress.progress_monitor = countScans;
        info.progress = &state.progress;
    }
    jpeg_start_decompress(&info);
    state.image =
        Image::create(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    if (!state.image) {
        state.refused = true;
        return;
    }
    if (cmyk) {
        state.cmykRow.resize(std::size_t{info.output_width} * kCmykChannels);
    }
    while (info.output_scanline < info.output_height) {
        const auto y = static_cast<int>(info.output_scanline);
        JSAMPROW row = cmyk ? state.cmykRow.data() : state.image->row(y).data();
        if (jpeg_read_scanlines(&info, &row, 1) != 1) {
            state.refused = true;
            return;
        }
        if (cmyk) {
            cmykRowToRgb(row, state.image->row(y).data(), info.output_width,
                         info.saw_Adobe_marker != FALSE);
        }
    }
}

// The one place where libjpeg's error exit lands: any fatal error becomes "no image".
bool runGuarded(JpegReadState& state) {
    if (setjmp(state.jump) != 0) {
        return false;
    }
    decodeGuarded(state);
    return !state.refused;
}

std::vector<Rgb> greyRamp() {
    std::vector<Rgb> ramp(kGreyLevels);
    for (int level = 0; level < kGreyLevels; ++level) {
        const auto value = static_cast<std::uint8_t>(level);
        ramp[static_cast<std::size_t>(level)] = {value, value, value};
    }
    return ramp;
}

} // namespace

int jpegScaleNumerator(int width, int height, int minWidth, int minHeight) {
    if (minWidth <= 0 && minHeight <= 0) {
        return kFullScale;
    }
    const auto scaled = [](int side, int numerator) {
        return (std::int64_t{side} * numerator + kFullScale - 1) / kFullScale;
    };
    for (int numerator = 1; numerator < kFullScale; ++numerator) {
        if (scaled(width, numerator) >= minWidth && scaled(height, numerator) >= minHeight) {
            return numerator;
        }
    }
    return kFullScale;
}

std::optional<DecodedImage> readJpeg(ByteSource& source, const DecodeRequest& request) {
    JpegReadState state;
    state.info.err = jpeg_std_error(&state.error);
    state.error.error_exit = abandon;
    state.error.emit_message = ignoreMessage;
    state.error.output_message = ignoreOutput;
    state.info.client_data = &state;
    state.input = &source;
    state.request = &request;
    if (!runGuarded(state)) {
        return std::nullopt;
    }
    if (request.headerOnly) {
        return DecodedImage{state.header, nullptr};
    }
    if (state.grey) {
        state.image->setPalette(greyRamp());
    }
    orientImage(*state.image, state.orientation);
    return DecodedImage{state.header, std::move(state.image)};
}

} // namespace vistrel::detail
