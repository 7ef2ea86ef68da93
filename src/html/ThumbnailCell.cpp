// SPDX-License-Identifier: MIT
#include "html/ThumbnailCell.h"

#include "app/Settings.h"
#include "app/ThumbnailBox.h"
#include "html/NameText.h"
#include "html/PageRun.h"
#include "names/PageNames.h"

namespace vistrel {

ThumbnailCell thumbnailCell(const PageRun& run, const PageNames& names, const ImageEntry& entry,
                            std::size_t i) {
    const Settings& s = run.settings;
    const std::int64_t box = thumbnailBox(s);
    ThumbnailCell cell;
    cell.link = s.MakePage == 1 ? urlStart(names.PageFileName(i, false))
                                : imageFolderUrl(s, entry.fileName);
    if (entry.width == 0) {
        cell.size = {box, box};
        cell.picture = entry.fileName;
    } else {
        cell.size = thumbnailSize(entry.width, entry.height, box);
        cell.picture = entry.thumbMissing ? entry.fileName : entry.thumbFileName;
    }
    cell.alt = htmlText(cell.picture);
    cell.picture = s.SubFolder.empty() ? urlStart(cell.picture) : urlSegment(cell.picture);
    return cell;
}

std::string indexSizeText(const Settings& s, const ImageEntry& entry) {
    std::string text;
    if ((s.Information & 8) != 0) {
        text = std::to_string(entry.width) + " x " + std::to_string(entry.height);
    }
    if ((s.Information & 2) != 0) {
        text += " （" + entry.sizeText + "）";
    }
    return text;
}

std::string imageFolderUrl(const Settings& s, const std::string& name) {
    if (s.SubFolder.empty()) {
        return urlStart(name);
    }
    return urlStart(s.SubFolder) + "/" + urlSegment(name);
}

} // namespace vistrel
