// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "catalogue/ImageEntry.h"

namespace vistrel {

class PageNames;
class PageStream;
struct Settings;

// One row item of the information table: a label and its value, as plain text.
struct InfoItem {
    std::string label;
    std::string value;
};

// The navigation table of image i (of 0 to last): previous link, index and home links as
// TOPLAYOUT and THUMBLAYOUT place them, next link.
void WriteNavTable(PageStream& page, const Settings& settings, const PageNames& names,
                   const std::vector<ImageEntry>& entries, std::size_t i, std::size_t last);

// The link back to the index page, followed by three ideographic spaces; nothing with frames.
void WriteIndexLink(PageStream& page, const Settings& settings);

// The link to the home page; nothing when HPURL is empty.
void WriteHomeLink(PageStream& page, const Settings& settings);

// The home link at the foot of an index or menu page, in a centred paragraph, always opening in
// the top window; nothing when HPURL is empty.
void writeIndexHomeLink(PageStream& page, const Settings& settings);

// The comment of one image in a centred table.
void WriteCommentTable(PageStream& page, const Settings& settings, const std::string& comment);

// The file items MainInfo selects for entry, in their fixed order.
std::vector<InfoItem> collectFileItems(const Settings& settings, const ImageEntry& entry);

// The two-column information table: items holds fileCount file items, then exifCount EXIF
// items. Texts are written as element text (markup characters as entities).
void WriteInfoTable(PageStream& page, const Settings& settings, const std::vector<InfoItem>& items,
                    std::size_t fileCount, std::size_t exifCount);

} // namespace vistrel
