// SPDX-License-Identifier: MIT
#include "catalogue/CommentFile.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "catalogue/ImageList.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "text/Encoding.h"

namespace vistrel {
namespace {

using test::ScriptedPrompter;
using test::TempDir;

ImageList listOf(int rows) {
    ImageList list;
    std::vector<ImageRow> added;
    for (int i = 0; i < rows; ++i) {
        added.push_back(
            {"p" + std::to_string(i) + ".jpg", "1 KB", "2024/01/01 00:00:00", "", true});
    }
    list.appendRows(std::move(added));
    return list;
}

constexpr const char* kFiveImagesFile = "5\r\n"
                                        "0\r\nzero\r\n--*--*--*--*--\r\n"
                                        "3\r\nthree\r\n--*--*--*--*--\r\n"
                                        "4\r\nfour\r\n--*--*--*--*--\r\n";

TEST(SavingComments, WritesTheThreeImageExampleByteForByteInCp932) {
    TempDir dir;
    ImageList list = listOf(3);
    list.setComment(0, "A");
    list.setComment(2, "B\r\nC");
    ScriptedPrompter prompter;
    ASSERT_TRUE(SaveComments(list, dir.file("comment.vtc"), prompter));
    EXPECT_EQ(dir.read("comment.vtc"),
              "3\r\n0\r\nA\r\n--*--*--*--*--\r\n2\r\nB\r\r\nC\r\n--*--*--*--*--\r\n");

    list.setComment(1, "旅 ①");
    ASSERT_TRUE(SaveComments(list, dir.file("comment.vtc"), prompter));
    EXPECT_NE(dir.read("comment.vtc").find("1\r\n" + *utf8ToCp932("旅 ①") + "\r\n"),
              std::string::npos);
    EXPECT_TRUE(prompter.calls.empty());
}

TEST(LoadingComments, GivesBackWhatWasSavedAndReplacesEveryComment) {
    TempDir dir;
    ImageList list = listOf(3);
    list.setComment(0, "A");
    list.setComment(2, "B\r\nC");
    ScriptedPrompter prompter;
    ASSERT_TRUE(SaveComments(list, dir.file("c.vtc"), prompter));

    list.setComment(0, "changed");
    list.setComment(1, "typed after saving");
    ASSERT_TRUE(LoadComments(list, dir.file("c.vtc"), prompter));
    EXPECT_EQ(list.comments(), (std::vector<std::string>{"A", "", "B\r\nC"}));
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_TRUE(prompter.calls.empty());
}

TEST(LoadingComments, ReadsUtf8WithoutAByteOrderMarkAndCp932Alike) {
    TempDir dir;
    const std::string entries = "0\r\n桜と富士山\r\n二行目\r\n--*--*--*--*--\r\n"
                                "1\r\n夏 ①\r\n--*--*--*--*--\r\n";
    const std::vector<std::string> expected = {"桜と富士山\r\n二行目", "夏 ①"};
    ScriptedPrompter prompter;

    dir.write("utf8.vtc", "2\r\n" + entries);
    ImageList list = listOf(2);
    ASSERT_TRUE(LoadComments(list, dir.file("utf8.vtc"), prompter));
    EXPECT_EQ(list.comments(), expected);

    dir.write("cp932.vtc", "2\r\n" + *utf8ToCp932(entries));
    list = listOf(2);
    ASSERT_TRUE(LoadComments(list, dir.file("cp932.vtc"), prompter));
    EXPECT_EQ(list.comments(), expected);

    dir.write("emoji.vtc", "2\r\n1\r\n😀\r\n--*--*--*--*--\r\n");
    ASSERT_TRUE(LoadComments(list, dir.file("emoji.vtc"), prompter));
    EXPECT_EQ(list.comments(), (std::vector<std::string>{"", "😀"}));
    EXPECT_TRUE(prompter.calls.empty());
}

TEST(LoadingComments, AsksWhenTheFileWasSavedForMoreImagesAndSkipsTheSurplus) {
    TempDir dir;
    dir.write("c.vtc", kFiveImagesFile);
    ImageList list = listOf(3);
    list.setCurrentRow(2);
    ScriptedPrompter prompter{true};
    ASSERT_TRUE(LoadComments(list, dir.file("c.vtc"), prompter));
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].caption, "コメント読みとり");
    EXPECT_EQ(prompter.calls[0].text,
              "画像数がコメント保存時より少ないため、画像とコメントが同期しない恐れが有ります。\n"
              "処理を続けますか？（余分なコメントは切り捨てられます。）");
    EXPECT_EQ(list.comments(), (std::vector<std::string>{"zero", "", ""}));
    EXPECT_EQ(list.currentRow(), 2);
}

TEST(LoadingComments, ChangesNothingWhenTheCountQuestionIsAnsweredNo) {
    TempDir dir;
    dir.write("c.vtc", kFiveImagesFile);
    ImageList list = listOf(6);
    list.setComment(5, "mine");
    ScriptedPrompter prompter{false};
    EXPECT_FALSE(LoadComments(list, dir.file("c.vtc"), prompter));
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].text,
              "画像数がコメント保存時より多いため、画像とコメントが同期しない恐れが有ります。\n"
              "処理を続けますか？（不足分は空白で埋められます。）");
    EXPECT_EQ(list.comment(5), "mine");
    EXPECT_EQ(list.comment(0), "");
    EXPECT_EQ(list.currentRow(), ImageList::kNoRow);
}

TEST(LoadingComments, AsksAboutMoreImagesWhenTheCountLineSaysZero) {
    TempDir dir;
    dir.write("c.vtc", "0\r\n");
    ImageList list = listOf(2);
    ScriptedPrompter prompter{true};
    EXPECT_TRUE(LoadComments(list, dir.file("c.vtc"), prompter));
    EXPECT_EQ(prompter.calls.size(), 1u);
}

TEST(CommentFileFailures, AreReportedWithTheFileAndLeaveTheCommentsAlone) {
    TempDir dir;
    ImageList list = listOf(2);
    list.setComment(0, "keep");
    ScriptedPrompter prompter;
    EXPECT_FALSE(LoadComments(list, dir.file("missing.vtc"), prompter));
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].caption, "ファイルエラー");
    EXPECT_EQ(prompter.calls[0].icon, PromptIcon::Stop);
    EXPECT_NE(prompter.calls[0].text.find(dir.file("missing.vtc")), std::string::npos);
    EXPECT_EQ(list.comment(0), "keep");

    dir.write("plain", "x");
    EXPECT_FALSE(SaveComments(list, dir.file("plain/c.vtc"), prompter));
    ASSERT_EQ(prompter.calls.size(), 2u);
    EXPECT_NE(prompter.calls[1].text.find(dir.file("plain/c.vtc")), std::string::npos);

    ::mkdir(dir.file("folder.vtc").c_str(), 0755);
    EXPECT_FALSE(LoadComments(list, dir.file("folder.vtc"), prompter));
    EXPECT_EQ(prompter.calls.size(), 3u);
    EXPECT_EQ(list.comment(0), "keep");
}

TEST(SavingComments, ReplacesAnOldFileWhole) {
    TempDir dir;
    dir.write("c.vtc", std::string(5000, 'x'));
    ImageList list = listOf(1);
    list.setComment(0, "short");
    ScriptedPrompter prompter;
    ASSERT_TRUE(SaveComments(list, dir.file("c.vtc"), prompter));
    EXPECT_EQ(dir.read("c.vtc"), "1\r\n0\r\nshort\r\n--*--*--*--*--\r\n");
}

} // namespace
} // namespace vistrel
