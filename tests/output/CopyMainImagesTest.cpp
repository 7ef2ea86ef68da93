// SPDX-License-Identifier: MIT
#include "output/CopyMainImages.h"

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "SinglePumps.h"
#include "app/Settings.h"
#include "app/SettingsTable.h"
#include "catalogue/ImageList.h"
#include "platform/CancelFlag.h"
#include "support/RecordingProgressSink.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::RecordingProgressSink;
using test::ScriptedPrompter;
using test::TempDir;
using test::withSinglePumps;
using Call = ScriptedPrompter::Call;
using Kind = ScriptedPrompter::Kind;
using Files = std::map<std::string, std::string>; // name to content
using Lines = std::vector<std::string>;

constexpr std::string_view kCopyTitle = "ファイルをコピーしています。";

Call replaceQuestion(const std::string& name) {
    return {Kind::Ask, "ファイルの上書き確認", name + " は既に存在します。置き換えますか？",
            PromptIcon::Question};
}

// A run with its source folder photos/ and its output image folder site/image/.
class CopyMainImagesTest : public ::testing::Test {
protected:
    CopyMainImagesTest() : m_settings(makeDefaultSettings(m_root.file("program") + "/")) {
        m_settings.ImagePath = m_root.file("photos") + "/";
        m_settings.HTMLPath = m_root.file("site") + "/";
        m_settings.SubFolder = "image";
        m_settings.ImageCase = 2;
        m_settings.UseImage = 0;
        fs::create_directories(m_root.file("photos"));
        fs::create_directories(m_output);
    }

    int run() { return CopyMainImages(m_list, m_settings, m_prompter, m_progress, m_cancel); }

    // A source file whose bytes tell it apart (and include a NUL and bytes above 127).
    std::string photo(const std::string& name) {
        const std::string bytes = "photo " + name + std::string("\0\xFF\x80", 3) + name;
        m_root.write("photos/" + name, bytes);
        return bytes;
    }

    void addRow(const std::string& name, bool checked) {
        m_list.appendRows({ImageRow{name, "1 KB", "2005/06/12 10:11:12", "", checked}});
    }

    // Every file of the output image folder with its content.
    Files output() const {
        Files files;
        for (const auto& entry : fs::directory_iterator(m_output)) {
            files[entry.path().filename().string()] = readBytes(entry.path());
        }
        return files;
    }

    std::vector<bool> checks() const {
        std::vector<bool> checked;
        for (int row = 0; row < m_list.rowCount(); ++row) {
            checked.push_back(m_list.row(row).checked);
        }
        return checked;
    }

    const TempDir m_root;
    const fs::path m_output = m_root.path() / "site" / "image";
    Settings m_settings;
    ImageList m_list;
    ScriptedPrompter m_prompter;
    RecordingProgressSink m_progress;
    CancelFlag m_cancel;
};

TEST_F(CopyMainImagesTest, CopiesTheCheckedImagesByteForByteIntoTheOutputImageFolder) {
    const std::string a = photo("a.jpg");
    const std::string b = photo("b.png");
    photo("c.gif");
    photo("d.jpg");
    addRow("a.jpg", true);
    addRow("b.png", true);
    addRow("c.gif", false);

    EXPECT_EQ(run(), 1);

    EXPECT_EQ(output(), (Files{{"a.jpg", a}, {"b.png", b}}));
    EXPECT_EQ(readBytes(m_root.file("photos/a.jpg")), a);
    EXPECT_EQ(checks(), (std::vector<bool>{true, true, false}));
    EXPECT_EQ(withSinglePumps(m_progress.events),
              (Lines{"open " + std::string(kCopyTitle), "progress 0/200", "pump",
                     "progress 100/200", "pump", "progress 200/200", "close"}));
    EXPECT_TRUE(m_prompter.calls.empty());
}

TEST_F(CopyMainImagesTest, UnchecksRowsThatAreNotImagesAndDoesNotCopyThem) {
    photo("notes.txt");
    photo("readme");
    const std::string a = photo("a.jpg");
    photo("b.png");
    addRow("notes.txt", true);
    addRow("a.jpg", true);
    addRow("readme", true);
    addRow("b.png", false);

    EXPECT_EQ(run(), 1);

    EXPECT_EQ(checks(), (std::vector<bool>{false, true, false, false}));
    EXPECT_EQ(output(), (Files{{"a.jpg", a}}));
}

TEST_F(CopyMainImagesTest, NamesTheCopiesInUpperCaseWithImageCaseZero) {
    m_settings.ImageCase = 0;
    const std::string photoBytes = photo("Photo.jpg");
    const std::string japanese = photo("写真a.jpeg");
    const std::string numbered = photo("img_001.Png");
    addRow("Photo.jpg", true);
    addRow("写真a.jpeg", true);
    addRow("img_001.Png", true);

    EXPECT_EQ(run(), 1);

    // Only the single-byte letters change.
    EXPECT_EQ(
        output(),
        (Files{{"PHOTO.JPG", photoBytes}, {"写真A.JPEG", japanese}, {"IMG_001.PNG", numbered}}));
    EXPECT_TRUE(fs::exists(m_root.file("photos/Photo.jpg")));
}

TEST_F(CopyMainImagesTest, NamesTheCopiesInLowerCaseWithImageCaseOne) {
    m_settings.ImageCase = 1;
    const std::string camera = photo("IMG_0001.JPG");
    const std::string beach = photo("Beach.PNG");
    const std::string japanese = photo("写真B.GIF");
    addRow("IMG_0001.JPG", true);
    addRow("Beach.PNG", true);
    addRow("写真B.GIF", true);

    EXPECT_EQ(run(), 1);

    EXPECT_EQ(output(),
              (Files{{"img_0001.jpg", camera}, {"beach.png", beach}, {"写真b.gif", japanese}}));
}

TEST_F(CopyMainImagesTest, KeepsTheNamesAsTheyAreWithImageCaseTwo) {
    m_settings.ImageCase = 2;
    const std::string mixed = photo("MiXeD.Jpg");
    addRow("MiXeD.Jpg", true);

    EXPECT_EQ(run(), 1);

    EXPECT_EQ(output(), (Files{{"MiXeD.Jpg", mixed}}));
}

TEST_F(CopyMainImagesTest, CopiesTheBackgroundImageWithoutRenamingIt) {
    m_settings.ImageCase = 1;
    m_settings.UseImage = 1;
    m_settings.BGImagePath = m_root.write("backgrounds/Paper.GIF", "paper");
    const std::string a = photo("A.JPG");
    addRow("A.JPG", true);

    EXPECT_EQ(run(), 1);

    EXPECT_EQ(output(), (Files{{"a.jpg", a}, {"Paper.GIF", "paper"}}));
    EXPECT_EQ(m_progress.events.back(), "close");
    EXPECT_EQ(m_progress.events.at(m_progress.events.size() - 2), "progress 200/200");
}

TEST_F(CopyMainImagesTest, LeavesTheBackgroundImageOutWithoutUseImageOrWhenItIsMissing) {
    m_settings.BGImagePath = m_root.write("backgrounds/paper.gif", "paper");
    const std::string a = photo("a.jpg");
    addRow("a.jpg", true);

    m_settings.UseImage = 0;
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(output(), (Files{{"a.jpg", a}}));

    fs::remove(m_output / "a.jpg");
    m_settings.UseImage = 1;
    m_settings.BGImagePath = m_root.file("backgrounds/missing.gif");
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(output(), (Files{{"a.jpg", a}}));
}

TEST_F(CopyMainImagesTest, ReportsAnEmptyListAndStops) {
    photo("a.jpg");

    EXPECT_EQ(run(), 0);

    EXPECT_EQ(m_prompter.calls, (std::vector<Call>{{Kind::Message, "画像ファイルエラー",
                                                    "画像ファイルが有りません。処理を中止します。",
                                                    PromptIcon::Stop}}));
    EXPECT_TRUE(m_progress.events.empty());
    EXPECT_TRUE(output().empty());
}

TEST_F(CopyMainImagesTest, StopsWithNothingCopiedWhenCancelledBeforeTheCopy) {
    photo("a.jpg");
    photo("b.jpg");
    addRow("a.jpg", true);
    addRow("b.jpg", true);
    m_cancel.request();

    EXPECT_EQ(run(), 0);

    EXPECT_TRUE(output().empty());
    EXPECT_FALSE(m_cancel.isRequested()) << "whoever tests the request clears it";
    EXPECT_TRUE(m_prompter.calls.empty());
}

TEST_F(CopyMainImagesTest, StopsWhenCancelledDuringTheCopyWithTheFirstCopyInItsFinalCase) {
    m_settings.ImageCase = 0;
    const std::string a = photo("a.jpg");
    photo("b.jpg");
    addRow("a.jpg", true);
    addRow("b.jpg", true);
    m_progress.onPump = [this](int pumps) {
        if (pumps == 2) {
            m_cancel.request();
        }
    };

    EXPECT_EQ(run(), 0);

    EXPECT_EQ(output(), (Files{{"A.JPG", a}}));
}

TEST_F(CopyMainImagesTest, KeepsTheOldFileWhenTheReplaceIsRefused) {
    photo("a.jpg");
    m_root.write("site/image/a.jpg", "old a");
    m_prompter.willAnswer(false);
    addRow("a.jpg", true);

    EXPECT_EQ(run(), 1);

    EXPECT_EQ(output(), (Files{{"a.jpg", "old a"}}));
    EXPECT_EQ(m_prompter.calls, (std::vector<Call>{replaceQuestion("a.jpg")}));
}

TEST_F(CopyMainImagesTest, ReplacesTheOldFileWhenTheReplaceIsAllowed) {
    const std::string a = photo("a.jpg");
    m_root.write("site/image/a.jpg", "old a");
    m_prompter.willAnswer(true);
    addRow("a.jpg", true);

    EXPECT_EQ(run(), 1);

    EXPECT_EQ(output(), (Files{{"a.jpg", a}}));
    EXPECT_EQ(m_prompter.calls, (std::vector<Call>{replaceQuestion("a.jpg")}));
}

TEST_F(CopyMainImagesTest, AsksAboutTheCopyOfAnEarlierRunUnderTheFinalName) {
    // The site of an earlier run with ImageCase 0: IMG_1.JPG and IMG_2.JPG.
    m_settings.ImageCase = 0;
    const std::string one = photo("img_1.jpg");
    const std::string two = photo("img_2.jpg");
    m_root.write("site/image/IMG_1.JPG", "older 1");
    m_root.write("site/image/IMG_2.JPG", "older 2");
    addRow("img_1.jpg", true);
    addRow("img_2.jpg", true);
    m_prompter.willAnswer(false);
    m_prompter.willAnswer(true);

    EXPECT_EQ(run(), 1);

    EXPECT_EQ(output(), (Files{{"IMG_1.JPG", "older 1"}, {"IMG_2.JPG", two}}));
    EXPECT_EQ(m_prompter.calls,
              (std::vector<Call>{replaceQuestion("IMG_1.JPG"), replaceQuestion("IMG_2.JPG")}));
}

TEST_F(CopyMainImagesTest, UnchecksTheLaterOfTwoRowsThatWouldGetOneNameAndSaysSo) {
    m_settings.ImageCase = 1;
    const std::string upper = photo("A.JPG");
    photo("a.jpg");
    photo("b.jpg");
    addRow("A.JPG", true);
    addRow("b.jpg", true);
    addRow("a.jpg", true);

    EXPECT_EQ(run(), 1);

    EXPECT_EQ(output().at("a.jpg"), upper);
    EXPECT_EQ(checks(), (std::vector<bool>{true, true, false}));
    EXPECT_EQ(m_prompter.calls,
              (std::vector<Call>{{Kind::Message, "画像ファイルエラー",
                                  "a.jpg は A.JPG と出力先で同じ名前（a.jpg）になるため、"
                                  "出力しません。",
                                  PromptIcon::Warning}}));
}

TEST_F(CopyMainImagesTest, GoesOnWithNothingToCopyWhenNoImageIsChecked) {
    photo("a.jpg");
    photo("notes.txt");
    addRow("a.jpg", false);
    addRow("notes.txt", true);
    addRow("vanished.jpg", true); // listed, but gone from the folder since

    // The page writer, next, tells the user that nothing is selected.
    EXPECT_EQ(run(), 1);

    EXPECT_TRUE(output().empty());
    EXPECT_TRUE(m_prompter.calls.empty());
    EXPECT_EQ(m_progress.events,
              (Lines{"open " + std::string(kCopyTitle), "progress 0/0", "close"}));
}

TEST_F(CopyMainImagesTest, StopsWhenTheCopyFails) {
    fs::remove(m_output);
    photo("a.jpg");
    addRow("a.jpg", true);

    EXPECT_EQ(run(), 0);

    ASSERT_EQ(m_prompter.calls.size(), 1U);
    EXPECT_EQ(m_prompter.calls[0].kind, Kind::Message);
    EXPECT_EQ(m_prompter.calls[0].caption, "ファイルエラー");
    EXPECT_EQ(m_prompter.calls[0].icon, PromptIcon::Stop);
    EXPECT_FALSE(fs::exists(m_output));
}

TEST_F(CopyMainImagesTest, NeverTruncatesASourceReachedThroughAnotherSpellingOfItsFolder) {
    m_root.write("site/image/a.jpg", "the only copy of a");
    addRow("a.jpg", true);
    fs::create_directory_symlink(m_output, m_root.file("linked"));
    const std::string spellings[] = {m_root.file("linked") + "/", m_root.file("site") + "//image/",
                                     m_root.file("site") + "/./image/../image/"};
    for (const std::string& spelling : spellings) {
        SCOPED_TRACE(spelling);
        m_settings.ImagePath = spelling;

        EXPECT_EQ(run(), 1);

        EXPECT_EQ(output(), (Files{{"a.jpg", "the only copy of a"}}));
    }
    EXPECT_TRUE(m_prompter.calls.empty());
}

} // namespace
} // namespace vistrel
