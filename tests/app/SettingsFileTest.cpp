// SPDX-License-Identifier: MIT
#include "app/SettingsFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "app/SettingsTable.h"
#include "support/TempDir.h"
#include "text/Encoding.h"

namespace vistrel {
namespace {

using test::TempDir;

// The save order of the settings file, written out by hand so that a change of the table
// cannot silently change what a new file looks like.
constexpr const char* kNewFileWithDefaults = "[General]\r\n"
                                             "ImagePath=/p/\r\n"
                                             "ImageMode=7\r\n"
                                             "Select=1\r\n"
                                             "AllowUndo=0\r\n"
                                             "MainImage=2\r\n"
                                             "ThumbImage=0\r\n"
                                             "ThumbType=0\r\n"
                                             "AddString=_thumb\r\n"
                                             "Unsharp=0\r\n"
                                             "ImageCase=2\r\n"
                                             "Hover=0\r\n"
                                             "MainClick=0\r\n"
                                             "Filter=0\r\n"
                                             "\r\n"
                                             "[Page1]\r\n"
                                             "HTMLPath=/p/html/\r\n"
                                             "HTMLFile=catalog.html\r\n"
                                             "HTMLExt=0\r\n"
                                             "SubFolder=image\r\n"
                                             "Mode=0\r\n"
                                             "Thumbres=3\r\n"
                                             "ThumSize=100\r\n"
                                             "Changeres=0\r\n"
                                             "Resx=480\r\n"
                                             "Resy=360\r\n"
                                             "KeepRatio=1\r\n"
                                             "Unit=0\r\n"
                                             "MakePage=1\r\n"
                                             "\r\n"
                                             "[Page2]\r\n"
                                             "CommentPos=1\r\n"
                                             "Information=11\r\n"
                                             "MainInfo=0\r\n"
                                             "ExifInfo=479\r\n"
                                             "CommentColor=#000000\r\n"
                                             "SetCommentCol=0\r\n"
                                             "\r\n"
                                             "[Page3]\r\n"
                                             "Title=画像一覧\r\n"
                                             "FontFace=MS UI Gothic\r\n"
                                             "FontSize=10.5\r\n"
                                             "SetTitleColor=1\r\n"
                                             "TitleColor=#009933\r\n"
                                             "Frame=0\r\n"
                                             "ImageNum=5\r\n"
                                             "Window=0\r\n"
                                             "Border=1\r\n"
                                             "UseImage=0\r\n"
                                             "BGImagePath=\r\n"
                                             "BGImageName=\r\n"
                                             "BGColor=#FAF7FF\r\n"
                                             "LeftTarget=Contents\r\n"
                                             "RightTarget=Image\r\n"
                                             "LeftFile=menu\r\n"
                                             "\r\n"
                                             "[Page4]\r\n"
                                             "HPName=ホームページに戻る\r\n"
                                             "HPURL=http://\r\n"
                                             "NextImage=次の画像 >>\r\n"
                                             "PrevImage=<< 前の画像\r\n"
                                             "NavPos=0\r\n"
                                             "ThumbNail=画像一覧ページに戻る\r\n"
                                             "AlinkColor=#0000FF\r\n"
                                             "VlinkColor=#800080\r\n"
                                             "HlinkColor=#FF0000\r\n"
                                             "AutoNav=1\r\n"
                                             "NavWidth=640\r\n"
                                             "TOPLAYOUT=0\r\n"
                                             "THUMBLAYOUT=0\r\n"
                                             "\r\n"
                                             "[Page5]\r\n"
                                             "Timeout=5\r\n"
                                             "PreLoad=1\r\n"
                                             "PreLoadNum=0\r\n"
                                             "Transition=0\r\n"
                                             "TransNum=23\r\n"
                                             "Button=0\r\n"
                                             "Comment=0\r\n"
                                             "Start=0\r\n"
                                             "Align=0\r\n"
                                             "SlideStop=0\r\n"
                                             "\r\n"
                                             "[Page6]\r\n"
                                             "PlayMusic=0\r\n"
                                             "MIDIFile=\r\n"
                                             "MIDIFileName=\r\n"
                                             "Tag=0\r\n"
                                             "Repeat=0\r\n"
                                             "RepeatVal=10\r\n"
                                             "Volume=80\r\n"
                                             "AutoPlay=1\r\n"
                                             "Panel=0\r\n";

// Every stored setting given a value unlike its default, through the table's own member.
Settings everySettingChanged() {
    Settings settings = makeDefaultSettings("/p/");
    int counter = 1000;
    for (const auto& descriptor : settingsInSaveOrder()) {
        ++counter;
        const std::string value =
            descriptor.isString() ? "値" + std::to_string(counter) : std::to_string(counter);
        assignSettingText(settings, descriptor, value);
    }
    settings.SetCommentCol = 1; // keeps CommentColor as saved
    return settings;
}

TEST(TheSettingsFile, MissingGivesExactlyTheDefaults) {
    TempDir dir;
    const Settings loaded = loadSettingsFile(dir.file("none.ini"), "/p/");
    const Settings defaults = makeDefaultSettings("/p/");
    for (const auto& descriptor : settingsInSaveOrder()) {
        EXPECT_EQ(settingText(loaded, descriptor), settingText(defaults, descriptor))
            << descriptor.key;
    }
}

TEST(TheSettingsFile, NewHasTheSevenSectionsAndKeysInTheSaveOrderInCp932) {
    TempDir dir;
    ASSERT_TRUE(saveSettingsFile(dir.file("new.ini"), makeDefaultSettings("/p/")));
    const std::string bytes = dir.read("new.ini");
    EXPECT_EQ(bytes, *utf8ToCp932(kNewFileWithDefaults));
}

TEST(TheSettingsFile, RoundTripsEveryKey) {
    TempDir dir;
    const Settings saved = everySettingChanged();
    ASSERT_TRUE(saveSettingsFile(dir.file("v.ini"), saved));
    const Settings loaded = loadSettingsFile(dir.file("v.ini"), "/elsewhere/");
    for (const auto& descriptor : settingsInSaveOrder()) {
        EXPECT_EQ(settingText(loaded, descriptor), settingText(saved, descriptor))
            << descriptor.key;
    }
}

TEST(TheSettingsFile, KeepsCommentsUnknownKeysAndSectionsThroughASave) {
    TempDir dir;
    dir.write("v.ini", "; written by hand\r\n"
                       "[general]\r\n"
                       "imagemode=3\r\n"
                       "MyOwnKey=stays\r\n"
                       "\r\n"
                       "[Extra]\r\n"
                       "a=b\r\n");
    Settings settings = loadSettingsFile(dir.file("v.ini"), "/p/");
    EXPECT_EQ(settings.ImageMode, 3);
    settings.ImageMode = 5;
    ASSERT_TRUE(saveSettingsFile(dir.file("v.ini"), settings));

    const auto text = IniDocument::parse(cp932ToUtf8(dir.read("v.ini"))).text("\n");
    EXPECT_EQ(text.rfind("; written by hand\n[general]\nImageMode=5\nMyOwnKey=stays\n", 0), 0u);
    EXPECT_NE(text.find("\n[Extra]\na=b\n"), std::string::npos);
    EXPECT_NE(text.find("\n[Page6]\n"), std::string::npos);
    EXPECT_EQ(loadSettingsFile(dir.file("v.ini"), "/p/").ImageMode, 5);
}

TEST(TheSettingsFile, ReadsAUtf8FileWithoutAByteOrderMarkAndKeepsItUtf8) {
    TempDir dir;
    const std::string handWritten = "; 旅行用の設定\n[Page3]\nTitle=旅の写真\nメモ=残す\n";
    dir.write("v.ini", handWritten);
    Settings settings = loadSettingsFile(dir.file("v.ini"), "/p/");
    EXPECT_EQ(settings.Title, "旅の写真");
    settings.ThumSize = 150;
    settings.HPName = "戻る";
    ASSERT_TRUE(saveSettingsFile(dir.file("v.ini"), settings));

    const std::string bytes = dir.read("v.ini");
    EXPECT_EQ(bytes.rfind(handWritten + "FontFace=MS UI Gothic\n", 0), 0u) << bytes;
    EXPECT_NE(bytes.find("\n\n[Page1]\n"), std::string::npos);
    EXPECT_NE(bytes.find("\nThumSize=150\n"), std::string::npos);
    EXPECT_NE(bytes.find("\nHPName=戻る\n"), std::string::npos);
    const Settings loaded = loadSettingsFile(dir.file("v.ini"), "/p/");
    EXPECT_EQ(loaded.Title, "旅の写真");
    EXPECT_EQ(loaded.HPName, "戻る");
}

TEST(TheSettingsFile, LoadsQuotedAndBlankPaddedValues) {
    TempDir dir;
    dir.write("v.ini", "[Page3]\r\nTitle = \"  Trip  \" \r\nImageNum=  8 \r\n"
                       "[Page1]\r\nThumSize=abc\r\nResx=-20\r\n");
    const Settings s = loadSettingsFile(dir.file("v.ini"), "/p/");
    EXPECT_EQ(s.Title, "  Trip  ");
    EXPECT_EQ(s.ImageNum, 8);
    EXPECT_EQ(s.ThumSize, 0);
    EXPECT_EQ(s.Resx, -20);
}

TEST(TheSettingsFile, ForcesBlackCommentsWhenCommentColourIsOff) {
    TempDir dir;
    dir.write("v.ini", "[Page2]\r\nCommentColor=#FF0000\r\nSetCommentCol=0\r\n");
    EXPECT_EQ(loadSettingsFile(dir.file("v.ini"), "/p/").CommentColor, "#000000");
    dir.write("v.ini", "[Page2]\r\nCommentColor=#FF0000\r\nSetCommentCol=1\r\n");
    EXPECT_EQ(loadSettingsFile(dir.file("v.ini"), "/p/").CommentColor, "#FF0000");
}

TEST(TheSettingsFile, LoadsAndSavesExifInfoAsSixteenBits) {
    TempDir dir;
    dir.write("v.ini", "[Page2]\r\nExifInfo=65535\r\n");
    const Settings s = loadSettingsFile(dir.file("v.ini"), "/p/");
    EXPECT_EQ(s.ExifInfo, 65535);
    ASSERT_TRUE(saveSettingsFile(dir.file("v.ini"), s));
    EXPECT_NE(dir.read("v.ini").find("\r\nExifInfo=65535\r\n"), std::string::npos);
}

TEST(TheSettingsFile, KeepsAValueLongerThan4095BytesWhole) {
    TempDir dir;
    Settings s = makeDefaultSettings("/p/");
    s.HPURL = "http://example.com/" + std::string(6000, 'a');
    ASSERT_TRUE(saveSettingsFile(dir.file("v.ini"), s));
    EXPECT_EQ(loadSettingsFile(dir.file("v.ini"), "/p/").HPURL, s.HPURL);
}

TEST(TheSettingsFile, IsWrittenAsUtf8WithBomOnlyWhenAValueNeedsIt) {
    TempDir dir;
    Settings s = makeDefaultSettings("/p/");
    s.Title = "Café 한국 😀";
    ASSERT_TRUE(saveSettingsFile(dir.file("v.ini"), s));
    EXPECT_EQ(dir.read("v.ini").rfind("\xEF\xBB\xBF[General]\r\n", 0), 0u);
    EXPECT_EQ(loadSettingsFile(dir.file("v.ini"), "/p/").Title, s.Title);

    s.Title = "旅行 ①";
    ASSERT_TRUE(saveSettingsFile(dir.file("v.ini"), s));
    EXPECT_EQ(dir.read("v.ini").rfind("[General]\r\n", 0), 0u);
    EXPECT_EQ(loadSettingsFile(dir.file("v.ini"), "/p/").Title, s.Title);
}

TEST(TheSettingsFile, ReportsASaveIntoAnUnwritableFolderAndKeepsTheOldFile) {
    TempDir dir;
    dir.write("locked/v.ini", "[Page3]\r\nTitle=old\r\n");
    ASSERT_EQ(::chmod(dir.file("locked").c_str(), 0555), 0);
    const Status status = saveSettingsFile(dir.file("locked/v.ini"), makeDefaultSettings("/p/"));
    ::chmod(dir.file("locked").c_str(), 0755);
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may write into read-only folders";
    }
    ASSERT_FALSE(status);
    EXPECT_EQ(status.path(), dir.file("locked/v.ini"));
    EXPECT_FALSE(status.cause().empty());
    EXPECT_EQ(dir.read("locked/v.ini"), "[Page3]\r\nTitle=old\r\n");
}

TEST(TheSettingsFile, ReportsASaveWhoseFolderIsAFile) {
    TempDir dir;
    dir.write("plain", "x");
    const Status status = saveSettingsFile(dir.file("plain/v.ini"), makeDefaultSettings("/p/"));
    EXPECT_FALSE(status);
    EXPECT_EQ(status.path(), dir.file("plain/v.ini"));
    EXPECT_FALSE(status.cause().empty());
    EXPECT_EQ(dir.read("plain"), "x");
}

TEST(TheSettingsFile, ReportsASaveOverAFolder) {
    TempDir dir;
    dir.write("v.ini/inside", "x");
    const Status status = saveSettingsFile(dir.file("v.ini"), makeDefaultSettings("/p/"));
    EXPECT_FALSE(status);
    EXPECT_EQ(dir.read("v.ini/inside"), "x");
}

} // namespace
} // namespace vistrel
