// SPDX-License-Identifier: MIT
#include "app/ControlStates.h"

#include <gtest/gtest.h>

#include "app/Settings.h"
#include "app/SettingsTable.h"

namespace vistrel {
namespace {

Settings thumbnailSite() {
    Settings settings = makeDefaultSettings("/program/");
    settings.Mode = 0;
    settings.MakePage = 1;
    settings.Changeres = 1;
    settings.Frame = 0;
    return settings;
}

TEST(ControlStates, LeaveEveryThumbnailControlUsableAndNoSlideshowControl) {
    const ControlStates states = controlStatesFor(thumbnailSite());
    EXPECT_TRUE(states.mainPageBox && states.sizeChoices && states.resizeBox &&
                states.resizeFields && states.commentItems && states.frameChoice &&
                states.withoutFrames && states.pageLinks && states.indexLink);
    EXPECT_FALSE(states.frameSettings);
    EXPECT_FALSE(states.slideShow || states.preloadCounts || states.effectList ||
                 states.roundList || states.music);
}

TEST(ControlStates, FollowTheMainPagesFramesAndResizeBoxInThumbnailMode) {
    Settings settings = thumbnailSite();
    settings.Changeres = 0;
    EXPECT_TRUE(controlStatesFor(settings).resizeBox);
    EXPECT_FALSE(controlStatesFor(settings).resizeFields);

    settings.Changeres = 1;
    settings.MakePage = 0;
    ControlStates states = controlStatesFor(settings);
    EXPECT_FALSE(states.resizeBox || states.resizeFields || states.pageLinks || states.indexLink)
        << "without main pages nothing of theirs can be set";
    EXPECT_TRUE(states.mainPageBox);

    settings.MakePage = 1;
    settings.Frame = 1;
    states = controlStatesFor(settings);
    EXPECT_TRUE(states.pageLinks && states.frameSettings);
    EXPECT_FALSE(states.indexLink || states.withoutFrames);
}

TEST(ControlStates, LeaveOnlyTheSlideshowAndMusicUsableInAnyOtherMode) {
    Settings settings = thumbnailSite();
    settings.Mode = 7;
    settings.PreLoad = 1;
    settings.Transition = 0;
    settings.SlideStop = 3;
    const ControlStates states = controlStatesFor(settings);
    EXPECT_FALSE(states.mainPageBox || states.sizeChoices || states.resizeBox ||
                 states.resizeFields || states.commentItems || states.frameChoice ||
                 states.withoutFrames || states.frameSettings || states.pageLinks ||
                 states.indexLink);
    EXPECT_TRUE(states.slideShow && states.preloadCounts && states.roundList && states.music);
    EXPECT_FALSE(states.effectList);
}

} // namespace
} // namespace vistrel
