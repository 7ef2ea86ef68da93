// SPDX-License-Identifier: MIT
#include "catalogue/CommentFileFormat.h"

#include "text/DecimalText.h"

namespace vistrel {
namespace {

constexpr std::string_view kTrailingWhiteSpace = " \t\r\n\v\f";

std::string_view trimRight(std::string_view text) {
    const auto last = text.find_last_not_of(kTrailingWhiteSpace);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

// The count and position lines have always been read as the C library reads a number:
// leading blanks, an optional sign, then digits; anything else reads as 0.
int leadingNumber(std::string_view text) {
    return saturatedInt32(scanDecimal(text, true));
}

// The lines of a file read in text mode: CR LF ends a line, and so does a lone LF; a lone CR
// stays in the line (the trimming removes it where it ends a line).
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_text(text) {}

    bool next(std::string_view& line) {
        if (m_position >= m_text.size()) {
            return false;
        }
        const auto end = m_text.find('\n', m_position);
        if (end == std::string_view::npos) {
            line = m_text.substr(m_position);
            m_position = m_text.size();
        } else {
            line = m_text.substr(m_position, end - m_position);
            m_position = end + 1;
        }
        return true;
    }

private:
    std::string_view m_text;
    std::size_t m_position = 0;
};

} // namespace

std::string formatCommentFile(const std::vector<std::string>& comments) {
    std::string text = std::to_string(comments.size()) + "\r\n";
    for (std::size_t position = 0; position < comments.size(); ++position) {
        const std::string& comment = comments[position];
        if (comment.empty()) {
            continue;
        }
        text.append(std::to_string(position)).append("\r\n");
        for (char c : comment) {
            if (c == '\n') {
                text.append("\r\n");
            } else {
                text.push_back(c);
            }
        }
        text.append("\r\n").append(kCommentSeparator).append("\r\n");
    }
    return text;
}

CommentFileContent parseCommentFile(std::string_view text, int rowCount) {
    CommentFileContent content;
    content.comments.resize(static_cast<std::size_t>(rowCount < 0 ? 0 : rowCount));
    LineReader reader(text);
    std::string_view line;
    if (!reader.next(line)) {
        return content;
    }
    content.savedCount = leadingNumber(line);

    for (int entries = 0; entries < rowCount && reader.next(line); ++entries) {
        const int position = leadingNumber(line);
        const bool inList = position >= 0 && position < rowCount;
        std::string comment;
        while (reader.next(line)) {
            const auto trimmed = trimRight(line);
            if (trimmed == kCommentSeparator) {
                break;
            }
            if (inList) {
                comment.append(trimmed).append("\r\n");
            }
        }
        if (inList) {
            content.comments[static_cast<std::size_t>(position)] = std::string(trimRight(comment));
        }
    }
    return content;
}

} // namespace vistrel
