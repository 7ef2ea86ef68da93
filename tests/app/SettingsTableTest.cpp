// SPDX-License-Identifier: MIT
#include "app/SettingsTable.h"

#include <set>

#include <gtest/gtest.h>

#include "app/ColorText.h"

namespace vistrel {
namespace {

TEST(TheSettingsTable, HoldsEightyDistinctKeysInSevenSectionsWithADistinctLoadPosition) {
    const auto table = settingsInSaveOrder();
    ASSERT_EQ(table.size(), 80u);
    std::set<std::string_view> keys;
    std::set<int> positions;
    for (const auto& descriptor : table) {
        keys.insert(descriptor.key);
        positions.insert(descriptor.loadPosition);
    }
    EXPECT_EQ(keys.size(), 80u);
    EXPECT_EQ(positions.size(), 80u);
    EXPECT_EQ(*positions.begin(), 0);
    EXPECT_EQ(*positions.rbegin(), 79);
    EXPECT_EQ(settingSections().size(), 7u);
}

TEST(TheSettingsTable, GivesTheDefaultsOfAFirstStart) {
    const Settings s = makeDefaultSettings("/opt/tools/");
    EXPECT_EQ(s.ImagePath, "/opt/tools/");
    EXPECT_EQ(s.HTMLPath, "/opt/tools/html/");
    EXPECT_EQ(s.ImageMode, 7);
    EXPECT_EQ(s.MainImage, 2);
    EXPECT_EQ(s.AddString, "_thumb");
    EXPECT_EQ(s.ImageCase, 2);
    EXPECT_EQ(s.HTMLFile, "catalog.html");
    EXPECT_EQ(s.SubFolder, "image");
    EXPECT_EQ(s.Thumbres, 3);
    EXPECT_EQ(s.ThumSize, 100);
    EXPECT_EQ(s.Resx, 480);
    EXPECT_EQ(s.Resy, 360);
    EXPECT_EQ(s.Information, 11);
    EXPECT_EQ(s.ExifInfo, 0x1DF);
    EXPECT_EQ(s.Title, "画像一覧");
    EXPECT_EQ(s.FontFace, "MS UI Gothic");
    EXPECT_EQ(s.FontSize, "10.5");
    EXPECT_EQ(s.TitleColor, "#009933");
    EXPECT_EQ(s.ImageNum, 5);
    EXPECT_EQ(s.BGColor, "#FAF7FF");
    EXPECT_EQ(s.LeftTarget, "Contents");
    EXPECT_EQ(s.RightTarget, "Image");
    EXPECT_EQ(s.LeftFile, "menu");
    EXPECT_EQ(s.HPName, "ホームページに戻る");
    EXPECT_EQ(s.HPURL, "http://");
    EXPECT_EQ(s.NextImage, "次の画像 >>");
    EXPECT_EQ(s.PrevImage, "<< 前の画像");
    EXPECT_EQ(s.ThumbNail, "画像一覧ページに戻る");
    EXPECT_EQ(s.AlinkColor, "#0000FF");
    EXPECT_EQ(s.VlinkColor, "#800080");
    EXPECT_EQ(s.HlinkColor, "#FF0000");
    EXPECT_EQ(s.NavWidth, "640");
    EXPECT_EQ(s.Timeout, "5");
    EXPECT_EQ(s.PreLoad, 1);
    EXPECT_EQ(s.TransNum, 23);
    EXPECT_EQ(s.RepeatVal, 10);
    EXPECT_EQ(s.Volume, 80);
    EXPECT_EQ(s.AutoPlay, 1);
    EXPECT_EQ(s.ExifItemCount, 0);
    EXPECT_EQ(s.LegacyWindowsFamily, 0);
}

TEST(TheProfileIntegerReading, TakesAnOptionalSignAndLeadingDigits) {
    EXPECT_EQ(parseProfileInteger("42"), 42);
    EXPECT_EQ(parseProfileInteger("-17"), -17);
    EXPECT_EQ(parseProfileInteger("+8"), 8);
    EXPECT_EQ(parseProfileInteger("12px"), 12);
    EXPECT_EQ(parseProfileInteger("px"), 0);
    EXPECT_EQ(parseProfileInteger(""), 0);
    EXPECT_EQ(parseProfileInteger("-"), 0);
    EXPECT_EQ(parseProfileInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseProfileInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(parseProfileInteger("4294967295"), -1);
}

TEST(TheExifItemSet, KeepsItsLowSixteenBits) {
    Settings s;
    const SettingDescriptor* exif = findSetting("ExifInfo");
    ASSERT_NE(exif, nullptr);
    assignSettingText(s, *exif, "65535");
    EXPECT_EQ(s.ExifInfo, 65535);
    EXPECT_EQ(settingText(s, *exif), "65535");
    assignSettingText(s, *exif, "65537");
    EXPECT_EQ(s.ExifInfo, 1);
    assignSettingText(s, *exif, "-1");
    EXPECT_EQ(s.ExifInfo, 65535);
}

TEST(TheSettingsTable, FindsKeysOnlyAsSpelledInTheIniFile) {
    EXPECT_NE(findSetting("TOPLAYOUT"), nullptr);
    EXPECT_EQ(findSetting("TopLayout"), nullptr);
    EXPECT_EQ(findSetting("ExifItemCount"), nullptr);
    EXPECT_TRUE(findSetting("NavWidth")->isString());
    EXPECT_FALSE(findSetting("Volume")->isString());
}

TEST(ColorText, IsWrittenUpperCaseAndReadBackByPairs) {
    EXPECT_EQ(formatColorText({0xFA, 0x07, 0xff}), "#FA07FF");
    EXPECT_EQ(parseColorText("#FA07ff"), (RgbColor{0xFA, 0x07, 0xFF}));
    EXPECT_EQ(parseColorText("#12zz56"), (RgbColor{0x12, 0, 0x56}));
    EXPECT_EQ(parseColorText("#1234"), (RgbColor{0x12, 0x34, 0}));
    EXPECT_EQ(parseColorText(""), (RgbColor{}));
}

} // namespace
} // namespace vistrel
