// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vistrel {

class CurrentImage;
class Prompter;

// The texts of the source image information boxes.
struct SourceInformation {
    bool isImage = false;   // false: the preview shows the not-an-image text instead
    std::string resolution; // "%d x %d　Pixel", or " " for a file that is not an image
    std::string colours;    // "%lu　色", or empty for a file that is not an image
};

// The text the preview shows for a file whose name is not an image.
inline constexpr const char* kNotAnImageText = "画像ではありません";

// What the window shows for the file folderText + name of a list row: the image is loaded as
// the current image (preview requested) and the header copy released afterwards. nullopt when
// the load failed (its message was shown; the boxes keep what they showed).
std::optional<SourceInformation> ShowListRow(const std::string& folderText, const std::string& name,
                                             CurrentImage& current, Prompter& prompter);

// Where the preview draws an image of width x height in a box of boxWidth x boxHeight: at its
// own size, centred, when it is smaller in both directions; otherwise fitted to the box,
// keeping its proportions, centred along the other direction.
struct PreviewRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const PreviewRect&, const PreviewRect&) = default;
};

PreviewRect fitPreview(int boxWidth, int boxHeight, int width, int height);

} // namespace vistrel
