// SPDX-License-Identifier: MIT
// Opening the window stores exactly what the command line stores before it creates a site:
// the pages' start normalisations and nothing else, whatever the settings file holds.
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/SettingsFile.h"
#include "app/SettingsPagesStart.h"
#include "app/SettingsTable.h"
#include "window/WindowFixture.h"

namespace vistrel::ui::test {
namespace {

// Values a hand-edited settings file may hold: within and outside every range, negative,
// huge, not numbers, empty, odd letter case, names with and without ".htm" and "/".
const std::vector<std::string> kNumbers{
    "-1",         "0",           "1",   "2",     "3",   "4",          "5",     "7",
    "8",          "10",          "11",  "25",    "150", "479",        "65535", "",
    "2147483647", "-2147483648", "abc", "12abc", "+3",  "99999999999"};
const std::vector<std::string> kTexts{"",
                                      "catalog.html",
                                      "Index.HTM",
                                      "a.htm.html",
                                      "旅の写真",
                                      "#00FF00",
                                      "00FF00",
                                      "#zz",
                                      "/tmp/bg.png",
                                      "bg.gif",
                                      "Noto Sans CJK JP",
                                      "MS UI Gothic",
                                      "10.5",
                                      "画像一覧ページに戻る",
                                      "UPPER.Htm",
                                      "a/b/c.mid"};

std::string generatedSettingsFile(std::mt19937& random, const std::string& photos,
                                  const std::string& site) {
    std::string text = "\xEF\xBB\xBF"; // UTF-8, so the Japanese values read as written
    std::string_view section;
    for (const SettingDescriptor& setting : settingsInSaveOrder()) {
        if (setting.section != section) {
            section = setting.section;
            text += "[" + std::string(section) + "]\r\n";
        }
        std::string value;
        if (setting.key == "ImagePath") {
            value = photos;
        } else if (setting.key == "HTMLPath") {
            value = site;
        } else if (setting.isString()) {
            value = kTexts[random() % kTexts.size()];
        } else {
            value = kNumbers[random() % kNumbers.size()];
        }
        text += std::string(setting.key) + "=" + value + "\r\n";
    }
    return text;
}

TEST(OpeningTheWindow, StoresWhatTheCommandLineStoresBeforeItCreates) {
    std::mt19937 random(20261209);
    for (int file = 0; file < 30; ++file) {
        WindowFixture fixture;
        const std::string program = fixture.dir.file("program") + "/";
        const std::string ini = fixture.dir.write(
            "vistrel.ini", generatedSettingsFile(random, fixture.dir.file("photos") + "/",
                                                 fixture.dir.file("site") + "/"));
        Settings commandLine = loadSettingsFile(ini, program);
        applySettingsPagesStart(commandLine);

        fixture.settings = loadSettingsFile(ini, program);
        fixture.open();

        for (const SettingDescriptor& setting : settingsInSaveOrder()) {
            EXPECT_EQ(settingText(fixture.settings, setting), settingText(commandLine, setting))
                << "settings file " << file << ", key " << setting.key;
        }
    }
}

} // namespace
} // namespace vistrel::ui::test
