// SPDX-License-Identifier: MIT
// The comment editor of the Comment page over the window's list: a comment typed in the box and
// the same comment loaded from a comment file are one and the same to the pages and the file;
// the buttons move the list's current row; a refill leaves nothing to type into.
#include <filesystem>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "app/RunInProgress.h"
#include "catalogue/ImageList.h"
#include "pages/comment/PageWidgets.h"
#include "text/Encoding.h"
#include "ui/window/ImageListView.h"
#include "ui/window/MainWindowTable.h"

namespace vistrel::ui::test {
namespace {

constexpr int kCommentPage = 1;
constexpr const char* kFilter = "ｺﾒﾝﾄ ﾌｧｲﾙ (*.vtc)";

// The comment page's editor controls.
struct Editor {
    explicit Editor(const QWidget& page)
        : box(pageControl<QPlainTextEdit>(page, "commentBox")),
          previous(pageControl<QAbstractButton>(page, "previousButton")),
          next(pageControl<QAbstractButton>(page, "nextButton")),
          save(pageControl<QAbstractButton>(page, "saveButton")),
          load(pageControl<QAbstractButton>(page, "loadButton")) {}

    QPlainTextEdit* box;
    QAbstractButton* previous;
    QAbstractButton* next;
    QAbstractButton* save;
    QAbstractButton* load;
};

void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// Types two lines into the box, the second after Enter.
void typeTwoLines(QPlainTextEdit* box, const QString& first, const QString& second) {
    commitText(box, first);
    QTest::keyClick(box, Qt::Key_Return);
    commitText(box, second);
}

std::string resolution(WindowFixture& fixture) {
    return fixture.control<QLineEdit>(control::kResolution)->text().toStdString();
}

// Makes the site with the window's create button, answering No to viewing it.
void createSite(WindowFixture& fixture) {
    std::filesystem::create_directories(fixture.settings.HTMLPath + "image");
    fixture.prompter.willAnswer(false);
    fixture.click(control::kCreate);
    ASSERT_FALSE(fixture.prompter.calls.empty());
    ASSERT_EQ(fixture.prompter.calls.back().caption, "完了メッセージ");
}

TEST(ACommentTypedInTheBox, MakesTheSamePagesAndCommentFileAsTheSameCommentLoaded) {
    WindowFixture fixture;
    fixture.settings.CommentPos = 4; // the index page and the main pages
    Editor typed(openOnPage(fixture, kCommentPage));
    ImageList& list = fixture.window().panel().list();
    click(typed.next);
    typeTwoLines(typed.box, QStringLiteral("朝の港"), QStringLiteral("夕方の港"));
    click(typed.next);
    commitText(typed.box, QStringLiteral("赤い屋根"));
    EXPECT_EQ(list.comment(0), "朝の港\r\n夕方の港");
    EXPECT_EQ(list.comment(1), "赤い屋根");

    const std::string typedFile = fixture.dir.file("typed.vtc");
    fixture.dialogs.saveFiles = {QString::fromStdString(typedFile)};
    click(typed.save);
    EXPECT_EQ(fixture.dir.read("typed.vtc"),
              *utf8ToCp932("2\r\n0\r\n朝の港\r\r\n夕方の港\r\n--*--*--*--*--\r\n"
                           "1\r\n赤い屋根\r\n--*--*--*--*--\r\n"));
    createSite(fixture);
    const auto typedSite = vistrel::test::filesUnder(fixture.dir.file("site"));
    const std::string index = typedSite.at("catalog.html");
    EXPECT_NE(index.find(*utf8ToCp932("朝の港")), std::string::npos);
    EXPECT_NE(index.find(*utf8ToCp932("夕方の港")), std::string::npos);

    // A new window over the same photos, whose comments come from the file just saved.
    fixture.settings.HTMLPath = fixture.dir.file("site2") + "/";
    Editor loaded(openOnPage(fixture, kCommentPage));
    ASSERT_TRUE(fixture.window().panel().list().comment(0).empty());
    fixture.dialogs.openFiles = {QString::fromStdString(typedFile)};
    click(loaded.load);
    EXPECT_EQ(loaded.box->toPlainText(), QStringLiteral("朝の港\n夕方の港"));
    const std::string loadedFile = fixture.dir.file("loaded.vtc");
    fixture.dialogs.saveFiles = {QString::fromStdString(loadedFile)};
    click(loaded.save);
    EXPECT_EQ(fixture.dir.read("loaded.vtc"), fixture.dir.read("typed.vtc"));
    createSite(fixture);
    EXPECT_EQ(vistrel::test::filesUnder(fixture.dir.file("site2")), typedSite);
}

TEST(TheCommentButtons, MoveTheListsCurrentRowAndThePreviewFollows) {
    WindowFixture fixture;
    Editor editor(openOnPage(fixture, kCommentPage));
    MainWindow& window = fixture.window();
    ImageList& list = window.panel().list();
    list.setComment(1, "B\r\nC");
    EXPECT_FALSE(editor.box->isEnabled()) << "no image is selected at start";

    click(editor.next);
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_TRUE(editor.box->isEnabled());
    EXPECT_TRUE(editor.box->toPlainText().isEmpty());
    ASSERT_TRUE(waitUntil([&] { return resolution(fixture) == "64 x 48　Pixel"; }));

    click(editor.next);
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(editor.box->toPlainText(), QStringLiteral("B\nC"));
    EXPECT_EQ(window.listView().currentIndex().row(), 1);
    ASSERT_TRUE(waitUntil([&] { return resolution(fixture) == "40 x 30　Pixel"; }));

    click(editor.next);
    EXPECT_EQ(list.currentRow(), 1) << "the last row stays current";
    click(editor.previous);
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_EQ(window.listView().currentIndex().row(), 0);
    ASSERT_TRUE(waitUntil([&] { return resolution(fixture) == "64 x 48　Pixel"; }));
    click(editor.previous);
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_EQ(list.comment(1), "B\r\nC") << "showing a comment does not change it";
}

TEST(TheCommentBox, FollowsARowPickedInTheListAndALoadUnderIt) {
    WindowFixture fixture;
    Editor editor(openOnPage(fixture, kCommentPage));
    MainWindow& window = fixture.window();
    ImageList& list = window.panel().list();
    list.setComment(1, "二枚目");
    const QRect cell = window.listView().visualRect(window.listView().model()->index(1, 1));
    QTest::mouseClick(window.listView().viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(editor.box->toPlainText(), QStringLiteral("二枚目"));

    // A load that replaces the current row's comment shows the new one at once.
    fixture.dir.write("c.vtc", "2\r\n1\r\nnew\r\n--*--*--*--*--\r\n");
    fixture.dialogs.openFiles = {QString::fromStdString(fixture.dir.file("c.vtc"))};
    click(editor.load);
    EXPECT_EQ(editor.box->toPlainText(), QStringLiteral("new"));
    EXPECT_EQ(list.currentRow(), 1) << "a current row stays where it is";
}

TEST(LoadingComments, AsksAboutOtherCountsAndSelectsTheFirstImage) {
    WindowFixture fixture;
    Editor editor(openOnPage(fixture, kCommentPage));
    ImageList& list = fixture.window().panel().list();
    // Saved for three images; the list has two.
    const std::string file = fixture.dir.write("three.vtc", "3\r\n0\r\nzero\r\n--*--*--*--*--\r\n"
                                                            "2\r\ntwo\r\n--*--*--*--*--\r\n");

    fixture.dialogs.openFiles = {QString::fromStdString(file)};
    fixture.prompter.willAnswer(false);
    click(editor.load);
    ASSERT_EQ(fixture.prompter.calls.size(), 1u);
    EXPECT_EQ(fixture.prompter.calls[0].caption, "コメント読みとり");
    EXPECT_EQ(fixture.prompter.calls[0].text,
              "画像数がコメント保存時より少ないため、画像とコメントが同期しない恐れが有ります。\n"
              "処理を続けますか？（余分なコメントは切り捨てられます。）");
    EXPECT_EQ(list.comment(0), "");
    EXPECT_EQ(list.currentRow(), ImageList::kNoRow) << "No changes nothing";
    EXPECT_FALSE(editor.box->isEnabled());

    fixture.dialogs.openFiles = {QString::fromStdString(file)};
    fixture.prompter.willAnswer(true);
    click(editor.load);
    EXPECT_EQ(list.comment(0), "zero");
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_EQ(fixture.window().listView().currentIndex().row(), 0);
    EXPECT_TRUE(editor.box->isEnabled());
    EXPECT_EQ(editor.box->toPlainText(), QStringLiteral("zero"));
    ASSERT_TRUE(waitUntil([&] { return resolution(fixture) == "64 x 48　Pixel"; }));
    EXPECT_EQ(fixture.dialogs.calls.last(),
              QStringLiteral("open|ファイルを開く||") + QString::fromUtf8(kFilter));
}

TEST(TheCommentFileDialogs, ChangeNothingOnCancelAndReportAFileThatCannotBeRead) {
    WindowFixture fixture;
    Editor editor(openOnPage(fixture, kCommentPage));
    ImageList& list = fixture.window().panel().list();
    list.setComment(0, "kept");

    fixture.dialogs.saveFiles = {std::nullopt};
    click(editor.save);
    EXPECT_EQ(fixture.dialogs.calls.last(),
              QStringLiteral("save|名前を付けて保存|comment.vtc|") + QString::fromUtf8(kFilter));
    fixture.dialogs.openFiles = {std::nullopt};
    click(editor.load);
    EXPECT_EQ(list.comment(0), "kept");
    EXPECT_TRUE(fixture.prompter.calls.empty());
    EXPECT_TRUE(vistrel::test::namesIn(fixture.dir.path()) == (std::vector<std::string>{"photos"}));

    fixture.dialogs.openFiles = {QString::fromStdString(fixture.dir.file("missing.vtc"))};
    click(editor.load);
    ASSERT_EQ(fixture.prompter.calls.size(), 1u);
    EXPECT_EQ(fixture.prompter.calls[0].caption, "ファイルエラー");
    EXPECT_EQ(fixture.prompter.calls[0].icon, PromptIcon::Stop);
    EXPECT_NE(fixture.prompter.calls[0].text.find(fixture.dir.file("missing.vtc")),
              std::string::npos);
    EXPECT_EQ(list.comment(0), "kept");
}

TEST(TheCommentBox, IsEmptiedAndDisabledByARefillUntilARowIsCurrentAgain) {
    WindowFixture fixture;
    Editor editor(openOnPage(fixture, kCommentPage));
    ImageList& list = fixture.window().panel().list();
    click(editor.next);
    QTest::keyClicks(editor.box, QStringLiteral("lost"));
    ASSERT_EQ(list.comment(0), "lost");

    // Another file type: the list is refilled after the user agrees to lose the comments.
    fixture.prompter.willAnswer(true);
    clickBox(fixture.control<QCheckBox>(control::kGif));
    ASSERT_EQ(list.currentRow(), ImageList::kNoRow);
    EXPECT_FALSE(editor.box->isEnabled());
    EXPECT_TRUE(editor.box->toPlainText().isEmpty());
    QTest::keyClicks(editor.box, QStringLiteral("x"));
    EXPECT_TRUE(editor.box->toPlainText().isEmpty());
    EXPECT_TRUE(list.comment(0).empty());

    click(editor.next);
    EXPECT_TRUE(editor.box->isEnabled());
    QTest::keyClicks(editor.box, QStringLiteral("new"));
    EXPECT_EQ(list.comment(0), "new");
}

} // namespace
} // namespace vistrel::ui::test
