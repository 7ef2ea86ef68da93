// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "imaging/Image.h"

namespace vistrel {

class Prompter;

// The decoded image the main window shows (and the thumbnail maker draws from): the image of
// the last successful load and a copy of its header, held until the next load, the end of a
// create run or the end of the window.
class CurrentImage {
public:
    // Decodes path by the kind of its name and makes it the current image; the previous image
    // is released first. A failure shows its message ("エラー", stop icon) and returns 0, with
    // no current image left; success returns 1 and, unless noPreview, asks for a preview.
    int LoadSourceImage(const std::string& path, bool noPreview, Prompter& prompter);

    // Frees the header copy; the image itself stays until the next load.
    void ReleaseHeader() { m_header.reset(); }

    // Releases the image and its header (end of a create run, end of the window).
    void release();

    // The header copy of the last load, or nullopt after ReleaseHeader or a failed load.
    const std::optional<ImageHeader>& header() const { return m_header; }

    // The decoded image, or null.
    const Image* image() const { return m_image.get(); }
    Image* image() { return m_image.get(); }

    // Called after a load that should draw the preview (the window repaints its preview box).
    void setPreviewRequest(std::function<void()> request) { m_previewRequest = std::move(request); }

private:
    ImageHandle m_image;
    std::optional<ImageHeader> m_header;
    std::function<void()> m_previewRequest;
};

} // namespace vistrel
