// SPDX-License-Identifier: MIT
// Opens generated sites in a real browser: Debian's Chromium, driven by the node scripts of
// tests/browser, which serve each site over HTTP from 127.0.0.1 and print one line per check.
// The file names need URL escaping ("%", "&", "#", "?", ":", a blank, Japanese), so every
// reference the pages make goes through the escaping on its way to the server.
#include <filesystem>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "html/SiteFixture.h"
#include "support/ProcessRunner.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

using test::GeneratedSite;
using test::SiteImage;
using test::TempDir;

constexpr const char* kChromium = "/usr/bin/chromium";

// Runs tests/browser/<script> with node and arguments, shows its report, and fails when a
// check failed. Without node, Chromium or the npm packages the test fails: the deps script
// installs them.
void runBrowserScript(const std::string& script, const std::vector<std::string>& arguments) {
    ASSERT_TRUE(std::filesystem::exists(VISTREL_NODE))
        << "node was not found when the build was configured; run scripts/install-deps.sh and "
           "configure again";
    ASSERT_TRUE(std::filesystem::exists(kChromium))
        << kChromium << " is missing; run scripts/install-deps.sh";
    ASSERT_TRUE(std::filesystem::is_directory(VISTREL_BROWSER_DIR "/node_modules"))
        << "the npm packages of tests/browser are missing; run scripts/install-deps.sh";
    std::vector<std::string> all{VISTREL_BROWSER_DIR "/" + script};
    all.insert(all.end(), arguments.begin(), arguments.end());
    const test::ProcessResult result = test::runProcess(VISTREL_NODE, all);
    std::cout << result.out;
    EXPECT_EQ(result.exitCode, 0) << script << " failed; its report is above\n" << result.err;
}

using SettingTexts = std::vector<std::pair<std::string, std::string>>;

// Generates a site under dir/name.
GeneratedSite site(const TempDir& dir, const std::string& name, SettingTexts settings,
                   std::vector<SiteImage> pictures, SiteImage background = {}) {
    GeneratedSite generated;
    generateSite({std::move(settings), std::move(pictures), std::move(background)},
                 dir.path() / name, generated);
    return generated;
}

// The arguments that name a site and its start page to a script.
std::vector<std::string> siteArguments(const GeneratedSite& generated) {
    return {"--site", generated.folder.string(), "--page", generated.page};
}

// Adds to arguments a show for slideshow.mjs: its site, its options, and its pictures, each
// with the comment line it must show when shownComments is not empty.
void addShow(std::vector<std::string>& arguments, const GeneratedSite& generated,
             const std::vector<std::string>& options, const std::vector<SiteImage>& pictures,
             const std::vector<std::string>& shownComments = {}) {
    const auto add = [&arguments](const std::vector<std::string>& more) {
        arguments.insert(arguments.end(), more.begin(), more.end());
    };
    add(siteArguments(generated));
    add(options);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        add({"--image", pictures[i].name});
        if (!shownComments.empty()) {
            add({"--comment", shownComments.at(i)});
        }
    }
}

TEST(BrowserPages, SlideShowScriptRunsAndFollowsItsSettings) {
    TempDir dir;
    std::vector<std::string> arguments;

    // Buttons, comments (one with a line break and trailing blanks, one without text, one
    // with characters that a script string must escape), every image preloaded.
    const std::vector<SiteImage> three = {
        {"r&d 50%.png", 64, 48, "夕焼け\r\nの海  "},
        {"q#1.jpg", 48, 64, ""},
        {"旅行.gif", 40, 40, "say \"hi\" </SCRIPT> a\\b"},
    };
    const GeneratedSite show = site(dir, "show",
                                    {{"Mode", "1"},
                                     {"Timeout", "0.3"},
                                     {"PreLoad", "1"},
                                     {"PreLoadNum", "2"},
                                     {"Comment", "1"},
                                     {"Button", "1"},
                                     {"Start", "0"}},
                                    three);
    ASSERT_FALSE(HasFatalFailure());
    addShow(arguments, show,
            {"--folder", "image", "--delay", "300", "--check", "show", "--preload", "all",
             "--comments"},
            three, {"夕焼けの海", " ", "say \"hi\" </SCRIPT> a\\b"});

    // SlideStop 1, no preloading, no subfolder ("photo:1.png" needs "./" in front).
    const std::vector<SiteImage> rounds = {
        {"photo:1.png", 50, 30, ""}, {"what?.jpg", 30, 50, ""}, {"旅 2.gif", 32, 32, ""}};
    const GeneratedSite stop = site(dir, "rounds",
                                    {{"Mode", "1"},
                                     {"Timeout", "0.2"},
                                     {"PreLoad", "0"},
                                     {"SlideStop", "1"},
                                     {"Button", "1"},
                                     {"SubFolder", ""}},
                                    rounds);
    ASSERT_FALSE(HasFatalFailure());
    addShow(arguments, stop,
            {"--delay", "200", "--check", "rounds", "--rounds", "1", "--preload", "none"}, rounds);

    // Fewer images than the preload divisor (a third, a half): the show must still run.
    const std::vector<std::string> cycle = {"--folder", "image",   "--delay",
                                            "200",      "--check", "cycle"};
    const std::vector<SiteImage> one = {{"r&d 50%.png", 40, 30, "ひとつ"}};
    const std::vector<SiteImage> two = {{"q#1.jpg", 30, 40, ""}, {"旅行.gif", 40, 30, ""}};
    const SettingTexts preload = {{"Mode", "1"}, {"Timeout", "0.2"}, {"PreLoad", "1"}};
    SettingTexts withComments = preload;
    withComments.insert(withComments.end(), {{"PreLoadNum", "0"}, {"Comment", "1"}});
    SettingTexts half = preload;
    half.emplace_back("PreLoadNum", "1");
    SettingTexts third = preload;
    third.emplace_back("PreLoadNum", "0");
    const GeneratedSite oneThird = site(dir, "one-image-preload-third", withComments, one);
    const GeneratedSite oneHalf = site(dir, "one-image-preload-half", half, one);
    const GeneratedSite twoThird = site(dir, "two-images-preload-third", third, two);
    ASSERT_FALSE(HasFatalFailure());
    std::vector<std::string> cycleWithComments = cycle;
    cycleWithComments.emplace_back("--comments");
    addShow(arguments, oneThird, cycleWithComments, one, {"ひとつ"});
    addShow(arguments, oneHalf, cycle, one);
    addShow(arguments, twoThird, cycle, two);

    runBrowserScript("slideshow.mjs", arguments);
}

TEST(BrowserPages, IndexFrameSetAndImagePagesShowEveryImageAndLinkOnlyToExistingFiles) {
    TempDir dir;
    const std::vector<SiteImage> pictures = {
        {"r&d 50%.png", 120, 80, "研究\r\n開発"},
        {"q#1.jpg", 80, 120, ""},
        {"旅行.gif", 90, 90, "旅の写真"},
        {"what?.png", 100, 60, ""},
    };

    // The plain index with the image subfolder and a background picture; each image page
    // links its picture, navigation above and below.
    const GeneratedSite index = site(dir, "plain-index", {{"MainClick", "3"}, {"NavPos", "3"}},
                                     pictures, {"bg #1&2.png", 16, 16, ""});
    ASSERT_FALSE(HasFatalFailure());

    // The frame set without a subfolder; each image page links the next one.
    std::vector<SiteImage> framed = pictures;
    framed.push_back({"photo:1.jpg", 70, 50, ""});
    const GeneratedSite frames =
        site(dir, "frame-set", {{"Frame", "1"}, {"SubFolder", ""}, {"MainClick", "2"}}, framed);
    ASSERT_FALSE(HasFatalFailure());

    std::vector<std::string> arguments = siteArguments(index);
    const std::vector<std::string> more = siteArguments(frames);
    arguments.insert(arguments.end(), more.begin(), more.end());
    runBrowserScript("pages.mjs", arguments);
}

} // namespace
} // namespace vistrel
