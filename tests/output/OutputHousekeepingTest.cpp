// SPDX-License-Identifier: MIT
#include "output/OutputHousekeeping.h"

#include <cstddef>
#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "SinglePumps.h"
#include "app/Settings.h"
#include "app/SettingsTable.h"
#include "platform/CancelFlag.h"
#include "support/GioSandbox.h"
#include "support/RecordingProgressSink.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

namespace fs = std::filesystem;
using test::GioSandbox;
using test::readBytes;
using test::RecordingProgressSink;
using test::ScriptedPrompter;
using test::TempDir;
using test::withSinglePumps;
using Call = ScriptedPrompter::Call;
using Kind = ScriptedPrompter::Kind;
using Names = std::set<std::string>;
using Lines = std::vector<std::string>;

constexpr int kDelete = 0;
constexpr int kToTrash = 1;
constexpr int kLeave = 2;

Names unite(Names a, const Names& b) {
    a.insert(b.begin(), b.end());
    return a;
}

// The names in a folder, links and subfolders included, nothing followed.
Names entries(const fs::path& folder) {
    Names names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

std::string contentOf(const std::string& name) {
    return "content of " + name;
}

// Housekeeping works in folders under the sandbox's home, so the Trash it uses is the
// sandbox's, which every test starts empty.
class HousekeepingTest : public ::testing::Test {
protected:
    void SetUp() override { clearTrash(); }
    void TearDown() override { clearTrash(); }

    void clearTrash() {
        std::error_code ignored;
        fs::remove_all(m_trash, ignored);
    }

    // The names of the files in the Trash.
    Names trashed() const { return entries(m_trash / "files"); }

    std::string write(const std::string& name) const {
        return m_root.write(name, contentOf(fs::path(name).filename().string()));
    }

    void writeAll(const std::string& folder, const Names& names) const {
        for (const std::string& name : names) {
            write(folder + name);
        }
    }

    void link(const std::string& target, const std::string& name) const {
        fs::create_symlink(m_root.file(target), m_root.file(name));
    }

    const fs::path m_trash = GioSandbox::dataHome() / "Trash";
    const TempDir m_root{GioSandbox::home()};
    RecordingProgressSink m_progress;
};

// The output image folder site/image/ of a run whose pages go to site/ and whose source
// images are in photos/, as earlier runs leave it.
class ClearOldImagesTest : public HousekeepingTest {
protected:
    // Files named as images and not ending in the suffix "_thumb" or "_THUMB" before their
    // extension. Photo_Thumb.jpg holds it in mixed case only, and paris_thumbs.jpg holds it
    // but not at the end, so they are among them. link.jpg is a link to a file elsewhere and
    // gone.jpg a link to nothing; links are sorted by their own names.
    const Names m_mainImages{"a.jpg",           "B.PNG",    "c.gif",    "d.jpeg",
                             "Photo_Thumb.jpg", "link.jpg", "gone.jpg", "paris_thumbs.jpg"};
    // Files and links whose names end in the suffix, in lower or upper case, and a thumbnail
    // extension in any case; album_thumb.png is a link to a folder.
    const Names m_thumbnails{"a_thumb.png", "B_THUMB.PNG", "c_thumb.gif", "e_thumb.JPEG",
                             "album_thumb.png"};
    // Never removed: pages, style sheets, music and notes are not images; old is a folder and
    // album a link to a folder, neither of them entered.
    const Names m_others{"index.html", "style.css", "music.mid", "notes.txt", "old", "album"};

    void SetUp() override {
        HousekeepingTest::SetUp();
        writeAll("photos/", {"a.jpg", "b.png"});
        writeAll("site/", {"index.html", "style.css"});
        writeAll("site/image/",
                 {"a.jpg", "B.PNG", "c.gif", "d.jpeg", "Photo_Thumb.jpg", "paris_thumbs.jpg",
                  "a_thumb.png", "B_THUMB.PNG", "c_thumb.gif", "e_thumb.JPEG", "index.html",
                  "style.css", "music.mid", "notes.txt"});
        writeAll("site/image/old/", {"old.jpg", "old_thumb.png"});
        writeAll("elsewhere/", {"target.jpg"});
        writeAll("elsewhere/album/", {"inside.jpg", "inside_thumb.png"});
        link("elsewhere/target.jpg", "site/image/link.jpg");
        link("elsewhere/nothing.jpg", "site/image/gone.jpg");
        link("elsewhere/album", "site/image/album_thumb.png");
        link("elsewhere/album", "site/image/album");

        m_settings.ImagePath = m_root.file("photos") + "/";
        m_settings.HTMLPath = m_root.file("site") + "/";
        m_settings.SubFolder = "image";
        m_settings.AddString = "_thumb";
    }

    Names outputImages() const { return entries(m_root.path() / "site" / "image"); }

    // What must never change, whatever the settings: the files the links lead to, the insides
    // of folders, the source images and the pages folder.
    void expectUntouchedSurroundings() const {
        EXPECT_EQ(readBytes(m_root.file("elsewhere/target.jpg")), contentOf("target.jpg"));
        EXPECT_EQ(entries(m_root.path() / "elsewhere" / "album"),
                  (Names{"inside.jpg", "inside_thumb.png"}));
        EXPECT_EQ(entries(m_root.path() / "site" / "image" / "old"),
                  (Names{"old.jpg", "old_thumb.png"}));
        EXPECT_EQ(entries(m_root.path() / "photos"), (Names{"a.jpg", "b.png"}));
        EXPECT_EQ(entries(m_root.path() / "site"), (Names{"index.html", "style.css", "image"}));
    }

    Settings m_settings = makeDefaultSettings(m_root.file("program") + "/");
};

// Each treatment: the group stays (leave), is in the Trash (Trash) or is nowhere (delete).
Names survivorsOf(const Names& group, int treatment) {
    return treatment == kLeave ? group : Names{};
}
Names trashedOf(const Names& group, int treatment) {
    return treatment == kToTrash ? group : Names{};
}

class ClearOldImagesInAnotherFolder : public ClearOldImagesTest,
                                      public ::testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(ClearOldImagesInAnotherFolder, TreatsMainImagesAndThumbnailsEachAsTheirSettingSays) {
    const auto [mainImage, thumbImage] = GetParam();
    m_settings.MainImage = mainImage;
    m_settings.ThumbImage = thumbImage;

    ClearOldImages(m_settings, m_progress);

    EXPECT_EQ(outputImages(), unite(m_others, unite(survivorsOf(m_mainImages, mainImage),
                                                    survivorsOf(m_thumbnails, thumbImage))));
    EXPECT_EQ(trashed(),
              unite(trashedOf(m_mainImages, mainImage), trashedOf(m_thumbnails, thumbImage)));
    expectUntouchedSurroundings();
    if (mainImage == kToTrash) {
        // Files keep their content in the Trash; links go there as links.
        EXPECT_EQ(readBytes(m_trash / "files" / "a.jpg"), contentOf("a.jpg"));
        EXPECT_TRUE(fs::is_symlink(m_trash / "files" / "link.jpg"));
        EXPECT_TRUE(fs::is_symlink(m_trash / "files" / "gone.jpg"));
    }
    if (thumbImage == kToTrash) {
        EXPECT_TRUE(fs::is_symlink(m_trash / "files" / "album_thumb.png"));
    }
    // Before each file it removes, and only then, the window takes its events.
    const std::size_t removed = (mainImage == kLeave ? 0 : m_mainImages.size()) +
                                (thumbImage == kLeave ? 0 : m_thumbnails.size());
    EXPECT_GE(m_progress.pumps(), removed);
    if (removed == 0) {
        EXPECT_EQ(m_progress.pumps(), 0U);
    }
}

std::string treatmentName(int treatment) {
    return treatment == kDelete ? "Delete" : treatment == kToTrash ? "Trash" : "Leave";
}

INSTANTIATE_TEST_SUITE_P(EveryTreatment, ClearOldImagesInAnotherFolder,
                         ::testing::Combine(::testing::Values(kDelete, kToTrash, kLeave),
                                            ::testing::Values(kDelete, kToTrash, kLeave)),
                         [](const auto& test) {
                             return "MainImage" + treatmentName(std::get<0>(test.param)) +
                                    "ThumbImage" + treatmentName(std::get<1>(test.param));
                         });

// Ways of naming the output image folder site/image/ in ImagePath, or the pages folder in
// HTMLPath.
enum class Spelling {
    SameText,
    WithoutFinalSlash,
    ThroughALink,
    DoubledSlashes,
    DotComponent,
    DotDotComponent,
    OutputSpeltDifferently,
    OutputThroughALink,
};

std::string spellingName(Spelling spelling) {
    switch (spelling) {
    case Spelling::SameText:
        return "SameText";
    case Spelling::WithoutFinalSlash:
        return "WithoutFinalSlash";
    case Spelling::ThroughALink:
        return "ThroughALink";
    case Spelling::DoubledSlashes:
        return "DoubledSlashes";
    case Spelling::DotComponent:
        return "DotComponent";
    case Spelling::DotDotComponent:
        return "DotDotComponent";
    case Spelling::OutputSpeltDifferently:
        return "OutputSpeltDifferently";
    case Spelling::OutputThroughALink:
        return "OutputThroughALink";
    }
    return "Unknown";
}

// Lets a failed case show its spelling by name.
void PrintTo(Spelling spelling, std::ostream* out) {
    *out << spellingName(spelling);
}

class ClearOldImagesInTheSourceFolder
    : public ClearOldImagesTest,
      public ::testing::WithParamInterface<std::tuple<int, int, Spelling>> {
protected:
    void spell(Spelling spelling) {
        const std::string root = m_root.path().string();
        switch (spelling) {
        case Spelling::SameText:
            m_settings.ImagePath = root + "/site/image/";
            break;
        case Spelling::WithoutFinalSlash:
            m_settings.ImagePath = root + "/site/image";
            break;
        case Spelling::ThroughALink:
            link("site/image", "linked");
            m_settings.ImagePath = root + "/linked/";
            break;
        case Spelling::DoubledSlashes:
            m_settings.ImagePath = root + "//site//image//";
            break;
        case Spelling::DotComponent:
            m_settings.ImagePath = root + "/site/./image/";
            break;
        case Spelling::DotDotComponent:
            m_settings.ImagePath = root + "/site/image/../image/";
            break;
        case Spelling::OutputSpeltDifferently:
            m_settings.ImagePath = root + "/site/image/";
            m_settings.HTMLPath = root + "/./site//";
            break;
        case Spelling::OutputThroughALink:
            link("site", "pages");
            m_settings.ImagePath = root + "/site/image/";
            m_settings.HTMLPath = root + "/pages/";
            break;
        }
    }
};

TEST_P(ClearOldImagesInTheSourceFolder, KeepsTheSourceImagesAndDeletesTheThumbnailsForGood) {
    const auto [mainImage, thumbImage, spelling] = GetParam();
    m_settings.MainImage = mainImage;
    m_settings.ThumbImage = thumbImage;
    spell(spelling);

    ClearOldImages(m_settings, m_progress);

    // The main images are the user's own pictures here; the thumbnails are deleted, never
    // trashed, whatever ThumbImage says.
    EXPECT_EQ(outputImages(), unite(m_others, m_mainImages));
    EXPECT_EQ(trashed(), Names{});
    expectUntouchedSurroundings();
}

INSTANTIATE_TEST_SUITE_P(
    EveryTreatmentAndSpelling, ClearOldImagesInTheSourceFolder,
    ::testing::Combine(::testing::Values(kDelete, kToTrash, kLeave),
                       ::testing::Values(kDelete, kToTrash, kLeave),
                       ::testing::Values(Spelling::SameText, Spelling::WithoutFinalSlash,
                                         Spelling::ThroughALink, Spelling::DoubledSlashes,
                                         Spelling::DotComponent, Spelling::DotDotComponent,
                                         Spelling::OutputSpeltDifferently,
                                         Spelling::OutputThroughALink)),
    [](const auto& test) {
        return "MainImage" + treatmentName(std::get<0>(test.param)) + "ThumbImage" +
               treatmentName(std::get<1>(test.param)) + spellingName(std::get<2>(test.param));
    });

TEST_F(ClearOldImagesTest, TakesThePagesFolderAboveTheOutputFolderForAnotherFolder) {
    m_settings.ImagePath = m_root.file("site") + "/";
    m_settings.MainImage = kLeave;
    m_settings.ThumbImage = kToTrash;

    ClearOldImages(m_settings, m_progress);

    EXPECT_EQ(outputImages(), unite(m_others, m_mainImages));
    EXPECT_EQ(trashed(), m_thumbnails);
}

TEST_F(ClearOldImagesTest, TakesAFolderWhoseNameBeginsTheSameForAnotherFolder) {
    fs::create_directories(m_root.path() / "site" / "images");
    m_settings.ImagePath = m_root.file("site") + "/images/";
    m_settings.MainImage = kToTrash;
    m_settings.ThumbImage = kLeave;

    ClearOldImages(m_settings, m_progress);

    EXPECT_EQ(outputImages(), unite(m_others, m_thumbnails));
    EXPECT_EQ(trashed(), m_mainImages);
}

TEST_F(ClearOldImagesTest, FindsTheSuffixInLowerOrUpperCaseWhateverCaseTheSettingHas) {
    m_settings.AddString = "_Thumb";
    m_settings.MainImage = kLeave;
    m_settings.ThumbImage = kDelete;

    ClearOldImages(m_settings, m_progress);

    // "_thumb" and "_THUMB" are looked for; Photo_Thumb.jpg, the setting's own spelling, is a
    // main image all the same.
    EXPECT_EQ(outputImages(), unite(m_others, m_mainImages));
    EXPECT_EQ(m_settings.AddString, "_Thumb");
}

TEST_F(ClearOldImagesTest, DeletesNothingAsAThumbnailWhenTheSuffixIsEmpty) {
    m_settings.AddString = "";
    m_settings.MainImage = kLeave;
    m_settings.ThumbImage = kDelete;

    ClearOldImages(m_settings, m_progress);

    EXPECT_EQ(outputImages(), unite(m_others, unite(m_mainImages, m_thumbnails)));
    EXPECT_EQ(trashed(), Names{});
}

TEST_F(ClearOldImagesTest, ClearsOldImagesOnlyAsMainImagesWhenTheSuffixIsEmpty) {
    m_settings.AddString = "";
    m_settings.MainImage = kDelete;
    m_settings.ThumbImage = kLeave;

    ClearOldImages(m_settings, m_progress);

    // Without a suffix the old thumbnails named as images are main images, and so is the link
    // album_thumb.png (the link goes, the folder it leads to stays).
    EXPECT_EQ(outputImages(), m_others);
    expectUntouchedSurroundings();
}

TEST_F(ClearOldImagesTest, DeletesNoSourceImageWhenTheSuffixIsEmptyAndTheFoldersAreOne) {
    m_settings.AddString = "";
    m_settings.ImagePath = m_root.file("site") + "/image/";
    m_settings.MainImage = kDelete;
    m_settings.ThumbImage = kDelete;

    ClearOldImages(m_settings, m_progress);

    EXPECT_EQ(outputImages(), unite(m_others, unite(m_mainImages, m_thumbnails)));
    EXPECT_EQ(trashed(), Names{});
}

TEST_F(ClearOldImagesTest, ClearsThePagesFolderItselfWhenThereIsNoSubfolder) {
    writeAll("site/", {"a.jpg", "a_thumb.png", "music.mid", "notes.txt"});
    m_settings.SubFolder = "";
    m_settings.MainImage = kDelete;
    m_settings.ThumbImage = kToTrash;

    ClearOldImages(m_settings, m_progress);

    EXPECT_EQ(entries(m_root.path() / "site"),
              (Names{"index.html", "style.css", "music.mid", "notes.txt", "image"}));
    EXPECT_EQ(trashed(), Names{"a_thumb.png"});
    EXPECT_EQ(outputImages(), unite(m_others, unite(m_mainImages, m_thumbnails)));
}

TEST_F(ClearOldImagesTest, LeavesEverythingInPlaceWhenTheTrashCannotBeUsed) {
    // The Trash folder's place is taken by a file, so no move to the Trash can succeed.
    fs::create_directories(m_trash.parent_path());
    m_root.write("trash-blocker", "");
    fs::copy_file(m_root.file("trash-blocker"), m_trash);
    m_settings.MainImage = kToTrash;
    m_settings.ThumbImage = kToTrash;

    ClearOldImages(m_settings, m_progress);

    // Nothing falls back to a permanent delete.
    EXPECT_EQ(outputImages(), unite(m_others, unite(m_mainImages, m_thumbnails)));
    EXPECT_TRUE(fs::is_regular_file(m_trash));
    expectUntouchedSurroundings();
}

// The pages folder site/ as earlier runs leave it.
class ClearOldPagesTest : public HousekeepingTest {
protected:
    const Names m_html{"index.html", "page1.html", "UPPER.HTML", "linked.html", ".html"};
    const Names m_htm{"old.htm", "Old2.HTM"};
    const Names m_shtml{"slide.shtml"};
    // Never removed: other kinds of file, names that only contain an extension, folders.
    const Names m_others{"style.css",   "notes.txt", "page.html.bak", "html",
                         "folder.html", "sub",       "image"};

    void SetUp() override {
        HousekeepingTest::SetUp();
        writeAll("site/", {"index.html", "page1.html", "UPPER.HTML", ".html", "old.htm", "Old2.HTM",
                           "slide.shtml", "style.css", "notes.txt", "page.html.bak", "html"});
        writeAll("site/folder.html/", {"inside.html"});
        writeAll("site/sub/", {"deep.html", "deep.htm", "deep.shtml"});
        writeAll("site/image/", {"photo.html", "a.jpg"});
        writeAll("elsewhere/", {"kept.html"});
        link("elsewhere/kept.html", "site/linked.html");
        m_settings.HTMLPath = m_root.file("site") + "/";
    }

    Names pages() const { return entries(m_root.path() / "site"); }

    void expectUntouchedSurroundings() const {
        EXPECT_EQ(entries(m_root.path() / "site" / "sub"),
                  (Names{"deep.html", "deep.htm", "deep.shtml"}));
        EXPECT_EQ(entries(m_root.path() / "site" / "folder.html"), Names{"inside.html"});
        EXPECT_EQ(entries(m_root.path() / "site" / "image"), (Names{"photo.html", "a.jpg"}));
        EXPECT_EQ(readBytes(m_root.file("elsewhere/kept.html")), contentOf("kept.html"));
    }

    Settings m_settings = makeDefaultSettings(m_root.file("program") + "/");
};

class ClearOldPagesOfEachKind : public ClearOldPagesTest,
                                public ::testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(ClearOldPagesOfEachKind, TreatsThePagesOfTheExtensionAsAllowUndoSays) {
    const auto [allowUndo, htmlExt] = GetParam();
    m_settings.AllowUndo = allowUndo;
    m_settings.HTMLExt = htmlExt;
    const Names& group = htmlExt == 0 ? m_html : htmlExt == 1 ? m_htm : m_shtml;
    const Names kept = htmlExt == 0   ? unite(m_htm, m_shtml)
                       : htmlExt == 1 ? unite(m_html, m_shtml)
                                      : unite(m_html, m_htm);

    EXPECT_EQ(ClearOldPages(m_settings, m_progress), 1);

    EXPECT_EQ(pages(), unite(unite(m_others, kept), survivorsOf(group, allowUndo)));
    EXPECT_EQ(trashed(), trashedOf(group, allowUndo));
    expectUntouchedSurroundings();
    // Before each page it removes, and only then, the window takes its events.
    if (allowUndo == kLeave) {
        EXPECT_EQ(m_progress.pumps(), 0U);
    } else {
        EXPECT_GE(m_progress.pumps(), group.size());
    }
}

std::string extensionName(int htmlExt) {
    return htmlExt == 0 ? "Html" : htmlExt == 1 ? "Htm" : "Shtml";
}

INSTANTIATE_TEST_SUITE_P(EveryTreatmentAndExtension, ClearOldPagesOfEachKind,
                         ::testing::Combine(::testing::Values(kDelete, kToTrash, kLeave),
                                            ::testing::Values(0, 1, 2)),
                         [](const auto& test) {
                             return "AllowUndo" + treatmentName(std::get<0>(test.param)) +
                                    "HTMLExt" + extensionName(std::get<1>(test.param));
                         });

TEST_F(ClearOldPagesTest, PutsTwoOldPagesInTheTrashAndKeepsTheStyleSheet) {
    TempDir site{GioSandbox::home()};
    site.write("index.html", "index");
    site.write("page1.html", "page 1");
    site.write("style.css", "css");
    m_settings.HTMLPath = site.path().string() + "/";
    m_settings.AllowUndo = kToTrash;
    m_settings.HTMLExt = 0;

    EXPECT_EQ(ClearOldPages(m_settings, m_progress), 1);

    EXPECT_EQ(entries(site.path()), Names{"style.css"});
    EXPECT_EQ(trashed(), (Names{"index.html", "page1.html"}));
    EXPECT_EQ(readBytes(m_trash / "files" / "page1.html"), "page 1");
}

TEST_F(ClearOldPagesTest, AcceptsAPagesFolderWithoutTheFinalSlash) {
    m_settings.HTMLPath = m_root.file("site");
    m_settings.AllowUndo = kDelete;
    m_settings.HTMLExt = 1;

    EXPECT_EQ(ClearOldPages(m_settings, m_progress), 1);

    EXPECT_EQ(pages(), unite(unite(m_others, m_html), m_shtml));
}

TEST_F(ClearOldPagesTest, GoesOnQuietlyWhenThePagesFolderIsMissing) {
    m_settings.HTMLPath = m_root.file("nowhere") + "/";
    m_settings.AllowUndo = kDelete;

    EXPECT_EQ(ClearOldPages(m_settings, m_progress), 1);

    EXPECT_FALSE(fs::exists(m_root.file("nowhere")));
    EXPECT_EQ(pages().size(), m_html.size() + m_htm.size() + m_shtml.size() + m_others.size());
}

TEST_F(ClearOldPagesTest, LeavesThePagesInPlaceWhenTheTrashCannotBeUsed) {
    // The Trash folder's place is taken by a file, so no move to the Trash can succeed.
    fs::create_directories(m_trash.parent_path());
    m_root.write("trash-blocker", "");
    fs::copy_file(m_root.file("trash-blocker"), m_trash);
    m_settings.AllowUndo = kToTrash;
    m_settings.HTMLExt = 0;

    EXPECT_EQ(ClearOldPages(m_settings, m_progress), 1);

    EXPECT_EQ(pages(), unite(unite(m_others, m_html), unite(m_htm, m_shtml)));
    EXPECT_TRUE(fs::is_regular_file(m_trash));
}

// The slideshow's music file and the folder it goes to.
class CopyMusicFileTest : public ::testing::Test {
protected:
    CopyMusicFileTest() : m_settings(makeDefaultSettings(m_root.file("program") + "/")) {
        m_settings.HTMLPath = m_root.file("site") + "/";
        m_settings.SubFolder = "image";
        m_settings.Mode = 1;
        m_settings.PlayMusic = 1;
        m_settings.MIDIFile = m_root.write("music/bgm.mid", "MThd music");
        fs::create_directories(m_output);
    }

    int run() { return CopyMusicFile(m_settings, m_prompter, m_progress, m_cancel); }

    static Call question(std::string_view text) {
        return {Kind::Ask, "MIDI ファイルエラー", std::string(text), PromptIcon::Warning};
    }

    const TempDir m_root;
    const fs::path m_output = m_root.path() / "site" / "image";
    Settings m_settings;
    ScriptedPrompter m_prompter;
    RecordingProgressSink m_progress;
    CancelFlag m_cancel;
};

constexpr std::string_view kNoMusicFile =
    "MIDI ファイルが指定されていません。BGM 無しでスライドショーを作成しますか？";
constexpr std::string_view kMusicFileMissing =
    "MIDI ファイルが見つかりません。BGM 無しでスライドショーを作成しますか？";

TEST_F(CopyMusicFileTest, CopiesTheMusicFileIntoTheOutputImageFolder) {
    EXPECT_EQ(run(), 1);

    EXPECT_EQ(entries(m_output), Names{"bgm.mid"});
    EXPECT_EQ(readBytes(m_output / "bgm.mid"), "MThd music");
    EXPECT_EQ(readBytes(m_root.file("music/bgm.mid")), "MThd music");
    EXPECT_EQ(withSinglePumps(m_progress.events),
              (Lines{"open ファイルをコピーしています。", "progress 0/100", "pump",
                     "progress 100/100", "close"}));
    EXPECT_TRUE(m_prompter.calls.empty());
    EXPECT_EQ(m_settings.PlayMusic, 1);
}

TEST_F(CopyMusicFileTest, CopiesIntoThePagesFolderWhenThereIsNoSubfolder) {
    m_settings.SubFolder = "";

    EXPECT_EQ(run(), 1);

    EXPECT_EQ(readBytes(m_root.file("site/bgm.mid")), "MThd music");
    EXPECT_EQ(entries(m_output), Names{});
}

TEST_F(CopyMusicFileTest, CopiesNothingForAThumbnailIndexOrWithMusicOff) {
    m_settings.Mode = 0;
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(entries(m_output), Names{});

    m_settings.Mode = 1;
    m_settings.PlayMusic = 0;
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(entries(m_output), Names{});

    // With music off an empty or missing music file raises no question either.
    m_settings.MIDIFile = "";
    EXPECT_EQ(run(), 1);
    m_settings.MIDIFile = m_root.file("music/missing.mid");
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(entries(m_output), Names{});
    EXPECT_TRUE(m_prompter.calls.empty());
}

TEST_F(CopyMusicFileTest, GoesOnWithoutMusicWhenTheUserAgreesThatNoFileIsSet) {
    m_settings.MIDIFile = "";
    m_prompter.willAnswer(true);

    EXPECT_EQ(run(), 1);

    EXPECT_EQ(m_prompter.calls, (std::vector<Call>{question(kNoMusicFile)}));
    EXPECT_EQ(m_settings.PlayMusic, 0);
    EXPECT_EQ(entries(m_output), Names{});
    EXPECT_TRUE(m_progress.events.empty());
}

TEST_F(CopyMusicFileTest, StopsTheRunWhenTheUserRefusesToGoOnWithoutASetFile) {
    m_settings.MIDIFile = "";
    m_prompter.willAnswer(false);

    EXPECT_EQ(run(), 0);

    EXPECT_EQ(m_prompter.calls, (std::vector<Call>{question(kNoMusicFile)}));
    EXPECT_EQ(m_settings.PlayMusic, 1);
    EXPECT_EQ(entries(m_output), Names{});
}

TEST_F(CopyMusicFileTest, AsksAboutAMissingMusicFileAndGoesOnOrStopsAsAnswered) {
    m_settings.MIDIFile = m_root.file("music/missing.mid");
    m_prompter.willAnswer(false);
    m_prompter.willAnswer(true);

    EXPECT_EQ(run(), 0);
    EXPECT_EQ(m_settings.PlayMusic, 1);
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(m_settings.PlayMusic, 0);

    EXPECT_EQ(m_prompter.calls,
              (std::vector<Call>{question(kMusicFileMissing), question(kMusicFileMissing)}));
    EXPECT_EQ(entries(m_output), Names{});
}

TEST_F(CopyMusicFileTest, AsksBeforeReplacingTheMusicFileOfAnEarlierRun) {
    m_root.write("site/image/bgm.mid", "older music");
    m_prompter.willAnswer(false);
    m_prompter.willAnswer(true);
    const Call replace{Kind::Ask, "ファイルの上書き確認",
                       "bgm.mid は既に存在します。置き換えますか？", PromptIcon::Question};

    EXPECT_EQ(run(), 1);
    EXPECT_EQ(readBytes(m_output / "bgm.mid"), "older music");
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(readBytes(m_output / "bgm.mid"), "MThd music");

    EXPECT_EQ(m_prompter.calls, (std::vector<Call>{replace, replace}));
}

TEST_F(CopyMusicFileTest, StopsTheRunWhenTheCopyIsCancelledOrFails) {
    m_cancel.request();
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(entries(m_output), Names{});

    fs::remove(m_output);
    EXPECT_EQ(run(), 0);
    ASSERT_EQ(m_prompter.calls.size(), 1U);
    EXPECT_EQ(m_prompter.calls[0].caption, "ファイルエラー");
    EXPECT_FALSE(fs::exists(m_output));
}

} // namespace
} // namespace vistrel
