// SPDX-License-Identifier: MIT
// A slideshow set up on the window's pages is the slideshow the command line makes from the
// settings file the window saves.
#include <filesystem>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "app/SettingsFile.h"
#include "pages/general/PageTesting.h"
#include "support/ProcessRunner.h"
#include "ui/window/MainWindowTable.h"

namespace vistrel::ui::test {
namespace {

class ASlideShowSetUpInTheWindow : public PageTest {};

TEST_F(ASlideShowSetUpInTheWindow, EqualsTheOneTheCommandLineMakesFromTheSavedSettings) {
    const std::string music =
        fixture.dir.write("songs/waltz.mid", std::string_view("MThd\0\0\0\x06", 8));
    std::filesystem::create_directories(fixture.dir.file("site/image"));
    std::filesystem::create_directories(fixture.dir.file("cli-site/image"));
    fixture.settings.Mode = 1;
    openPage(4);

    // The slideshow page: four seconds, with effects, buttons, comments and three rounds.
    retype(find<QLineEdit>("timeout"), QStringLiteral("4"));
    clickBox(find<QCheckBox>("transition"));
    clickBox(find<QCheckBox>("button"));
    clickBox(find<QCheckBox>("comment"));
    clickBox(find<QCheckBox>("slideStop"));
    // The music page: background music from a file of the user's.
    fixture.window().tabs().tabBar()->setCurrentIndex(5);
    clickBox(find<QCheckBox>("playMusic", 5));
    retype(find<QLineEdit>("midiFile", 5), QString::fromStdString(music));

    const std::string ini = fixture.dir.file("vistrel.ini");
    ASSERT_TRUE(saveSettingsFile(ini, fixture.settings));
    EXPECT_EQ(fixture.settings.Transition, 1);
    EXPECT_EQ(fixture.settings.PlayMusic, 1);

    fixture.prompter.willAnswer(false); // the completion question: do not view it now
    fixture.click(control::kCreate);
    ASSERT_TRUE(std::filesystem::exists(fixture.dir.file("site/catalog.html")));

    const auto cli = vistrel::test::runProcess(
        VISTREL_CLI_PATH, {"create", "--ini", ini, "--source", fixture.dir.file("photos"),
                           "--output", fixture.dir.file("cli-site"), "--yes"});
    ASSERT_EQ(cli.exitCode, 0) << cli.err;

    const auto fromWindow = vistrel::test::filesUnder(fixture.dir.file("site"));
    EXPECT_TRUE(fromWindow.contains("image/waltz.mid"));
    EXPECT_EQ(fromWindow, vistrel::test::filesUnder(fixture.dir.file("cli-site")));
}

} // namespace
} // namespace vistrel::ui::test
