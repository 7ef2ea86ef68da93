// SPDX-License-Identifier: MIT
#include "html/IndexPage.h"

#include <algorithm>
#include <cinttypes>
#include <cstdint>

#include "app/PageFileNames.h"
#include "app/Settings.h"
#include "app/ThumbnailBox.h"
#include "html/EntryPageNames.h"
#include "html/MainPages.h"
#include "html/NameText.h"
#include "html/PageBlocks.h"
#include "html/PageFile.h"
#include "html/PageHead.h"
#include "html/PageRun.h"
#include "html/ThumbnailCell.h"
#include "names/PageNames.h"
#include "platform/CancelFlag.h"
#include "platform/ProgressSink.h"
#include "text/PageStream.h"

namespace vistrel {
namespace {

constexpr int kFilterDropShadow = 2;
constexpr int kOtherSize = 5;

// In 64 bits, so that no value a settings file holds can overflow.
std::int64_t cellWidth(const Settings& s) {
    return s.Thumbres == kOtherSize ? std::int64_t{s.ThumSize} + 30
                                    : 20 * std::int64_t{s.Thumbres} + 60;
}

bool showsComment(const Settings& s, const std::string& comment) {
    return (s.CommentPos == 1 || s.CommentPos == 4) && !comment.empty();
}

void writeLinkedThumbnail(PageStream& page, const Settings& s, const ThumbnailCell& cell) {
    const std::int64_t w = cell.size.width;
    const std::int64_t h = cell.size.height;
    const char* link = cell.link.c_str();
    const char* alt = cell.alt.c_str();
    const char* picture = cell.picture.c_str();
    if (s.Window != 0 && s.SubFolder.empty()) {
        page.print("          <A HREF=\"%s\" TARGET=\"_blank\"><IMG SRC=\"%s\" WIDTH=\"%" PRId64
                   "\" HEIGHT=\"%" PRId64 "\" ALT=\"%s\" BORDER=\"0\"></A>\n",
                   link, picture, w, h, alt);
    } else if (s.Window != 0) {
        page.print("          <A HREF=\"%s\" TARGET=\"_blank\"><IMG SRC=\"%s/%s\" WIDTH=\"%" PRId64
                   "\" HEIGHT=\"%" PRId64 "\" ALT=\"%s\" BORDER=\"0\"></A>\n",
                   link, urlStart(s.SubFolder).c_str(), picture, w, h, alt);
    } else if (s.SubFolder.empty()) {
        page.print("          <A HREF=\"%s\"><IMG SRC=\"%s\" WIDTH=\"%" PRId64
                   "\" HEIGHT=\"%" PRId64 "\" ALT=\"%s\" BORDER=\"0\"></A>\n",
                   link, picture, w, h, alt);
    } else {
        page.print("          <A HREF=\"%s\"><IMG SRC=\"%s/%s\" WIDTH=\"%" PRId64
                   "\" HEIGHT=\"%" PRId64 "\" ALT=\"%s\" BORDER=\"0\"></A>\n",
                   link, urlStart(s.SubFolder).c_str(), picture, w, h, alt);
    }
}

void writeTextRow(PageStream& page, const Settings& s, const ImageEntry* entry,
                  const std::string& comment) {
    page.print("      <TR>\n");
    page.print("        <TD HEIGHT=\"%d\" ALIGN=\"CENTER\" VALIGN=\"MIDDLE\">\n", s.ThumSize / 2);
    if (entry == nullptr) {
        page.print("<BR>\n");
    } else {
        const char* color = s.CommentColor.c_str();
        if (showsComment(s, comment)) {
            page.print("          <FONT SIZE=\"2\" COLOR=\"%s\">%s<BR><BR></font>\n", color,
                       commentHtml(comment).c_str());
        }
        if (s.Information != 0) {
            if ((s.Information & 1) != 0) {
                page.print("          <FONT SIZE=\"2\" COLOR=\"%s\">%s</FONT><BR>\n", color,
                           htmlText(entry->fileName).c_str());
            }
            if ((s.Information & (2 | 8)) != 0) {
                page.print("          <FONT SIZE=\"2\" COLOR=\"%s\">%s</FONT><BR>\n", color,
                           indexSizeText(s, *entry).c_str());
            }
            if ((s.Information & 4) != 0) {
                page.print("          <FONT SIZE=\"2\" COLOR=\"%s\">%s<BR></FONT>\n", color,
                           entry->dateText.c_str());
            }
        }
    }
    page.print("        </TD>\n");
    page.print("      </TR>\n");
}

void writeCell(PageRun& run, PageStream& page, const PageNames& names,
               const std::vector<ImageEntry>& entries, std::size_t index) {
    const Settings& s = run.settings;
    const ImageEntry* entry = index < entries.size() ? &entries[index] : nullptr;
    ThumbnailCell cell;
    if (entry != nullptr) {
        cell = thumbnailCell(run, names, *entry, index);
    } else {
        cell.size = {thumbnailBox(s), thumbnailBox(s)};
    }
    page.print("  <TD WIDTH=\"%" PRId64 "\">\n", cellWidth(s));
    page.print("    <TABLE ALIGN=\"CENTER\" CELLPADDING=\"4\" CELLSPACING=\"1\">\n");
    page.print("      <TR>\n");
    if (s.Filter == kFilterDropShadow) {
        page.print("        <TD CLASS=\"filterDropShadow\" HEIGHT=\"%" PRId64 "\" WIDTH= \"%" PRId64
                   "\" ALIGN=\"CENTER\" VALIGN=\"MIDDLE\">\n",
                   cellWidth(s), cell.size.width + 12);
    } else {
        page.print("        <TD HEIGHT=\"%" PRId64 "\" WIDTH= \"%" PRId64
                   "\" ALIGN=\"CENTER\" VALIGN=\"MIDDLE\">\n",
                   cellWidth(s), cell.size.width + 12);
    }
    if (entry == nullptr) {
        page.print("<BR>\n");
    } else {
        writeLinkedThumbnail(page, s, cell);
    }
    page.print("        </TD>\n");
    page.print("      </TR>\n");
    const std::string comment = entry != nullptr ? entry->comment : "";
    if (showsComment(s, comment) || s.Information != 0) {
        writeTextRow(page, s, entry, comment);
    }
    page.print("    </TABLE>\n");
    page.print("  </TD>\n");
}

void writeIndexStart(PageStream& page, const Settings& s) {
    WriteHtmlHead(page, s, {0, 0, 1, 1});
    WriteBodyOpen(page, s);
    page.print("<CENTER>\n");
    writeTitleHeading(page, s);
    page.print("<HR width=\"90%%\" size=\"2\" COLOR=\"#800040\" noshade>\n<BR><BR>\n");
    page.print("</CENTER>\n");
    page.print("<CENTER>\n");
    page.print("<TABLE BORDER=\"%d\" CELLSPACING=\"1\" CELLPADDING=\"6\" ALIGN=\"CENTER\">\n",
               s.Border);
}

void writeIndexEnd(PageStream& page, const Settings& s) {
    page.print("</TABLE>\n");
    page.print("</CENTER>\n");
    page.print("<BR><BR>\n<HR width=\"90%%\" size=\"2\" COLOR=\"#800040\" noshade>\n<BR>\n");
    writeIndexHomeLink(page, s);
    page.print("</BODY>\n</HTML>");
}

// The grid of the index; false when the user cancelled.
bool writeGrid(PageRun& run, PageStream& page, const PageNames& names,
               const std::vector<ImageEntry>& entries) {
    const Settings& s = run.settings;
    // A hand-edited ImageNum of 0 would divide by zero; the settings page never stores it.
    const int perRow = std::max(1, s.ImageNum);
    const int last = static_cast<int>(entries.size()) - 1;
    const int rows = last / perRow + 1;
    for (int row = 0; row < rows; ++row) {
        run.progress.pump();
        if (run.cancel.testAndClear()) {
            return false;
        }
        page.print("<TR>\n");
        for (int column = 0; column < perRow; ++column) {
            const int index = row * perRow + column;
            run.progress.pump();
            writeCell(run, page, names, entries, static_cast<std::size_t>(index));
            // Counted once the cell is written, so the last cell fills the bar.
            run.progress.setProgress(index + 1, rows * perRow);
        }
        page.print("</TR>\n");
    }
    return true;
}

} // namespace

int WriteIndexPage(PageRun& run, const std::vector<ImageEntry>& entries) {
    const Settings& s = run.settings;
    const std::string indexPath = s.HTMLPath + indexPageName(s);
    const PageNames names = pageNamesOf(entries, s);
    PageFile page(indexPath);
    writeIndexStart(page.stream(), s);
    if (!writeGrid(run, page.stream(), names, entries)) {
        return 0;
    }
    writeIndexEnd(page.stream(), s);
    finishPage(run, page);
    return s.MakePage == 1 ? WriteMainPages(run, entries, names, 1) : 1;
}

} // namespace vistrel
