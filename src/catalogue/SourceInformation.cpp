// SPDX-License-Identifier: MIT
#include "catalogue/SourceInformation.h"

#include <cstdio>

#include "catalogue/CurrentImage.h"
#include "imaging/ImageLibrary.h"
#include "names/ImageKind.h"

namespace vistrel {
namespace {

constexpr const char* kResolutionFormat = "%d x %d　Pixel";
constexpr const char* kColoursFormat = "%lu　色";
constexpr const char* kNotAnImageResolution = " ";

std::string formatted(const char* format, auto... values) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

} // namespace

std::optional<SourceInformation> ShowListRow(const std::string& folderText, const std::string& name,
                                             CurrentImage& current, Prompter& prompter) {
    const std::string path = folderText + name;
    if (ClassifyImageName(name) == ImageKind::None) {
        return SourceInformation{false, kNotAnImageResolution, ""};
    }
    if (current.LoadSourceImage(path, false, prompter) == 0) {
        return std::nullopt;
    }
    SourceInformation information;
    information.isImage = true;
    information.resolution =
        formatted(kResolutionFormat, current.header()->width, current.header()->height);
    information.colours =
        formatted(kColoursFormat, static_cast<unsigned long>(GetColorCount(*current.image())));
    current.ReleaseHeader();
    return information;
}

PreviewRect fitPreview(int boxWidth, int boxHeight, int width, int height) {
    if (width <= 0 || height <= 0 || boxHeight <= 0) {
        return {};
    }
    if (boxWidth > width && boxHeight > height) {
        return {static_cast<int>((boxWidth - width) * 0.5),
                static_cast<int>((boxHeight - height) * 0.5), width, height};
    }
    const double ratio = static_cast<double>(width) / height;
    const double cw = boxWidth;
    const double ch = boxHeight;
    if (cw / ch <= ratio) {
        return {0, static_cast<int>((ch - cw / ratio) * 0.5), boxWidth,
                static_cast<int>(cw / ratio)};
    }
    return {static_cast<int>((cw - ch * ratio) * 0.5), 0, static_cast<int>(ch * ratio), boxHeight};
}

} // namespace vistrel
