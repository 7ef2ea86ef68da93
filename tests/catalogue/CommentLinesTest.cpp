// SPDX-License-Identifier: MIT
#include "catalogue/CommentLines.h"

#include <gtest/gtest.h>

#include "catalogue/CommentFileFormat.h"

namespace vistrel {
namespace {

TEST(CommentLines, StoreEveryLineBreakOfTheBoxAsCrLf) {
    EXPECT_EQ(storedCommentFromBox("a\nb"), "a\r\nb");
    EXPECT_EQ(storedCommentFromBox("a\n\nb\n"), "a\r\n\r\nb\r\n");
    // A text pasted with its own line ends is not doubled, and a lone CR breaks a line too.
    EXPECT_EQ(storedCommentFromBox("a\r\nb\rc"), "a\r\nb\r\nc");
    EXPECT_EQ(storedCommentFromBox("旅の写真"), "旅の写真");
    EXPECT_EQ(storedCommentFromBox(""), "");
}

TEST(CommentLines, ShowEveryStoredLineBreakAsOneNewline) {
    EXPECT_EQ(boxTextFromStoredComment("a\r\nb"), "a\nb");
    EXPECT_EQ(boxTextFromStoredComment("a\r\n\r\nb"), "a\n\nb");
    EXPECT_EQ(boxTextFromStoredComment("a\nb\rc"), "a\nb\nc");
    EXPECT_EQ(boxTextFromStoredComment("\r\n"), "\n");
}

TEST(CommentLines, GiveATypedCommentTheTextAFileLoadGivesIt) {
    const std::string typed = storedCommentFromBox("朝の港\n\n夕方の港");
    const CommentFileContent loaded = parseCommentFile(formatCommentFile({typed}), 1);
    ASSERT_EQ(loaded.comments.size(), 1u);
    EXPECT_EQ(loaded.comments[0], typed);
    EXPECT_EQ(boxTextFromStoredComment(loaded.comments[0]), "朝の港\n\n夕方の港");
}

} // namespace
} // namespace vistrel
