// SPDX-License-Identifier: MIT
#include "catalogue/CommentLines.h"

namespace vistrel {
namespace {

// text with each of its line breaks, whichever kind, replaced by lineEnd.
std::string withLineEnds(std::string_view text, std::string_view lineEnd) {
    std::string result;
    result.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            result.append(lineEnd);
        } else if (c == '\n') {
            result.append(lineEnd);
        } else {
            result.push_back(c);
        }
    }
    return result;
}

} // namespace

std::string storedCommentFromBox(std::string_view boxText) {
    return withLineEnds(boxText, "\r\n");
}

std::string boxTextFromStoredComment(std::string_view stored) {
    return withLineEnds(stored, "\n");
}

} // namespace vistrel
