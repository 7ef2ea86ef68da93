// SPDX-License-Identifier: MIT
// A site made from the window is the site the command line makes from the same settings file
// and folder; Cancel in the progress dialog stops the run as Ctrl-C stops the command line's.
#include <filesystem>

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "app/SettingsFile.h"
#include "support/ProcessRunner.h"
#include "ui/progress/CMsgDialog.h"
#include "ui/window/MainWindowTable.h"
#include "window/WindowFixture.h"

namespace vistrel::ui::test {
namespace {

struct SiteKind {
    const char* name;
    int mode;
    int frame;
};

class ASiteFromTheWindow : public testing::TestWithParam<SiteKind> {};

TEST_P(ASiteFromTheWindow, EqualsTheSiteTheCommandLineMakes) {
    WindowFixture fixture;
    writePicture(fixture.dir.file("photos/c.jpg"), 120, 90, Qt::green);
    fixture.settings.Mode = GetParam().mode;
    fixture.settings.Frame = GetParam().frame;
    fixture.settings.Title = "旅の写真";
    const std::string ini = fixture.dir.file("vistrel.ini");
    ASSERT_TRUE(saveSettingsFile(ini, fixture.settings));
    std::filesystem::create_directories(fixture.dir.file("site/image"));
    std::filesystem::create_directories(fixture.dir.file("cli-site/image"));

    const auto cli = vistrel::test::runProcess(
        VISTREL_CLI_PATH, {"create", "--ini", ini, "--source", fixture.dir.file("photos"),
                           "--output", fixture.dir.file("cli-site"), "--yes"});
    ASSERT_EQ(cli.exitCode, 0) << cli.err;

    fixture.settings = loadSettingsFile(ini, fixture.dir.file("program") + "/");
    fixture.open();
    fixture.prompter.willAnswer(false); // the completion question: do not view it now
    fixture.click(control::kCreate);

    const auto fromWindow = vistrel::test::filesUnder(fixture.dir.file("site"));
    EXPECT_EQ(fromWindow, vistrel::test::filesUnder(fixture.dir.file("cli-site")));
    EXPECT_GE(fromWindow.size(), 4u);
    ASSERT_FALSE(fixture.prompter.calls.empty());
    EXPECT_EQ(fixture.prompter.calls.back().caption, "完了メッセージ");
    EXPECT_TRUE(fixture.opener.opened.empty());
}

INSTANTIATE_TEST_SUITE_P(EachMode, ASiteFromTheWindow,
                         testing::Values(SiteKind{"Index", 0, 0}, SiteKind{"FrameSet", 0, 1},
                                         SiteKind{"SlideShow", 1, 0}),
                         [](const auto& kind) { return std::string(kind.param.name); });

TEST(ARunFromTheWindow, ShowsTheFolderItCompletedWithoutRefillingTheList) {
    WindowFixture fixture;
    // A folder typed without its final "/" lists the names that begin with it.
    writePicture(fixture.dir.file("photos1.png"), 20, 20, Qt::yellow);
    fixture.settings.ImagePath = fixture.dir.file("photos");
    std::filesystem::create_directories(fixture.dir.file("site/image"));
    MainWindow& window = fixture.open();
    ASSERT_EQ(window.panel().list().rowCount(), 1);
    window.panel().list().setComment(0, "黄色");

    fixture.prompter.willAnswer(false); // no viewing at the end
    fixture.click(control::kCreate);

    EXPECT_EQ(fixture.control<QLineEdit>(control::kFolderBox)->text().toStdString(),
              fixture.dir.file("photos") + "/");
    EXPECT_EQ(fixture.settings.ImagePath, fixture.dir.file("photos") + "/");
    ASSERT_EQ(window.panel().list().rowCount(), 1);
    EXPECT_EQ(window.panel().list().comment(0), "黄色") << "the list was not refilled";
}

TEST(CancelInTheProgressDialog, StopsTheRunAndLeavesNoCutPage) {
    WindowFixture fixture;
    for (int i = 0; i < 12; ++i) {
        writePicture(fixture.dir.file("photos/p" + std::to_string(i) + ".png"), 300, 200,
                     Qt::darkCyan);
    }
    std::filesystem::create_directories(fixture.dir.file("site/image"));
    MainWindow& window = fixture.open();

    // Once the thumbnails are under way, the user presses Cancel in the dialog.
    int passes = 0;
    bool clicked = false;
    const User user([&] {
        auto* dialog = window.findChild<CMsgDialog*>();
        if (dialog == nullptr || !dialog->isVisible() || ++passes < 3) {
            return false;
        }
        auto* cancel = dialog->findChild<QAbstractButton*>();
        QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, {},
                          cancel->mapTo(dialog, cancel->rect().center()));
        clicked = true;
        return true;
    });
    fixture.click(control::kCreate);

    ASSERT_TRUE(clicked) << testing::PrintToString(fixture.prompter.calls);
    for (const auto& call : fixture.prompter.calls) {
        EXPECT_NE(call.caption, "完了メッセージ") << "a cancelled run is not complete";
    }
    const auto files = vistrel::test::filesUnder(fixture.dir.file("site"));
    for (const auto& [name, bytes] : files) {
        EXPECT_EQ(name.find(".vistrel-"), std::string::npos) << name;
        if (name.ends_with(".html")) {
            EXPECT_NE(bytes.find("</HTML>"), std::string::npos) << name << " is cut";
        }
    }
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.panel().runInProgress().active());
}

} // namespace
} // namespace vistrel::ui::test
