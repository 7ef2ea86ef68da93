// SPDX-License-Identifier: MIT
#include "app/SettingsEdit.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/RecordingSettingsObserver.h"
#include "app/RunInProgress.h"
#include "app/Settings.h"
#include "app/SettingsChanges.h"
#include "app/SettingsTable.h"

namespace vistrel {
namespace {

TEST(EditSetting, StoresTheTextTellsTheViewsAndRefusesWhileARunIsUnderWay) {
    Settings settings = makeDefaultSettings("/opt/vistrel/");
    RunInProgress run;
    SettingsChanges changes;
    test::RecordingSettingsObserver observer;
    changes.addObserver(&observer);

    EXPECT_TRUE(editSetting(settings, "ThumSize", "150", run, changes));
    EXPECT_TRUE(editSetting(settings, "Title", "旅の写真", run, changes));
    EXPECT_FALSE(editSetting(settings, "NoSuchKey", "1", run, changes));
    {
        const RunInProgress::Scope running(run);
        EXPECT_FALSE(editSetting(settings, "ThumSize", "80", run, changes));
    }

    EXPECT_EQ(settings.ThumSize, 150);
    EXPECT_EQ(settings.Title, "旅の写真");
    EXPECT_EQ(observer.keys, (std::vector<std::string>{"ThumSize", "Title"}));
}

} // namespace
} // namespace vistrel
