// SPDX-License-Identifier: MIT
#include <cstdlib>
#include <string>

#include "app/Settings.h"
#include "html/NameText.h"
#include "html/PageHead.h"
#include "html/SlideShow.h"
#include "text/PageStream.h"

namespace vistrel {
namespace {

constexpr int kRandomTransition = 23;

int preloadDivisor(int preLoadNum) {
    switch (preLoadNum) {
    case 0:
        return 3;
    case 1:
        return 2;
    default:
        return 1;
    }
}

// Timeout read as a decimal number of seconds, in whole milliseconds.
int delayMilliseconds(const std::string& timeout) {
    const double milliseconds = std::strtod(timeout.c_str(), nullptr) * 1000.0;
    if (!(milliseconds > -2147483648.0 && milliseconds < 2147483648.0)) {
        return 0;
    }
    return static_cast<int>(milliseconds);
}

// The file name as a script string of its URL.
std::string scriptName(const std::string& fileName) {
    return scriptString(urlStart(fileName));
}

// A comment on one line, as the comment line of the show displays it.
std::string scriptComment(std::string_view comment) {
    const auto last = comment.find_last_not_of(" \t\r\n\v\f");
    comment = last == std::string_view::npos ? std::string_view() : comment.substr(0, last + 1);
    std::string joined;
    for (const char c : comment) {
        if (c != '\n' && c != '\r') {
            joined += c;
        }
    }
    return scriptString(joined);
}

void writeVariables(PageStream& page, const Settings& s, std::size_t count) {
    page.printScript("var number = %d;\n", static_cast<int>(count));
    page.printScript("var delay = %d;\n", delayMilliseconds(s.Timeout));
    page.printScript("var frame = -1;\n");
    page.printScript("var timeout_id = null;\n");
    if (s.PreLoad != 0) {
        page.printScript("var n=0;\n");
    }
    if (s.Transition != 0) {
        page.printScript("var ie  = navigator.userAgent.indexOf(\"MSIE \");\n");
        page.printScript("var verIE = 0, winIE = -1;\n");
        page.printScript("if(ie >= 0) {\n");
        page.printScript("verIE = parseFloat(navigator.userAgent.substr(ie + 5));\n");
        page.printScript("winIE = navigator.userAgent.indexOf(\"Windows\");\n");
        page.printScript("}\n");
        if (s.TransNum == kRandomTransition) {
            page.printScript("var tr_num = Math.floor(Math.random()*23);\n");
        }
    }
    if (s.SlideStop > 0) {
        page.printScript("var tm_set = 1;\n");
        page.printScript("var times = %d;\n", s.SlideStop);
        page.printScript("var tm_now = 0;\n");
        page.printScript("var first = 1;\n");
    } else {
        page.printScript("var tm_set = 0;\n");
    }
}

void writeFileList(PageStream& page, const Settings& s, const std::vector<ImageEntry>& entries) {
    page.printScript("var filename = new Array(");
    for (std::size_t i = 0; i + 1 < entries.size(); ++i) {
        page.printScript("\"%s\",", scriptName(entries[i].fileName).c_str());
        if (i % 3 == 0) {
            page.printScript("\n");
        }
    }
    if (entries.empty()) {
        page.printScript(")\n");
    } else {
        page.printScript("\"%s\")\n", scriptName(entries.back().fileName).c_str());
    }
    if (s.PreLoad == 0) {
        return;
    }
    const int divisor = preloadDivisor(s.PreLoadNum);
    page.printScript("var images = new Array(number);\n");
    // Fewer images than the divisor would preload none, and the first frame would find no
    // image: the show would never start.
    if (static_cast<int>(entries.size()) < divisor) {
        page.printScript("var end = 1\n");
    } else {
        page.printScript("var end = Math.floor(filename.length/%d)\n", divisor);
    }
    page.printScript("for(var i=0; i<end; i++) {\n");
    page.printScript("images[i] = new Image();\n");
    if (s.SubFolder.empty()) {
        page.printScript("images[i].src = filename[i];\n");
    } else {
        page.printScript("images[i].src = \"%s/\" + filename[i];\n",
                         scriptName(s.SubFolder).c_str());
    }
    page.printScript("}\n");
}

void writeAnimate(PageStream& page, const Settings& s) {
    const std::string folder = scriptName(s.SubFolder);
    page.printScript("\n");
    page.printScript("function animate() {\n");
    if (s.Transition != 0) {
        page.printScript("var trans=0;\n");
    }
    page.printScript("frame++;\n");
    page.printScript("if (frame>=filename.length) {\n");
    page.printScript("\tframe=0;\n");
    page.printScript("}\n");
    if (s.SlideStop > 0) {
        page.printScript("if(frame==1 && tm_set==1 && first==0){\n");
        page.printScript("\ttm_now++;\n");
        page.printScript("\tif(tm_now> times) {\n");
        page.printScript("\t\tclearTimeout(timeout_id);\n");
        page.printScript("\t\ttimeout_id=null;\n");
        page.printScript("\t\tfirst=0;\n");
        page.printScript("\t\tframe=0;\n");
        page.printScript("\t\ttm_now=0;\n");
        page.printScript("\t\treturn;\n");
        page.printScript("\t}\n");
        page.printScript("}\n");
        page.printScript("first = 0;\n");
    }
    if (s.Transition != 0) {
        page.printScript("if(verIE >= 5 && winIE >= 0) {\n");
        page.printScript("\tvar img=document.getElementById(\"slideshow\");\n");
        page.printScript("\tif(img.filters) {\n");
        if (s.TransNum == kRandomTransition) {
            page.printScript("\t\ttr_num = Math.floor(Math.random()*23);\n");
            page.printScript("\t\timg.filters[\"revealTrans\"].Transition = tr_num;\n");
        } else {
            page.printScript("\t\timg.filters[\"revealTrans\"].Transition = %d;\n", s.TransNum);
        }
        page.printScript("\t\ttrans=img.filters[\"revealTrans\"];\n");
        page.printScript("\t}\n");
        page.printScript("}\n");
        page.printScript("if(trans) trans.apply();\n");
    }
    if (s.PreLoad != 0) {
        page.printScript("document.slideshow.src = images[frame].src;\n");
        page.printScript("if((end+n) < filename.length){\n");
        page.printScript("\timages[end+n]=new Image();\n");
        if (s.SubFolder.empty()) {
            page.printScript("\timages[end+n].src=filename[end+n];\n");
        } else {
            page.printScript("\timages[end+n].src=\"%s/\" + filename[end+n];\n", folder.c_str());
        }
        page.printScript("\t++n;\n");
        page.printScript("}\n");
    } else if (s.SubFolder.empty()) {
        page.printScript("document.slideshow.src = filename[frame];\n");
    } else {
        page.printScript("document.slideshow.src = \"%s/\" + filename[frame];\n", folder.c_str());
    }
    if (s.Transition != 0) {
        page.printScript("if(trans) trans.play();\n");
    }
    if (s.Comment != 0) {
        page.printScript("changecom();\n");
    }
    page.printScript("timeout_id = setTimeout(\"animate()\", delay);\n");
    page.printScript("}\n");
    page.printScript("\n");
}

void writeShowFrame(PageStream& page, const Settings& s) {
    const std::string folder = scriptName(s.SubFolder);
    page.printScript("function showFrame(mode) {\n");
    page.printScript("if(mode==0) {\n");
    page.printScript("\t++frame;\n");
    page.printScript("\tif (frame>=filename.length) {\n");
    page.printScript("\t\tframe=0;\n");
    page.printScript("\t}\n");
    page.printScript("}\n");
    page.printScript("else {\n");
    page.printScript("\t--frame;\n");
    page.printScript("\tif(frame<0) {\n");
    page.printScript("\t\tframe=filename.length-1;\n");
    page.printScript("\t}\n");
    page.printScript("}\n");
    if (s.PreLoad != 0) {
        page.printScript("\tif((end+n) < frame){\n");
        page.printScript("\t\timages[frame]=new Image();\n");
        if (s.SubFolder.empty()) {
            page.printScript("\t\timages[frame].src=filename[frame];\n");
        } else {
            page.printScript("\t\timages[frame].src=\"%s/\" + filename[frame];\n", folder.c_str());
        }
        page.printScript("\t}\n");
        page.printScript("\telse {\n");
        page.printScript("\tif((end+n) < filename.length){\n");
        page.printScript("\t\timages[end+n]=new Image();\n");
        if (s.SubFolder.empty()) {
            page.printScript("\t\timages[end+n].src=filename[end+n];\n");
        } else {
            page.printScript("\t\timages[end+n].src=\"%s/\" + filename[end+n];\n", folder.c_str());
        }
        page.printScript("\t\t++n;\n");
        page.printScript("\t}\n");
        page.printScript("}\n");
        page.printScript("document.slideshow.src = images[frame].src;\n");
    } else if (s.SubFolder.empty()) {
        page.printScript("document.slideshow.src = filename[frame];\n");
    } else {
        page.printScript("document.slideshow.src = \"%s/\" + filename[frame];\n", folder.c_str());
    }
    page.printScript("first = 0;\n");
    if (s.Comment != 0) {
        page.printScript("changecom();\n");
    }
    page.printScript("}\n");
}

void writeChangeComment(PageStream& page, const std::vector<ImageEntry>& entries) {
    page.printScript("\n");
    page.printScript("function changecom(){\n");
    page.printScript("\tif(!document.getElementById) return;\n");
    page.printScript("\tvar msg=document.getElementById(\"comment\");\n");
    page.printScript("\tswitch(frame){\n");
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& comment = entries[i].comment;
        if (comment.empty()) {
            continue;
        }
        page.printScript("\tcase %d:\n", static_cast<int>(i));
        page.printScript("\t\tmsg.firstChild.nodeValue=\"%s\";\n", scriptComment(comment).c_str());
        page.printScript("\t\tbreak;\n");
    }
    page.printScript("\tdefault:\n");
    page.printScript("\t\tmsg.firstChild.nodeValue=\" \";\n");
    page.printScript("\t}\n");
    page.printScript("}\n");
}

void writeStyle(PageStream& page, const Settings& s) {
    page.print("<STYLE type=\"text/css\">\n");
    page.print("<!--\n");
    page.print("H1.TITLE {\n");
    page.print("font-size : %s pt;\n", s.FontSize.c_str());
    page.print("font-family : \"%s\";\n", s.FontFace.c_str());
    if (s.SetTitleColor != 0) {
        page.print("color : %s;\n", s.TitleColor.c_str());
    }
    page.print("}\n");
    if (s.Transition == 1) {
        page.print("\n");
        page.print("IMG#slideshow {\n");
        page.print("filter: revealTrans(Duration=2.0, Transition=%d);\n", s.TransNum);
        page.print("}\n");
    }
    page.print("-->\n");
    page.print("</STYLE>\n\n");
    page.print("\n</HEAD>\n");
}

} // namespace

void WriteSlideShowHead(PageStream& page, const Settings& s,
                        const std::vector<ImageEntry>& entries) {
    writeDocumentStart(page, false);
    page.print("<TITLE>%s</TITLE>\n\n", s.Title.c_str());
    page.printScript("<SCRIPT TYPE=\"text/JavaScript\">\n");
    page.printScript("<!--\n");
    writeVariables(page, s, entries.size());
    writeFileList(page, s, entries);
    writeAnimate(page, s);
    writeShowFrame(page, s);
    if (s.Comment != 0) {
        writeChangeComment(page, entries);
    }
    page.printScript("//-->\n");
    page.printScript("</SCRIPT>\n");
    page.printScript("\n");
    writeStyle(page, s);
}

} // namespace vistrel
