// SPDX-License-Identifier: MIT
#include "html/FramedIndex.h"

#include <cinttypes>

#include "app/PageFileNames.h"
#include "app/Settings.h"
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

// What the right-hand frame shows first: the first image page, or without image pages the
// first checked image as the list names it.
std::string firstContent(const PageRun& run, const PageNames& names, std::size_t entryCount) {
    const Settings& s = run.settings;
    if (s.MakePage == 1) {
        return entryCount == 0 ? std::string() : urlStart(names.PageFileName(0, false));
    }
    return run.firstChecked.empty() ? std::string() : imageFolderUrl(s, run.firstChecked);
}

void writeFrameSet(PageStream& page, const PageRun& run, const std::string& first) {
    const Settings& s = run.settings;
    writeDocumentStart(page, true);
    page.print("<TITLE>%s</TITLE>\n", s.Title.c_str());
    page.print("</HEAD>\n");
    page.print("<FRAMESET COLS=\"180,*\">\n");
    page.print("  <FRAME NAME=\"%s\" SRC=\"%s\">\n", s.LeftTarget.c_str(),
               urlStart(menuPageName(s)).c_str());
    page.print("  <FRAME NAME=\"%s\" SRC=\"%s\">\n", s.RightTarget.c_str(), first.c_str());
    page.print("  <NOFRAMES>\n  <P>このページを表示するには、フレームをサポートしているブラウザが"
               "必要です。</P>\n  </NOFRAMES>\n");
    page.print("</FRAMESET>\n</HTML>\n");
}

void writeMenuEntry(PageRun& run, PageStream& page, const PageNames& names, const ImageEntry& entry,
                    std::size_t i) {
    const Settings& s = run.settings;
    const ThumbnailCell cell = thumbnailCell(run, names, entry, i);
    page.print("<CENTER>\n");
    page.print("<TABLE BORDER=\"0\" CELLPADDING=\"5\" CELLSPACING=\"0\">\n");
    page.print("<TR>\n");
    page.print(s.Filter == kFilterDropShadow ? "<TD CLASS=\"filterDropShadow\">\n" : "<TD>\n");
    if (s.SubFolder.empty()) {
        page.print("    <A HREF=\"%s\"><IMG SRC=\"%s\" BORDER=0 WIDTH=\"%" PRId64
                   "\" HEIGHT=\"%" PRId64 "\" ALT=\"%s\"></A>\n",
                   cell.link.c_str(), cell.picture.c_str(), cell.size.width, cell.size.height,
                   cell.alt.c_str());
    } else {
        page.print("    <A HREF=\"%s\"><IMG SRC=\"%s/%s\" BORDER=0 WIDTH=\"%" PRId64
                   "\" HEIGHT=\"%" PRId64 "\" ALT=\"%s\"></A>\n",
                   cell.link.c_str(), urlStart(s.SubFolder).c_str(), cell.picture.c_str(),
                   cell.size.width, cell.size.height, cell.alt.c_str());
    }
    page.print("  </TD>\n");
    page.print("</TR>\n");
    page.print("</TABLE>\n");
    page.print("</CENTER>\n");
    page.print("<CENTER>\n");
    const std::string& comment = entry.comment;
    const char* color = s.CommentColor.c_str();
    if ((s.CommentPos == 1 || s.CommentPos == 4) && !comment.empty()) {
        page.print("<FONT SIZE=\"2\" COLOR=\"%s\">%s<BR><BR></font>\n", color,
                   commentHtml(comment).c_str());
    }
    if ((s.Information & 1) != 0) {
        page.print("<FONT SIZE=\"2\" COLOR=\"%s\">%s<BR></font>\n", color,
                   htmlText(entry.fileName).c_str());
    }
    if ((s.Information & (2 | 8)) != 0) {
        page.print("<FONT SIZE=\"2\" COLOR=\"%s\">%s<BR></FONT>\n", color,
                   indexSizeText(s, entry).c_str());
    }
    if ((s.Information & 4) != 0) {
        page.print("<FONT SIZE=\"2\" COLOR=\"%s\">%s<BR></FONT>\n", color, entry.dateText.c_str());
    }
    if (s.Information > 0) {
        page.print("<BR>\n");
    }
    page.print("</CENTER>\n");
}

// The menu page; false when the user cancelled.
bool writeMenu(PageRun& run, PageStream& page, const PageNames& names,
               const std::vector<ImageEntry>& entries) {
    const Settings& s = run.settings;
    WriteHtmlHead(page, s, {1, 0, 1, 1});
    WriteBodyOpen(page, s);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (run.cancel.testAndClear()) {
            return false;
        }
        run.progress.pump();
        run.progress.setProgress(static_cast<int>(i + 1), static_cast<int>(entries.size()));
        writeMenuEntry(run, page, names, entries[i], i);
    }
    writeIndexHomeLink(page, s);
    page.print("</BODY></HTML>");
    return true;
}

} // namespace

int WriteFramedIndex(PageRun& run, const std::vector<ImageEntry>& entries) {
    const Settings& s = run.settings;
    const std::string frameSetPath = s.HTMLPath + indexPageName(s);
    const PageNames names = pageNamesOf(entries, s);
    PageFile frameSet(frameSetPath);
    writeFrameSet(frameSet.stream(), run, firstContent(run, names, entries.size()));
    finishPage(run, frameSet);
    PageFile menu(s.HTMLPath + menuPageName(s));
    if (!writeMenu(run, menu.stream(), names, entries)) {
        return 0;
    }
    finishPage(run, menu);
    return s.MakePage == 1 ? WriteMainPages(run, entries, names, 1) : 1;
}

} // namespace vistrel
