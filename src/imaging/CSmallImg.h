// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "imaging/ThumbnailRenderer.h"

namespace vistrel {

class CurrentImage;

// The thumbnail maker: the index writers set the size and path of each thumbnail and have it
// drawn from the current image. The window owns one for its lifetime.
class CSmallImg {
public:
    explicit CSmallImg(ThumbnailOptions options) : m_options(options) {}

    void SetThumbnailSize(std::int32_t width, std::int32_t height) { m_size = {width, height}; }
    void SetThumbnailPath(std::string path) { m_path = std::move(path); }

    // Draws the current image into a thumbnail of the set size and writes it to the set path.
    // Nothing happens when the current image has no header. Failures are silent.
    void ProduceThumbnail(CurrentImage& current);

private:
    ThumbnailOptions m_options;
    ThumbnailSize m_size;
    std::string m_path;
};

} // namespace vistrel
