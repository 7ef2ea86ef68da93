// SPDX-License-Identifier: MIT
#include "html/PageHead.h"

#include <string>

#include "app/Settings.h"
#include "app/Version.h"
#include "html/NameText.h"
#include "text/PageStream.h"

namespace vistrel {
namespace {

constexpr const char* kNoFontFace = "指定しない";
constexpr int kFilterNone = 0;
constexpr int kFilterAlpha = 1;
constexpr int kFilterDropShadow = 2;

void writeTitleRule(PageStream& page, const Settings& s) {
    page.print("H1.TITLE {\n");
    if (s.FontFace != kNoFontFace) {
        page.print("font-size : %s pt;\n", s.FontSize.c_str());
        page.print("font-family : \"%s\";\n", s.FontFace.c_str());
    }
    if (s.SetTitleColor != 0) {
        page.print("color : %s;\n", s.TitleColor.c_str());
    }
    page.print("}\n");
}

void writeThumbnailRules(PageStream& page, const Settings& s) {
    if (s.Hover != 0) {
        if (s.Filter == kFilterNone || s.Filter == kFilterDropShadow) {
            page.print("a img {\n");
            page.print("\tborder: 4px none;\n");
            page.print("}\n");
        } else if (s.Filter == kFilterAlpha) {
            page.print("a img {\n");
            page.print("\tborder: 4px none;\n");
            page.print("\tfilter: Alpha(opacity=50);\n");
            page.print("}\n");
        }
        page.print("a:hover img {\n");
        page.print("\tborder: 4px ridge mediumaquamarine; filter: Alpha(opacity=100);\n");
        page.print("}\n");
    } else if (s.Filter == kFilterAlpha) {
        page.print("a img {\n");
        page.print("\tfilter: Alpha(opacity=50);\n");
        page.print("}\n");
        page.print("a:hover img {\n");
        page.print("\tfilter: Alpha(opacity=100);\n");
        page.print("}\n");
    }
    if (s.Filter == kFilterDropShadow) {
        page.print("td.filterDropShadow {\n");
        page.print("\tfilter: DropShadow(OffX=2,OffY=2,Color=Gray,Positive=true);\n");
        page.print("}\n");
    }
}

} // namespace

void writeDocumentStart(PageStream& page, bool framesetDoctype) {
    if (framesetDoctype) {
        page.print("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Frameset//EN\">\n");
    } else {
        page.print("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n");
    }
    page.print("<HTML LANG=\"ja\">\n");
    page.print("<HEAD>\n<META http-equiv=\"Content-Type\" content=\"text/html; "
               "charset=Shift_JIS\">\n");
    page.print("<META name=\"GENERATOR\" content=\"Vistrel Version %s\">\n",
               std::string(kVersionText).c_str());
}

void WriteHtmlHead(PageStream& page, const Settings& s, HeadSwitches switches) {
    writeDocumentStart(page, switches.framesetDoctype == 1);
    page.print("<TITLE>%s</TITLE>\n", s.Title.c_str());
    if (switches.withBaseTarget == 1) {
        page.print("<BASE TARGET=\"%s\">\n", s.RightTarget.c_str());
    }
    if (switches.withStyle == 1) {
        page.print("\n<STYLE type=\"text/css\">\n");
        page.print("<!--\n");
        if (!s.Title.empty()) {
            writeTitleRule(page, s);
        }
        if (switches.withThumbnailStyles == 1) {
            writeThumbnailRules(page, s);
        }
        page.print("-->\n");
        page.print("</STYLE>\n\n");
    }
    page.print("</HEAD>\n");
}

void WriteBodyOpen(PageStream& page, const Settings& s) {
    if (s.UseImage != 0 && s.SubFolder.empty()) {
        page.print(
            "<BODY BACKGROUND=\"%s\" BGCOLOR=\"%s\" LINK=\"%s\" VLINK=\"%s\" ALINK=\"%s\">\n",
            urlStart(s.BGImageName).c_str(), s.BGColor.c_str(), s.AlinkColor.c_str(),
            s.VlinkColor.c_str(), s.HlinkColor.c_str());
    } else if (s.UseImage != 0) {
        page.print(
            "<BODY BACKGROUND=\"%s/%s\" BGCOLOR=\"%s\" LINK=\"%s\" VLINK=\"%s\" ALINK=\"%s\">\n",
            urlStart(s.SubFolder).c_str(), urlSegment(s.BGImageName).c_str(), s.BGColor.c_str(),
            s.AlinkColor.c_str(), s.VlinkColor.c_str(), s.HlinkColor.c_str());
    } else {
        page.print("<BODY BGCOLOR=\"%s\" LINK=\"%s\" VLINK=\"%s\" ALINK=\"%s\">\n",
                   s.BGColor.c_str(), s.AlinkColor.c_str(), s.VlinkColor.c_str(),
                   s.HlinkColor.c_str());
    }
}

void writeTitleHeading(PageStream& page, const Settings& s) {
    if (!s.Title.empty()) {
        page.print("<H1 class=\"TITLE\">%s</H1>\n", s.Title.c_str());
    }
}

} // namespace vistrel
