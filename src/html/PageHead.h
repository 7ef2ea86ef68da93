// SPDX-License-Identifier: MIT
#pragma once

namespace vistrel {

class PageStream;
struct Settings;

// The switches of WriteHtmlHead; only the value 1 means on.
struct HeadSwitches {
    int withBaseTarget = 0;      // BASE TARGET = RightTarget (the menu page)
    int framesetDoctype = 0;     // the frameset document type
    int withStyle = 0;           // the style sheet with the title rule
    int withThumbnailStyles = 0; // and the rules for linked thumbnails
};

// The first lines every page shares: document type (frameset or transitional), HTML element,
// content type and generator.
void writeDocumentStart(PageStream& page, bool framesetDoctype);

// The document head every index, menu and image page begins with: document type, HTML element,
// content type and generator, title, optional base target and style sheet.
void WriteHtmlHead(PageStream& page, const Settings& settings, HeadSwitches switches);

// The BODY tag of the index, menu and image pages: background image or colour and link colours.
void WriteBodyOpen(PageStream& page, const Settings& settings);

// The title heading, written only when Title is not empty.
void writeTitleHeading(PageStream& page, const Settings& settings);

} // namespace vistrel
