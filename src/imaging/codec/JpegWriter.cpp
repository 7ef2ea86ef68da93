// SPDX-License-Identifier: MIT
#include "imaging/codec/JpegWriter.h"

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "imaging/Image.h"
#include "imaging/codec/FileOutput.h"

namespace vistrel::detail {
namespace {

constexpr std::size_t kOutputChunk = 64 * 1024;
constexpr int kMinQuality = 1;
constexpr int kMaxQuality = 100;
constexpr int kRgbComponents = 3;

// Everything an encode owns lives here, outside the stretch of stack that libjpeg's error
// longjmp unwinds without running destructors.
struct JpegWriteState {
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    jpeg_destination_mgr destination{};
    std::jmp_buf jump{};
    bool created = false;
    const Image* image = nullptr;
    int quality = kMaxQuality;
    std::vector<JOCTET> chunk;
    std::vector<std::uint8_t> encoded;

    ~JpegWriteState() {
        if (created) {
            jpeg_destroy_compress(&info);
        }
    }
};

JpegWriteState& stateOf(j_common_ptr info) {
    return *static_cast<JpegWriteState*>(info->client_data);
}
JpegWriteState& stateOf(j_compress_ptr info) {
    return *static_cast<JpegWriteState*>(info->client_data);
}

[[noreturn]] void abandon(JpegWriteState& state) {
    std::longjmp(state.jump, 1);
}
[[noreturn]] void errorExit(j_common_ptr info) {
    abandon(stateOf(info));
}
void ignoreMessage(j_common_ptr, int) {}
void ignoreOutput(j_common_ptr) {}

void initDestination(j_compress_ptr info) {
    auto& state = stateOf(info);
    state.destination.next_output_byte = state.chunk.data();
    state.destination.free_in_buffer = state.chunk.size();
}

boolean emptyOutputBuffer(j_compress_ptr info) {
    auto& state = stateOf(info);
    if (!appendBytes(state.encoded, state.chunk)) {
        abandon(state);
    }
    initDestination(info);
    return TRUE;
}

void termDestination(j_compress_ptr info) {
    auto& state = stateOf(info);
    const std::size_t used = state.chunk.size() - state.destination.free_in_buffer;
    if (!appendBytes(state.encoded, std::span<const JOCTET>(state.chunk).first(used))) {
        abandon(state);
    }
}

// Runs under the longjmp guard, so it keeps nothing on its own stack that needs destroying;
// kept out of line so that none of its locals end up in the frame that setjmp saves.
[[gnu::noinline]] void encodeGuarded(JpegWriteState& state) {
    state.created = true;
    jpeg_CreateCompress(&state.info, JPEG_LIB_VERSION, sizeof state.info);
    state.destination.init_destination = initDestination;
    state.destination.empty_output_buffer = emptyOutputBuffer;
    state.destination.term_destination = termDestination;
    state.info.dest = &state.destination;
    const Image& image = *state.image;
    state.info.image_width = static_cast<JDIMENSION>(image.width());
    state.info.image_height = static_cast<JDIMENSION>(image.height());
    state.info.input_components = kRgbComponents;
    state.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&state.info);
    jpeg_set_quality(&state.info, state.quality, TRUE);
    jpeg_start_compress(&state.info, TRUE);
    while (state.info.next_scanline < state.info.image_height) {
        const auto y = static_cast<int>(state.info.next_scanline);
        // libjpeg only reads the rows, though its row type is not const.
        JSAMPROW row = const_cast<JSAMPLE*>(image.row(y).data());
        jpeg_write_scanlines(&state.info, &row, 1);
    }
    jpeg_finish_compress(&state.info);
}

// The one place where libjpeg's error exit lands: any fatal error becomes "not written".
bool runGuarded(JpegWriteState& state) {
    if (setjmp(state.jump) != 0) {
        return false;
    }
    encodeGuarded(state);
    return true;
}

} // namespace

bool writeJpeg(const std::string& path, const Image& image, int quality) {
    JpegWriteState state;
    state.info.err = jpeg_std_error(&state.error);
    state.error.error_exit = errorExit;
    state.error.emit_message = ignoreMessage;
    state.error.output_message = ignoreOutput;
    state.info.client_data = &state;
    state.image = &image;
    state.quality = std::clamp(quality, kMinQuality, kMaxQuality);
    state.chunk.resize(kOutputChunk);
    if (!runGuarded(state)) {
        return false;
    }
    return writeFileOrRemove(path, state.encoded);
}

} // namespace vistrel::detail
