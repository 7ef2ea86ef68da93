// SPDX-License-Identifier: MIT
#include "app/Startup.h"

#include <gtest/gtest.h>

#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

using test::ScriptedPrompter;
using test::TempDir;

std::string folderOf(const TempDir& dir) {
    return dir.path().string() + "/";
}

StartupEnvironment environmentIn(const std::string& folder) {
    StartupEnvironment environment;
    environment.executablePath = folder + "vistrel";
    environment.homeFolder = "/home/user/";
    environment.userConfigFolder = "/home/user/.config/";
    return environment;
}

TEST(TheIniPath, ReplacesTheLastThreeCharactersWhereTheNameHasADot) {
    EXPECT_EQ(iniPathBesideExecutable("/d/Tools/gallery.exe"), "/d/Tools/gallery.ini");
    EXPECT_EQ(iniPathBesideExecutable("/d/Tools/gallery.ex"), "/d/Tools/galleryini");
    EXPECT_EQ(iniPathBesideExecutable("/d/v1.2/vistrel"), "/d/v1.2/vistrel.ini");
    EXPECT_EQ(iniPathBesideExecutable("/usr/bin/vistrel"), "/usr/bin/vistrel.ini");
    EXPECT_EQ(iniPathBesideExecutable("/opt/a.b"), "/opt/ini");
    EXPECT_EQ(iniPathBesideExecutable("/opt/.x"), "/opt/.x.ini");
}

TEST(TheProgramFolder, IsTheExecutablesFolderWithAFinalSlash) {
    EXPECT_EQ(folderOfExecutable("/d/Tools/gallery.exe"), "/d/Tools/");
    EXPECT_EQ(folderOfExecutable("/vistrel"), "/");
    EXPECT_EQ(executableTitle("/d/Tools/gallery.exe"), "gallery");
    EXPECT_EQ(executableTitle("/usr/bin/vistrel-cli"), "vistrel-cli");
}

TEST(StartupPaths, ComeFromTheExecutableOrTheUsersFoldersForAnInstalledCopy) {
    auto environment = environmentIn("/opt/vistrel/");
    auto paths = resolveStartupPaths(environment, std::nullopt);
    EXPECT_EQ(paths.iniPath, "/opt/vistrel/vistrel.ini");
    EXPECT_EQ(paths.programFolder, "/opt/vistrel/");

    environment.installedCopy = true;
    paths = resolveStartupPaths(environment, std::nullopt);
    EXPECT_EQ(paths.iniPath, "/home/user/.config/vistrel/vistrel.ini");
    EXPECT_EQ(paths.programFolder, "/home/user/");

    paths = resolveStartupPaths(environment, std::string("/tmp/mine.ini"));
    EXPECT_EQ(paths.iniPath, "/tmp/mine.ini");
    EXPECT_EQ(paths.programFolder, "/home/user/");
}

TEST(TheLibraryVersionCheck, RefusesVersion111WithTheStopMessageAndPasses112) {
    ScriptedPrompter prompter;
    EXPECT_TRUE(checkLibraryVersion(112, "/d/Tools/gallery.exe", prompter));
    EXPECT_TRUE(prompter.calls.empty());

    EXPECT_FALSE(checkLibraryVersion(111, "/d/Tools/gallery.exe", prompter));
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].caption, "gallery");
    EXPECT_EQ(prompter.calls[0].text,
              "imgctl.dll のバージョンが異なります。imgctl.dll は、「Vistrel!!」同梱のものを"
              "ご使用下さい。");
    EXPECT_EQ(prompter.calls[0].icon, PromptIcon::Stop);
    EXPECT_FALSE(checkLibraryVersion(0, "/d/Tools/gallery.exe", prompter));
}

TEST(StartUp, StopsBeforeTouchingTheIniFileWhenTheLibraryIsTooOld) {
    TempDir dir;
    dir.write("vistrel.ini", "[General]\r\nImageMode=3\r\n");
    ScriptedPrompter prompter;
    EXPECT_FALSE(startUp(environmentIn(folderOf(dir)), std::nullopt, 111, prompter));
    EXPECT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(dir.read("vistrel.ini"), "[General]\r\nImageMode=3\r\n");
}

TEST(StartUp, LoadsTheIniBesideTheExecutableWithTheProgramFolderDefaults) {
    TempDir dir;
    dir.write("vistrel.ini", "[General]\r\nImageMode=3\r\n");
    ScriptedPrompter prompter;
    const auto application = startUp(environmentIn(folderOf(dir)), std::nullopt, 200, prompter);
    ASSERT_TRUE(application);
    EXPECT_TRUE(prompter.calls.empty());
    EXPECT_EQ(application->settings.ImageMode, 3);
    EXPECT_EQ(application->settings.ImagePath, folderOf(dir));
    EXPECT_EQ(application->settings.HTMLPath, folderOf(dir) + "html/");
    EXPECT_EQ(application->settings.LegacyWindowsFamily, 0);
}

TEST(TheApplication, CreatesTheIniFileOnSaveAndReportsAFailedSave) {
    TempDir dir;
    ScriptedPrompter prompter;
    auto application = startUp(environmentIn(folderOf(dir)), std::nullopt, 200, prompter);
    ASSERT_TRUE(application);
    EXPECT_TRUE(application->save(prompter));
    EXPECT_NE(dir.read("vistrel.ini").find("[Page6]\r\n"), std::string::npos);

    dir.write("blocker", "not a folder");
    application->paths.iniPath = dir.file("blocker/vistrel.ini");
    EXPECT_FALSE(application->save(prompter));
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].caption, "ファイルエラー");
    EXPECT_NE(prompter.calls[0].text.find(dir.file("blocker/vistrel.ini")), std::string::npos);
    EXPECT_EQ(prompter.calls[0].icon, PromptIcon::Stop);
}

} // namespace
} // namespace vistrel
