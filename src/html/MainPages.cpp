// SPDX-License-Identifier: MIT
#include "html/MainPages.h"

#include <cinttypes>
#include <cstdint>
#include <optional>

#include "app/PageFileNames.h"
#include "app/Settings.h"
#include "exif/ExifReader.h"
#include "exif/ExifRows.h"
#include "html/NameText.h"
#include "html/PageBlocks.h"
#include "html/PageFile.h"
#include "html/PageHead.h"
#include "html/PageRun.h"
#include "names/ImageKind.h"
#include "names/PageNames.h"
#include "platform/CancelFlag.h"
#include "platform/ProgressSink.h"
#include "text/PageStream.h"

namespace vistrel {
namespace {

constexpr std::uint16_t kExifItemBits = 0x0FFF;

// How the image element gives the display size.
enum class SizeForm { Plain, PercentWidth, PercentBoth, Pixels };

// Sides in 64 bits: Resx times the ratio of a long narrow image can pass 32 bits.
struct DisplaySize {
    SizeForm form = SizeForm::Plain;
    std::int64_t width = 0;
    std::int64_t height = 0;
};

DisplaySize displaySize(const Settings& s, const ImageEntry& entry) {
    if (entry.width == 0) {
        return {};
    }
    if (s.Changeres == 0) {
        return {SizeForm::Pixels, entry.width, entry.height};
    }
    if (s.Unit == 1) {
        if (s.KeepRatio == 1) {
            return {SizeForm::PercentWidth, std::min(s.Resx, s.Resy), 0};
        }
        return {SizeForm::PercentBoth, s.Resx, s.Resy};
    }
    if (s.KeepRatio != 1) {
        return {SizeForm::Pixels, s.Resx, s.Resy};
    }
    const double w = entry.width;
    const double h = entry.height;
    if (s.Resx / w < s.Resy / h) {
        return {SizeForm::Pixels, s.Resx, static_cast<std::int64_t>(s.Resx * (h / w))};
    }
    return {SizeForm::Pixels, static_cast<std::int64_t>(s.Resy * (w / h)), s.Resy};
}

void writeImageElement(PageStream& page, const Settings& s, const ImageEntry& entry) {
    const DisplaySize size = displaySize(s, entry);
    const bool sub = !s.SubFolder.empty();
    const std::string folder = urlStart(s.SubFolder);
    const std::string source = sub ? urlSegment(entry.fileName) : urlStart(entry.fileName);
    const std::string alt = htmlText(entry.fileName);
    const char* f = folder.c_str();
    const char* src = source.c_str();
    const char* a = alt.c_str();
    switch (size.form) {
    case SizeForm::Plain:
        sub ? page.print("<IMG SRC=\"%s/%s\" BORDER=\"0\" ALT=\"%s\">\n", f, src, a)
            : page.print("<IMG SRC=\"%s\" BORDER=\"0\" ALT=\"%s\">\n", src, a);
        break;
    case SizeForm::PercentWidth:
        sub ? page.print("<IMG SRC=\"%s/%s\" BORDER=\"0\" WIDTH=\"%" PRId64 "%%\" ALT=\"%s\">\n", f,
                         src, size.width, a)
            : page.print("<IMG SRC=\"%s\" BORDER=\"0\" WIDTH=\"%" PRId64 "%%\" ALT=\"%s\">\n", src,
                         size.width, a);
        break;
    case SizeForm::PercentBoth:
        sub ? page.print("<IMG SRC=\"%s/%s\" BORDER=\"0\" WIDTH=\"%" PRId64 "%%\" HEIGHT=\"%" PRId64
                         "%%\" ALT=\"%s\">\n",
                         f, src, size.width, size.height, a)
            : page.print("<IMG SRC=\"%s\" BORDER=\"0\" WIDTH=\"%" PRId64 "%%\" HEIGHT=\"%" PRId64
                         "%%\" ALT=\"%s\">\n",
                         src, size.width, size.height, a);
        break;
    case SizeForm::Pixels:
        sub ? page.print("<IMG SRC=\"%s/%s\" BORDER=\"0\" WIDTH=\"%" PRId64 "\" HEIGHT=\"%" PRId64
                         "\" ALT=\"%s\">\n",
                         f, src, size.width, size.height, a)
            : page.print("<IMG SRC=\"%s\" BORDER=\"0\" WIDTH=\"%" PRId64 "\" HEIGHT=\"%" PRId64
                         "\" ALT=\"%s\">\n",
                         src, size.width, size.height, a);
        break;
    }
}

void writeLinkedImage(PageStream& page, const Settings& s, const ImageEntry& entry,
                      const std::optional<std::string>& nextPage) {
    switch (s.MainClick) {
    case 0:
        writeImageElement(page, s, entry);
        break;
    case 1:
        page.print("<A HREF=\"%s\" target=\"_top\">", urlStart(indexPageName(s)).c_str());
        writeImageElement(page, s, entry);
        page.print("</A>\n");
        break;
    case 2:
        if (nextPage) {
            page.print("<A HREF=\"%s\">", urlStart(*nextPage).c_str());
            writeImageElement(page, s, entry);
            page.print("</A>\n");
        } else {
            writeImageElement(page, s, entry);
        }
        break;
    case 3:
        if (s.SubFolder.empty()) {
            page.print("<A HREF=\"%s\" target=\"_blank\">\n", urlStart(entry.fileName).c_str());
        } else {
            page.print("<A HREF=\"%s/%s\" target=\"_blank\">\n", urlStart(s.SubFolder).c_str(),
                       urlSegment(entry.fileName).c_str());
        }
        writeImageElement(page, s, entry);
        page.print("</A>\n");
        break;
    default:
        break;
    }
}

// The EXIF rows of the page of entry, or nullopt when the page has no EXIF block.
std::optional<std::vector<ExifRow>> exifRows(const Settings& s, const ImageEntry& entry) {
    if ((s.ExifInfo & kExifItemBits) == 0 || ClassifyImageName(entry.fileName) != ImageKind::Jpeg) {
        return std::nullopt;
    }
    ExifReader reader(entry.sourcePath);
    if (!readExifBlock(reader)) {
        return std::nullopt;
    }
    return selectExifRows(reader, s.ExifInfo);
}

void writeInformation(PageStream& page, const Settings& s, const ImageEntry& entry) {
    std::vector<InfoItem> items = collectFileItems(s, entry);
    const std::size_t fileCount = items.size();
    std::size_t exifCount = 0;
    if (const auto rows = exifRows(s, entry)) {
        for (const auto& row : *rows) {
            items.push_back({row.label, row.value});
        }
        exifCount = rows->size();
    }
    WriteInfoTable(page, s, items, fileCount, exifCount);
}

void writeFoot(PageStream& page, const Settings& s, int withNavigation) {
    const bool bothInNavigation = s.TOPLAYOUT == 1 && s.THUMBLAYOUT == 1;
    if (!bothInNavigation) {
        page.print("<P>\n<CENTER>\n");
    }
    if (withNavigation == 1 && s.THUMBLAYOUT != 1) {
        WriteIndexLink(page, s);
    }
    if (s.TOPLAYOUT != 1) {
        WriteHomeLink(page, s);
    }
    if (!bothInNavigation) {
        page.print("</CENTER>\n</P>\n");
    }
    page.print("</BODY>\n</HTML>");
}

void writeMainPage(PageRun& run, PageStream& page, const std::vector<ImageEntry>& entries,
                   const PageNames& names, std::size_t i, int withNavigation) {
    const Settings& s = run.settings;
    const ImageEntry& entry = entries[i];
    const std::size_t last = entries.size() - 1;
    WriteHtmlHead(page, s, {0, 0, 1, 0});
    WriteBodyOpen(page, s);
    page.print("<CENTER>\n");
    writeTitleHeading(page, s);
    if (withNavigation == 1 && (s.NavPos & 2) != 0) {
        WriteNavTable(page, s, names, entries, i, last);
    }
    std::optional<std::string> nextPage;
    if (i < last) {
        nextPage = names.PageFileName(i + 1, false);
    }
    writeLinkedImage(page, s, entry, nextPage);
    if (withNavigation == 1 && (s.NavPos & 1) != 0) {
        WriteNavTable(page, s, names, entries, i, last);
    }
    const std::string& comment = entry.comment;
    if ((s.CommentPos == 2 || s.CommentPos == 4) && !comment.empty()) {
        WriteCommentTable(page, s, comment);
    }
    writeInformation(page, s, entry);
    page.print("</CENTER>\n");
    writeFoot(page, s, withNavigation);
}

} // namespace

int WriteMainPages(PageRun& run, const std::vector<ImageEntry>& entries, const PageNames& names,
                   int withNavigation) {
    Settings& s = run.settings;
    if (s.ExifItemCount == 0) {
        s.ExifItemCount = selectedExifItemCount(s.ExifInfo);
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (run.cancel.testAndClear()) {
            return 0;
        }
        PageFile page(names.PageFileName(i, true));
        writeMainPage(run, page.stream(), entries, names, i, withNavigation);
        finishPage(run, page);
        run.progress.pump();
    }
    return 1;
}

} // namespace vistrel
