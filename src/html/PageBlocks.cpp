// SPDX-License-Identifier: MIT
#include "html/PageBlocks.h"

#include <algorithm>

#include "app/PageFileNames.h"
#include "app/Settings.h"
#include "html/NameText.h"
#include "names/PageNames.h"
#include "text/DecimalText.h"
#include "text/PageStream.h"

namespace vistrel {
namespace {

constexpr int kCommentTableWidth = 440;
constexpr int kInfoTableWidth = 440;
constexpr int kNarrowInfoTableWidth = 220;
constexpr int kLabelWidth = 90;
constexpr int kValueWidth = 130;

constexpr const char* kFileNameLabel = "ファイル名";
constexpr const char* kDataSizeLabel = "データサイズ";
constexpr const char* kDataDateLabel = "データ更新日";
constexpr const char* kImageSizeLabel = "画像サイズ";

// A number as the width text reads it: leading blanks, an optional sign, then digits.
int leadingInteger(const std::string& text) {
    return saturatedInt32(scanDecimal(text, true));
}

int navTableWidth(const Settings& s, const ImageEntry& entry) {
    if (s.AutoNav != 1) {
        return leadingInteger(s.NavWidth);
    }
    return s.Changeres == 1 ? s.Resx : entry.width;
}

void writeInfoCell(PageStream& page, const Settings& s, int width, const std::string& text) {
    page.print("<TD WIDTH=\"%d\"><FONT SIZE=\"2\" COLOR=\"%s\">", width, s.CommentColor.c_str());
    page.print("%s", htmlText(text).c_str());
    page.print("</FONT></TD>\n");
}

} // namespace

void WriteNavTable(PageStream& page, const Settings& s, const PageNames& names,
                   const std::vector<ImageEntry>& entries, std::size_t i, std::size_t last) {
    const int width = navTableWidth(s, entries[i]);
    if (s.AutoNav == 1 && s.Changeres == 1 && s.Unit == 1) {
        page.print("<P>\n<TABLE BORDER=\"0\" WIDTH=\"%d%%\">\n", width);
    } else {
        page.print("<P>\n<TABLE BORDER=\"0\" WIDTH=\"%d\">\n", width);
    }
    page.print("<TR>\n");
    page.print("  <TD WIDTH=\"20%%\" ALIGN=\"LEFT\">");
    if (i == 0) {
        page.print("<BR></TD>\n");
    } else {
        page.print("<A HREF=\"%s\">%s</A></TD>\n",
                   urlStart(names.PageFileName(i - 1, false)).c_str(), s.PrevImage.c_str());
    }
    page.print("  <TD WIDTH=\"60%%\" ALIGN=\"CENTER\">");
    if (s.THUMBLAYOUT != 0) {
        WriteIndexLink(page, s);
    }
    if (s.TOPLAYOUT != 0) {
        WriteHomeLink(page, s);
    }
    if (s.THUMBLAYOUT == 0 && s.TOPLAYOUT == 0) {
        page.print("<BR>");
    }
    page.print("</TD>\n");
    page.print("  <TD WIDTH=\"20%%\" ALIGN=\"RIGHT\">");
    if (i == last) {
        page.print("<BR></TD>\n");
    } else {
        page.print("<A HREF=\"%s\">%s</A></TD>\n",
                   urlStart(names.PageFileName(i + 1, false)).c_str(), s.NextImage.c_str());
    }
    page.print("</TR>\n");
    page.print("</TABLE>\n</P>\n");
}

void WriteIndexLink(PageStream& page, const Settings& s) {
    if (s.Frame == 0) {
        page.print("<A HREF=\"%s\">%s</A>\u3000\u3000\u3000", urlStart(indexPageName(s)).c_str(),
                   s.ThumbNail.c_str());
    }
}

void WriteHomeLink(PageStream& page, const Settings& s) {
    if (s.HPURL.empty()) {
        return;
    }
    if (s.Frame != 0) {
        page.print("<A HREF=\"%s\" TARGET=\"_top\">%s</A>\n", s.HPURL.c_str(), s.HPName.c_str());
    } else {
        page.print("<A HREF=\"%s\">%s</A>\n", s.HPURL.c_str(), s.HPName.c_str());
    }
}

void writeIndexHomeLink(PageStream& page, const Settings& s) {
    if (!s.HPURL.empty()) {
        page.print("<P>\n<CENTER>\n");
        page.print("<A HREF=\"%s\" TARGET=\"_top\">%s</A>\n", s.HPURL.c_str(), s.HPName.c_str());
        page.print("</CENTER>\n</P>\n");
    }
}

void WriteCommentTable(PageStream& page, const Settings& s, const std::string& comment) {
    page.print("<P>\n");
    page.print("<TABLE BORDER=\"0\" CELLPADDING=\"4\" CELLSPACING=\"0\" WIDTH=\"%d\">\n",
               kCommentTableWidth);
    page.print("<TR>\n");
    if (s.SetCommentCol != 0) {
        page.print("<TD ALIGN=\"CENTER\"><FONT SIZE=\"3\" COLOR=\"%s\">", s.CommentColor.c_str());
    } else {
        page.print("<TD ALIGN=\"CENTER\"><FONT SIZE=\"3\" COLOR=\"#000000\">");
    }
    page.print("%s", commentHtml(comment).c_str());
    page.print("</FONT></TD>\n");
    page.print("</TR>\n");
    page.print("</TABLE>\n</P>\n");
}

std::vector<InfoItem> collectFileItems(const Settings& s, const ImageEntry& entry) {
    std::vector<InfoItem> items;
    if ((s.MainInfo & 1) != 0) {
        items.push_back({kFileNameLabel, entry.fileName});
    }
    if ((s.MainInfo & 2) != 0) {
        items.push_back({kDataSizeLabel, entry.sizeText});
    }
    if ((s.MainInfo & 4) != 0) {
        items.push_back({kDataDateLabel, entry.dateText});
    }
    if ((s.MainInfo & 8) != 0) {
        items.push_back(
            {kImageSizeLabel, std::to_string(entry.width) + " x " + std::to_string(entry.height)});
    }
    return items;
}

void WriteInfoTable(PageStream& page, const Settings& s, const std::vector<InfoItem>& items,
                    std::size_t fileCount, std::size_t exifCount) {
    const std::size_t count = std::min(items.size(), fileCount + exifCount);
    page.print("<P>\n");
    page.print("<TABLE BORDER=\"2\" CELLPADDING=\"4\" CELLSPACING=\"0\" BORDERCOLOR=\"#D1ACA3\" "
               "BGCOLOR=\"#FFFFFF\" WIDTH=\"%d\">\n",
               count == 1 ? kNarrowInfoTableWidth : kInfoTableWidth);
    for (std::size_t position = 0; position < count; ++position) {
        if (position % 2 == 0) {
            page.print("<TR>\n");
        }
        writeInfoCell(page, s, kLabelWidth, items[position].label);
        writeInfoCell(page, s, kValueWidth, items[position].value);
        if (position % 2 == 1) {
            page.print("</TR>\n");
        }
    }
    if (count > 1 && count % 2 == 1) {
        page.print("<TD WIDTH=\"%d\"><BR></TD>\n", kLabelWidth);
        page.print("<TD WIDTH=\"%d\"><BR></TD>\n", kValueWidth);
        page.print("</TR>\n");
    }
    page.print("</TABLE>\n</P>\n");
}

} // namespace vistrel
