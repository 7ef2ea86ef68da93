// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>

namespace vistrel {

// Where a thumbnail goes: its full path and its file name alone.
struct ThumbnailName {
    std::string path;
    std::string fileName;

    bool operator==(const ThumbnailName&) const = default;
};

// Names the thumbnails of one collection of entries, in entry order. It remembers the name
// stems of the entries named so far, so a name costs the same for the thousandth entry as for
// the first.
class ThumbnailNamer {
public:
    // folder is the output image folder (ending in "/"), imageCase the ImageCase setting.
    // mainImageNames are the file names the run's main images get in the output image folder;
    // a thumbnail never takes one of them.
    ThumbnailNamer(std::string folder, std::int32_t imageCase,
                   std::unordered_set<std::string> mainImageNames = {});

    // The thumbnail of entry i (call once per entry, i = 0, 1, 2 ...), whose file name
    // fileName is already in the case of ImageCase. kind chooses the extension: 0 ".png",
    // 2 ".jpg", 4 ".gif" (2 x ThumbType); any other kind gives none. ImageCase 0 upper-cases
    // extension and suffix, any other value lower-cases them.
    //
    // The stem is fileName before its last "." (empty without a "."); the name is stem +
    // suffix + extension. When an earlier entry had the same fileName up to and including its
    // last "." (bytes compared, so case counts), or when the name is one of the main image
    // names, i in decimal goes before the suffix: photo.jpg, photo.png give photo_thumb.png,
    // photo1_thumb.png, and a.jpg beside a main image a_thumb.jpg gets a0_thumb.jpg (ThumbType
    // 1). The path is the output image folder + the name.
    ThumbnailName MakeThumbnailName(std::int32_t i, const std::string& fileName, std::int32_t kind,
                                    std::string_view suffix);

private:
    std::string m_folder;
    std::int32_t m_imageCase = 0;
    std::unordered_set<std::string> m_keys;
    std::unordered_set<std::string> m_mainImageNames;
};

} // namespace vistrel
