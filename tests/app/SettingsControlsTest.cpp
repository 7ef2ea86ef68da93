// SPDX-License-Identifier: MIT
#include "app/SettingsControls.h"

#include <cstdint>

#include <gtest/gtest.h>

#include "app/Settings.h"
#include "app/SettingsTable.h"

namespace vistrel {
namespace {

TEST(SettingsControls, CutTheHtmlFileNameAsTypedAndCaseBlindOnlyAtPageStart) {
    EXPECT_EQ(htmlFileFromTyped("gallery.htm"), "gallery");
    EXPECT_EQ(htmlFileFromTyped("gallery.html.htm"), "gallery");
    EXPECT_EQ(htmlFileFromTyped("Gallery.HTML"), "Gallery.HTML");
    EXPECT_EQ(htmlFileAtPageStart("catalog.html"), "catalog");
    EXPECT_EQ(htmlFileAtPageStart("Index.HTM"), "index");
    EXPECT_EQ(htmlFileAtPageStart("MyPage"), "MyPage") << "no suffix: the name keeps its case";
}

TEST(SettingsControls, LimitThumbnailsPerRowToOneToTen) {
    EXPECT_EQ(imageNumFromText("7"), 7);
    EXPECT_EQ(imageNumFromText("11"), 10);
    EXPECT_EQ(imageNumFromText("99999999999"), 10);
    EXPECT_EQ(imageNumFromText("0"), 1);
    EXPECT_EQ(imageNumFromText("-3"), 1);
    EXPECT_EQ(imageNumFromText("abc"), 1);
    EXPECT_EQ(imageNumFromText(""), 1);
}

TEST(SettingsControls, GiveTheIndexLinkItsDefaultWhenTheBoxIsEmpty) {
    EXPECT_EQ(thumbNailFromText(""), "画像一覧ページに戻る");
    EXPECT_EQ(thumbNailFromText("一覧へ"), "一覧へ");
}

TEST(SettingsControls, GiveTheThumbnailSuffixItsDefaultWhenTheBoxIsEmpty) {
    EXPECT_EQ(addStringFromText(""), "_thumb");
    EXPECT_EQ(addStringFromText("_s"), "_s");
}

TEST(SettingsControls, ShowTheVolumeAsEachTagCountsItAndSwitchBackAndForth) {
    EXPECT_EQ(volumeDisplay(50, 0), 50);
    EXPECT_EQ(volumeDisplay(50, 1), -5000);
    EXPECT_EQ(volumeDisplay(0, 1), -10000);
    EXPECT_EQ(volumeDisplay(100, 7), 0) << "any tag but 0 is BGSOUND";
    EXPECT_EQ(volumeShownForBgsound(50), -5000);
    EXPECT_EQ(volumeShownForEmbed(-5000), 50);
    EXPECT_EQ(volumeShownForEmbed(volumeShownForBgsound(73)), 73);
}

TEST(SettingsControls, WriteTheThumbnailSizeLineAndSetThePresetSizes) {
    Settings settings = makeDefaultSettings("/opt/vistrel/");
    settings.ThumSize = 150;
    settings.Thumbres = 3;
    EXPECT_EQ(thumbnailSizeLine(settings), "現在の設定 ： 100x100");
    EXPECT_EQ(settings.ThumSize, 100);
    settings.Thumbres = 5;
    settings.ThumSize = 150;
    EXPECT_EQ(thumbnailSizeLine(settings), "現在の設定 ： 150 x 150");
    for (const std::int32_t other : {9, 1, INT32_MIN, INT32_MAX}) {
        settings.Thumbres = other;
        EXPECT_EQ(thumbnailSizeLine(settings), "現在の設定 ： 150 x 150") << other;
        EXPECT_EQ(settings.ThumSize, 150);
    }
}

} // namespace
} // namespace vistrel
