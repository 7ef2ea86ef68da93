// SPDX-License-Identifier: MIT
#include <cinttypes>
#include <cstdint>
#include <string>

#include "app/PageFileNames.h"
#include "app/Settings.h"
#include "html/NameText.h"
#include "html/PageFile.h"
#include "html/PageRun.h"
#include "html/SlideShow.h"
#include "html/ThumbnailCell.h"
#include "platform/ProgressSink.h"
#include "text/PageStream.h"

namespace vistrel {
namespace {

constexpr int kEmbedTag = 0;
constexpr int kRepeatEndless = 0;
constexpr int kRepeatOnce = 1;
constexpr int kRepeatCount = 2;

void writeBodyOpen(PageStream& page, const Settings& s) {
    const bool waits = s.Button != 0 && s.Start != 0;
    const char* onLoad = waits ? "showFrame(0);" : "animate();";
    if (s.UseImage != 0 && s.SubFolder.empty()) {
        page.print("<BODY BACKGROUND=\"%s\" BGCOLOR=\"%s\" LINK=\"%s\" VLINK=\"%s\" ALINK=\"%s\" "
                   "onLoad=\"%s\">\n",
                   urlStart(s.BGImageName).c_str(), s.BGColor.c_str(), s.AlinkColor.c_str(),
                   s.VlinkColor.c_str(), s.HlinkColor.c_str(), onLoad);
    } else if (s.UseImage != 0) {
        page.print("<BODY BACKGROUND=\"%s/%s\" BGCOLOR=\"%s\" LINK=\"%s\" VLINK=\"%s\" "
                   "ALINK=\"%s\" onLoad=\"%s\">\n",
                   urlStart(s.SubFolder).c_str(), urlSegment(s.BGImageName).c_str(),
                   s.BGColor.c_str(), s.AlinkColor.c_str(), s.VlinkColor.c_str(),
                   s.HlinkColor.c_str(), onLoad);
    } else {
        page.print("<BODY BGCOLOR=\"%s\" LINK=\"%s\" VLINK=\"%s\" ALINK=\"%s\" onLoad=\"%s\">\n",
                   s.BGColor.c_str(), s.AlinkColor.c_str(), s.VlinkColor.c_str(),
                   s.HlinkColor.c_str(), onLoad);
    }
}

void writeCommentLine(PageStream& page, const Settings& s) {
    page.print("<P>\n");
    page.print("<TABLE BORDER=\"0\" CELLPADDING=\"4\" CELLSPACING=\"0\" WIDTH=\"440\">");
    page.print("<TR>");
    page.print(s.Align != 0 ? "<TD ALIGN=\"CENTER\">" : "<TD>");
    if (s.SetCommentCol != 0) {
        page.print("<FONT SIZE=\"3\" COLOR=\"%s\">\n", s.CommentColor.c_str());
    } else {
        page.print("<FONT SIZE=\"3\" COLOR=\"#000000\">\n");
    }
    page.print("<DIV ID=\"comment\">初期文字</DIV></FONT></TD>\n");
    page.print("</TR>\n");
    page.print("</TABLE>\n</P>\n");
}

// The start button names the page's function through window: inside a button's handler a bare
// animate() finds the button's own animate() method first, which current browsers give every
// element, and the show could never be restarted.
void writeButtons(PageStream& page) {
    page.print("<FORM>\n");
    page.print("<INPUT TYPE=button VALUE=\"自動\" onClick=\"if (timeout_id == null) "
               "window.animate()\">\n");
    page.print("<INPUT TYPE=button VALUE=\"停止\" onClick=\"if (timeout_id) "
               "clearTimeout(timeout_id); timeout_id=null;\">\n");
    page.print("<INPUT TYPE=button VALUE=\"前へ\" onClick=\"if (timeout_id) "
               "clearTimeout(timeout_id); timeout_id=null; showFrame(1);\">\n");
    page.print("<INPUT TYPE=button VALUE=\"次へ\" onClick=\"if (timeout_id) "
               "clearTimeout(timeout_id); timeout_id=null; showFrame(0);\">\n");
    page.print("</FORM>\n");
}

void writeMusic(PageStream& page, const Settings& s) {
    const bool ownParagraph = s.Button == 0 && s.Comment == 0;
    if (ownParagraph) {
        page.print("<P>\n");
    }
    const std::string music = imageFolderUrl(s, s.MIDIFileName);
    if (s.Tag == kEmbedTag) {
        page.print("<EMBED SRC=\"%s\"", music.c_str());
        if (s.Repeat == kRepeatEndless) {
            page.print(" REPEAT=\"TRUE\" LOOP=\"TRUE\"");
        } else if (s.Repeat == kRepeatOnce) {
            page.print(" REPEAT=\"FALSE\" LOOP=\"FALSE\"");
        } else if (s.Repeat == kRepeatCount) {
            page.print(" REPEAT=\"%d\"", s.RepeatVal);
        }
        page.print(" VOLUME=\"%d\"", s.Volume);
        page.print(s.AutoPlay != 0 ? " AUTOSTART=\"TRUE\"" : " AUTOSTART=\"FALSE\"");
        page.print(s.Panel != 0 ? " WIDTH=\"100\" HEIGHT=\"30\"" : " WIDTH=\"1\" HEIGHT=\"1\"");
        page.print(" TYPE=\"audio/midi\">\n");
    } else {
        page.print("<BGSOUND SRC=\"%s\"", music.c_str());
        if (s.Repeat == kRepeatEndless) {
            page.print(" LOOP=\"infinite\"");
        } else if (s.Repeat == kRepeatOnce) {
            page.print(" LOOP=\"1\"");
        } else if (s.Repeat == kRepeatCount) {
            page.print(" LOOP=\"%d\"", s.RepeatVal);
        }
        // In 64 bits: a Volume far outside 0 to 100 must not overflow.
        page.print(" VOLUME=\"%" PRId64 "\"", (std::int64_t{s.Volume} - 100) * 100);
        page.print(">\n");
    }
    if (ownParagraph) {
        page.print("</P>\n");
    }
}

void writeBody(PageStream& page, const Settings& s, const std::vector<ImageEntry>& entries) {
    writeBodyOpen(page, s);
    page.print("<CENTER>\n");
    if (!s.Title.empty()) {
        page.print("<H1 class=\"TITLE\">%s</H1>\n", s.Title.c_str());
    }
    const std::string first = entries.empty() ? std::string() : entries.front().fileName;
    if (s.SubFolder.empty()) {
        page.print("<IMG NAME=\"slideshow\" ID=\"slideshow\" SRC=\"%s\" BORDER=\"0\">\n",
                   urlStart(first).c_str());
    } else {
        page.print("<IMG NAME=\"slideshow\" ID=\"slideshow\" SRC=\"%s/%s\" BORDER=\"0\">\n",
                   urlStart(s.SubFolder).c_str(), urlSegment(first).c_str());
    }
    if (s.Comment != 0) {
        writeCommentLine(page, s);
    }
    if (s.Button != 0) {
        writeButtons(page);
    }
    if (s.PlayMusic != 0) {
        writeMusic(page, s);
    }
    if (!s.HPURL.empty()) {
        page.print("<P>\n");
        page.print("<A HREF=\"%s\">%s</A>\n", s.HPURL.c_str(), s.HPName.c_str());
        page.print("</P>\n");
    }
    page.print("</CENTER>\n");
    page.print("</BODY>\n</HTML>");
}

} // namespace

int WriteSlideShowPage(PageRun& run, const std::vector<ImageEntry>& entries) {
    const Settings& s = run.settings;
    PageFile page(s.HTMLPath + indexPageName(s));
    WriteSlideShowHead(page.stream(), s, entries);
    writeBody(page.stream(), s, entries);
    finishPage(run, page);
    return 1;
}

} // namespace vistrel
