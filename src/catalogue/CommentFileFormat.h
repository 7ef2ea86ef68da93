// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

// The separator line that ends each entry of a comment file.
inline constexpr std::string_view kCommentSeparator = "--*--*--*--*--";

// The text of a comment file (UTF-8, before encoding) for the comments of a list, one per row
// in list order: the row count, then for each non-empty comment its position, its text and the
// separator, every line ended by CR LF. A comment's own line breaks are CR LF, so they reach
// the file as CR CR LF; readers trim the stray CR.
std::string formatCommentFile(const std::vector<std::string>& comments);

// What a comment file holds, read for a list of a given number of rows.
struct CommentFileContent {
    int savedCount = 0; // the count line; text that is not a number counts as 0
    // The comment of every row of the list (rowCount of them): the entries the file gives for
    // rows of the list, every other row empty. Entries for positions outside the list are
    // dropped; at most rowCount entries are read; an entry cut off by the end of the file keeps
    // the text read so far. Lines lose their trailing white space; a comment's lines are joined
    // with CR LF.
    std::vector<std::string> comments;
};

CommentFileContent parseCommentFile(std::string_view text, int rowCount);

} // namespace vistrel
