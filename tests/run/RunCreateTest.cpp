// SPDX-License-Identifier: MIT
#include "run/RunCreate.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/RecordingSettingsObserver.h"
#include "app/Settings.h"
#include "app/SettingsChanges.h"
#include "app/SettingsTable.h"
#include "catalogue/CurrentImage.h"
#include "catalogue/ImageListPanel.h"
#include "imaging/FixtureEncoders.h"
#include "imaging/FixtureImages.h"
#include "platform/CancelFlag.h"
#include "platform/DocumentOpener.h"
#include "platform/ProgressSink.h"
#include "run/RunContext.h"
#include "support/RecordingProgressSink.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

TEST(RunCreate, TellsTheSettingsViewsOfEverySettingItChangesItself) {
    const test::TempDir dir;
    dir.write("photos/a.png", test::encodePng(test::Raster(8, 6, {1, 2, 3})));
    Settings settings = makeDefaultSettings(dir.file("program") + "/");
    settings.HTMLPath = dir.file("site"); // typed without the final "/"
    settings.Mode = 1;
    settings.PlayMusic = 1;
    settings.MIDIFile.clear();

    SettingsChanges changes;
    test::RecordingSettingsObserver observer;
    changes.addObserver(&observer);
    ImageListPanel panel(settings);
    panel.setFolderText(dir.file("photos") + "/");
    settings.ImagePath = dir.file("photos"); // a settings file holding it without the "/"
    CurrentImage current;
    // Create the missing site folder; go on without music; do not view the result.
    test::ScriptedPrompter prompter({true, true, false});
    NullProgressSink progress;
    CancelFlag cancel;
    DefaultApplicationOpener opener;
    RunContext context{settings, changes, panel, current, prompter, progress, cancel, opener};

    EXPECT_EQ(RunCreate(context), 1);

    EXPECT_EQ(observer.keys, (std::vector<std::string>{"ImagePath", "HTMLPath", "PlayMusic"}));
    EXPECT_EQ(settings.HTMLPath, dir.file("site") + "/");
    EXPECT_EQ(settings.PlayMusic, 0);
}

// A front end that, while the run pumps its events, asks for a second run and a refill.
class MeddlingProgress final : public ProgressSink {
public:
    void open(ProgressKind, std::string_view) override {}
    void setProgress(int, int) override {}
    void close() override {}
    void pump() override {
        if (context != nullptr && !tried) {
            tried = true;
            secondRun = RunCreate(*context);
            refilled = context->panel.setFolderText("/");
        }
    }

    RunContext* context = nullptr;
    bool tried = false;
    int secondRun = -1;
    bool refilled = true;
};

// One picture to publish into an output folder that exists; the completion question is
// answered No.
struct ReadySite {
    ReadySite() : settings(makeDefaultSettings(dir.file("program") + "/")), panel(settings) {
        dir.write("photos/a.png", test::encodePng(test::Raster(8, 6, {1, 2, 3})));
        dir.write("site/image/keep.txt", "the output folders exist");
        settings.HTMLPath = dir.file("site") + "/";
        panel.setFolderText(dir.file("photos") + "/");
    }
    RunContext context(ProgressSink& progress) {
        return {settings, changes, panel, current, prompter, progress, cancel, opener};
    }

    const test::TempDir dir;
    Settings settings;
    ImageListPanel panel;
    const SettingsChanges changes;
    CurrentImage current;
    test::ScriptedPrompter prompter{false};
    CancelFlag cancel;
    DefaultApplicationOpener opener;
};

TEST(RunCreate, RefusesASecondRunAndARefillAskedForWhileItWorks) {
    ReadySite site;
    MeddlingProgress progress;
    RunContext context = site.context(progress);
    progress.context = &context;

    EXPECT_EQ(RunCreate(context), 1);

    ASSERT_TRUE(progress.tried);
    EXPECT_EQ(progress.secondRun, 0);
    EXPECT_FALSE(progress.refilled);
    EXPECT_EQ(site.panel.folderText(), site.dir.file("photos") + "/");
    EXPECT_TRUE(site.panel.setFolderText(site.dir.file("photos") + "/")) << "the run is over";
}

TEST(RunCreate, IsNotStoppedByACancelTheLastRunDidNotTake) {
    ReadySite site;
    site.cancel.request(); // pressed in the last pump of the run before
    NullProgressSink progress;
    RunContext context = site.context(progress);

    EXPECT_EQ(RunCreate(context), 1);
    EXPECT_EQ(site.dir.read("site/image/a.png"), site.dir.read("photos/a.png"));
}

TEST(RunCreate, StopsWithNothingWrittenWhenCancelledWhileItChecksTheFiles) {
    const test::TempDir dir;
    dir.write("photos/a.png", test::encodePng(test::Raster(8, 6, {1, 2, 3})));
    dir.write("site/image/keep.txt", "the output folders exist");
    Settings settings = makeDefaultSettings(dir.file("program") + "/");
    settings.HTMLPath = dir.file("site") + "/";
    ImageListPanel panel(settings);
    panel.setFolderText(dir.file("photos") + "/");
    const SettingsChanges changes;
    CurrentImage current;
    test::ScriptedPrompter prompter;
    CancelFlag cancel;
    // Ctrl-C on the command line, before any display is open.
    test::RecordingProgressSink progress;
    progress.onPump = [&cancel](int) { cancel.request(); };
    DefaultApplicationOpener opener;
    RunContext context{settings, changes, panel, current, prompter, progress, cancel, opener};

    EXPECT_EQ(RunCreate(context), 0);

    EXPECT_EQ(progress.events, std::vector<std::string>{"pump"}) << "no display was opened";
    EXPECT_EQ(test::namesIn(dir.file("site")), std::vector<std::string>{"image"});
    EXPECT_EQ(test::namesIn(dir.file("site/image")), std::vector<std::string>{"keep.txt"});
    EXPECT_TRUE(prompter.calls.empty());
    EXPECT_FALSE(cancel.isRequested());
}

} // namespace
} // namespace vistrel
