// SPDX-License-Identifier: MIT
#include "catalogue/CommentFileFormat.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

const std::vector<std::string> kThreeImages = {"A", "", "B\r\nC"};

// Three images commented A, nothing and the two lines B and C, written out by hand.
constexpr const char* kThreeImagesFile = "3\r\n"
                                         "0\r\n"
                                         "A\r\n"
                                         "--*--*--*--*--\r\n"
                                         "2\r\n"
                                         "B\r\r\n"
                                         "C\r\n"
                                         "--*--*--*--*--\r\n";

TEST(TheCommentFile, WritesTheCountAndOneEntryPerCommentedImage) {
    EXPECT_EQ(formatCommentFile(kThreeImages), kThreeImagesFile);
    EXPECT_EQ(formatCommentFile({}), "0\r\n");
    EXPECT_EQ(formatCommentFile({"", ""}), "2\r\n");
}

TEST(TheCommentFile, ReadsBackWhatItWrote) {
    const auto content = parseCommentFile(kThreeImagesFile, 3);
    EXPECT_EQ(content.savedCount, 3);
    EXPECT_EQ(content.comments, kThreeImages);
}

TEST(TheCommentFile, LosesTrailingSpacesButKeepsEmptyLinesInsideAComment) {
    const std::vector<std::string> comments = {"line one  \r\n\r\nline three \t"};
    const auto content = parseCommentFile(formatCommentFile(comments), 1);
    EXPECT_EQ(content.comments[0], "line one\r\n\r\nline three");
}

TEST(TheCommentFile, SkipsEntriesForPositionsBeyondTheList) {
    const std::string file = "5\r\n1\r\none\r\n--*--*--*--*--\r\n3\r\nthree\r\n--*--*--*--*--\r\n"
                             "4\r\nfour\r\n--*--*--*--*--\r\n";
    const auto content = parseCommentFile(file, 3);
    EXPECT_EQ(content.savedCount, 5);
    EXPECT_EQ(content.comments, (std::vector<std::string>{"", "one", ""}));
}

TEST(TheCommentFile, ReadsAtMostAsManyEntriesAsTheListHasRows) {
    const std::string file = "2\r\n0\r\nzero\r\n--*--*--*--*--\r\n1\r\none\r\n--*--*--*--*--\r\n";
    EXPECT_EQ(parseCommentFile(file, 1).comments, (std::vector<std::string>{"zero"}));
    // A stray entry for a row outside the list still counts as one read.
    const std::string stray = "2\r\n7\r\nx\r\n--*--*--*--*--\r\n1\r\none\r\n--*--*--*--*--\r\n";
    EXPECT_EQ(parseCommentFile(stray, 1).comments, (std::vector<std::string>{""}));
}

TEST(TheCommentFile, AppliesAnEntryCutOffByTheEndOfTheFile) {
    const auto content = parseCommentFile("2\r\n1\r\nfirst line\r\nsecond", 2);
    EXPECT_EQ(content.comments, (std::vector<std::string>{"", "first line\r\nsecond"}));
}

TEST(TheCommentFile, EndsAnEntryAtACommentLineThatLooksLikeTheSeparator) {
    const std::vector<std::string> comments = {"before\r\n--*--*--*--*--\r\nafter"};
    const auto content = parseCommentFile(formatCommentFile(comments), 1);
    EXPECT_EQ(content.comments[0], "before");
}

TEST(TheCommentFile, ReadsACountThatIsNotANumberAsZeroAndToleratesLfOnlyFiles) {
    EXPECT_EQ(parseCommentFile("many\r\n", 2).savedCount, 0);
    EXPECT_EQ(parseCommentFile("", 2).savedCount, 0);
    const auto content = parseCommentFile("2\n0\nzero\n--*--*--*--*--\n", 2);
    EXPECT_EQ(content.comments, (std::vector<std::string>{"zero", ""}));
}

} // namespace
} // namespace vistrel
