// SPDX-License-Identifier: MIT
#include "html/NameText.h"

#include <cstdio>

#include "text/Utf8.h"

namespace vistrel {
namespace {

constexpr std::string_view kTrailingWhiteSpace = " \t\r\n\v\f";

std::string percentEscape(unsigned char c) {
    char text[4];
    std::snprintf(text, sizeof text, "%%%02X", c);
    return text;
}

// Characters that end the attribute or change what the URL means. Browsers read a backslash as
// "/", so a name holding one would point into a folder that does not exist.
bool escapedInUrl(char c) {
    return c == '%' || c == '"' || c == '#' || c == '?' || c == '&' || c == '\\' ||
           static_cast<unsigned char>(c) < 0x20;
}

} // namespace

std::string urlSegment(std::string_view name) {
    std::string url;
    url.reserve(name.size());
    for (std::size_t pos = 0; pos < name.size();) {
        const detail::Utf8Char next = detail::decodeUtf8(name, pos);
        const std::string_view piece = name.substr(pos, next.length);
        pos += next.length;
        // Bytes that are not UTF-8 would reach the page as U+FFFD and name no file; as %XX
        // the browser asks for the very bytes the file's name holds.
        if (!next.valid) {
            for (const char c : piece) {
                url += percentEscape(static_cast<unsigned char>(c));
            }
        } else if (piece.size() == 1 && escapedInUrl(piece.front())) {
            url += percentEscape(static_cast<unsigned char>(piece.front()));
        } else {
            url += piece;
        }
    }
    return url;
}

std::string urlStart(std::string_view name) {
    std::string url = urlSegment(name);
    const auto slash = url.find('/');
    if (url.substr(0, slash).find(':') != std::string::npos) {
        url.insert(0, "./");
    }
    return url;
}

std::string htmlText(std::string_view text) {
    std::string html;
    html.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '"':
            html += "&quot;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                html += "&#" + std::to_string(static_cast<unsigned char>(c)) + ";";
            } else {
                html += c;
            }
        }
    }
    return html;
}

std::string scriptString(std::string_view text) {
    std::string script;
    script.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const std::string_view rest = text.substr(i);
        if (c == '\\') {
            script += "\\\\";
        } else if (c == '"') {
            script += "\\\"";
        } else if (c == '\r') {
            script += "\\r";
        } else if (c == '\n') {
            script += "\\n";
        } else if (rest.starts_with("\u2028")) {
            script += "\\u2028";
            i += 2;
        } else if (rest.starts_with("\u2029")) {
            script += "\\u2029";
            i += 2;
        } else if (rest.starts_with("</")) {
            script += "<\\/";
            ++i;
        } else {
            script += c;
        }
    }
    return script;
}

std::string commentHtml(std::string_view comment) {
    const auto last = comment.find_last_not_of(kTrailingWhiteSpace);
    comment = last == std::string_view::npos ? std::string_view() : comment.substr(0, last + 1);
    std::string html;
    html.reserve(comment.size());
    for (const char c : comment) {
        if (c == '\n') {
            html += "<BR>";
        } else if (c != '\r') {
            html += c;
        }
    }
    return html;
}

} // namespace vistrel
