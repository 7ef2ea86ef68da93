// SPDX-License-Identifier: MIT
#include "catalogue/ImageFolderScan.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "catalogue/ImageList.h"
#include "names/ImageKind.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using Lines = std::vector<std::string>;

constexpr std::int32_t kJpegOnly = 1;
constexpr std::int32_t kAllImages = 7;

Lines namesOf(const ImageList& list) {
    Lines names;
    for (int i = 0; i < list.rowCount(); ++i) {
        names.push_back(list.row(i).name);
    }
    return names;
}

std::vector<bool> marksOf(const ImageList& list) {
    std::vector<bool> marks;
    for (int i = 0; i < list.rowCount(); ++i) {
        marks.push_back(list.row(i).checked);
    }
    return marks;
}

std::string folderOf(const TempDir& dir) {
    return dir.path().string() + "/";
}

void setModificationTime(const std::string& path, std::time_t seconds) {
    const std::array<timespec, 2> times = {{{seconds, 0}, {seconds, 0}}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times.data(), 0), 0) << path;
}

// Runs a test body in a known time zone and puts the process's own zone back afterwards.
class TimeZoneScope {
public:
    explicit TimeZoneScope(const char* zone) {
        if (const char* previous = std::getenv("TZ")) {
            m_previous = previous;
        }
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~TimeZoneScope() {
        if (m_previous) {
            ::setenv("TZ", m_previous->c_str(), 1);
        } else {
            ::unsetenv("TZ");
        }
        ::tzset();
    }
    TimeZoneScope(const TimeZoneScope&) = delete;
    TimeZoneScope& operator=(const TimeZoneScope&) = delete;

private:
    std::optional<std::string> m_previous;
};

class ScanImageFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"A.JPG", "b.jpeg", "c.png", "d.txt"}) {
            m_dir.write(name, "bytes");
        }
    }

    const TempDir m_dir;
    ImageList m_list;
};

TEST_F(ScanImageFolderTest, ListsOnlyTheTypesOfTheMaskWhateverTheirCase) {
    EXPECT_EQ(ScanImageFolder(folderOf(m_dir), kJpegOnly, true, m_list), 2);
    EXPECT_EQ(namesOf(m_list), (Lines{"A.JPG", "b.jpeg"}));
    EXPECT_EQ(marksOf(m_list), (std::vector<bool>{true, true}));
}

TEST_F(ScanImageFolderTest, CombinesTypeBitsOfTheMask) {
    m_dir.write("e.gif", "bytes");
    EXPECT_EQ(ScanImageFolder(folderOf(m_dir), kindBit(ImageKind::Png) | kindBit(ImageKind::Gif),
                              true, m_list),
              2);
    EXPECT_EQ(namesOf(m_list), (Lines{"c.png", "e.gif"}));
}

TEST_F(ScanImageFolderTest, ListsEveryFileForTheAllFilesMaskLeavingNonImagesUnchecked) {
    EXPECT_EQ(ScanImageFolder(folderOf(m_dir), kAllFilesMask, true, m_list), 4);
    EXPECT_EQ(namesOf(m_list), (Lines{"A.JPG", "b.jpeg", "c.png", "d.txt"}));
    EXPECT_EQ(marksOf(m_list), (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(m_list.checkedCount(), 3);
}

TEST_F(ScanImageFolderTest, LeavesEveryRowUncheckedWhenSelectIsOff) {
    EXPECT_EQ(ScanImageFolder(folderOf(m_dir), kAllFilesMask, false, m_list), 4);
    EXPECT_EQ(marksOf(m_list), (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(m_list.checkedCount(), 0);
}

TEST_F(ScanImageFolderTest, ListsNothingForAMaskWithoutTypes) {
    EXPECT_EQ(ScanImageFolder(folderOf(m_dir), 0, true, m_list), 0);
    EXPECT_EQ(m_list.rowCount(), 0);
}

TEST_F(ScanImageFolderTest, AppendsAfterTheRowsAlreadyThere) {
    ScanImageFolder(folderOf(m_dir), kJpegOnly, true, m_list);
    EXPECT_EQ(ScanImageFolder(folderOf(m_dir), kindBit(ImageKind::Png), true, m_list), 1);
    EXPECT_EQ(namesOf(m_list), (Lines{"A.JPG", "b.jpeg", "c.png"}));
}

TEST_F(ScanImageFolderTest, ListsHiddenFilesAndLinksToFiles) {
    m_dir.write(".hidden.jpg", "bytes");
    fs::create_symlink(m_dir.file("c.png"), m_dir.file("link.png"));
    EXPECT_EQ(ScanImageFolder(folderOf(m_dir), kAllImages, true, m_list), 5);
    EXPECT_EQ(namesOf(m_list), (Lines{".hidden.jpg", "A.JPG", "b.jpeg", "c.png", "link.png"}));
}

TEST_F(ScanImageFolderTest, NeverListsFoldersFifosOrDanglingLinks) {
    fs::create_directory(m_dir.file("folder.jpg"));
    m_dir.makeFifo("x.jpg");
    fs::create_symlink(m_dir.file("gone.jpg"), m_dir.file("dangling.jpg"));

    EXPECT_EQ(ScanImageFolder(folderOf(m_dir), kAllFilesMask, true, m_list), 4);
    EXPECT_EQ(namesOf(m_list), (Lines{"A.JPG", "b.jpeg", "c.png", "d.txt"}));
}

TEST_F(ScanImageFolderTest, SearchesTheParentForNamesStartingWithTheLastPartOfTheText) {
    m_dir.write("2024", "bytes");
    m_dir.write("2024 summer.jpg", "bytes");
    m_dir.write("2024.txt", "bytes");
    m_dir.write("2023.jpg", "bytes");
    m_dir.write("x2024.jpg", "bytes");
    m_dir.write("2024-folder/inside.jpg", "bytes");

    EXPECT_EQ(ScanImageFolder(m_dir.file("2024"), kAllFilesMask, true, m_list), 3);
    EXPECT_EQ(namesOf(m_list), (Lines{"2024", "2024 summer.jpg", "2024.txt"}))
        << "neither the folder 2024-folder nor anything inside it is a row";
    EXPECT_EQ(marksOf(m_list), (std::vector<bool>{false, true, false}));
}

TEST_F(ScanImageFolderTest, MatchesTheNamePrefixCaseSensitively) {
    m_dir.write("Photo1.jpg", "bytes");
    m_dir.write("photo2.jpg", "bytes");
    EXPECT_EQ(ScanImageFolder(m_dir.file("photo"), kJpegOnly, true, m_list), 1);
    EXPECT_EQ(namesOf(m_list), (Lines{"photo2.jpg"}));
}

TEST(ScanImageFolder, GivesNoRowsForAMissingFolder) {
    const TempDir dir;
    ImageList list;
    EXPECT_EQ(ScanImageFolder(dir.file("missing") + "/", kAllFilesMask, true, list), 0);
    EXPECT_EQ(ScanImageFolder(dir.file("missing/photo"), kAllFilesMask, true, list), 0);
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(list.checkedCount(), 0);
}

TEST(ScanImageFolder, WritesSizesInWholeKibRoundedDown) {
    const TempDir dir;
    dir.write("small.jpg", std::string(1023, 'x'));
    dir.write("one.jpg", std::string(1024, 'x'));
    dir.write("mega.jpg", std::string(1048576, 'x'));
    dir.write("empty.jpg", "");
    ImageList list;

    ScanImageFolder(folderOf(dir), kJpegOnly, true, list);

    ASSERT_EQ(namesOf(list), (Lines{"empty.jpg", "mega.jpg", "one.jpg", "small.jpg"}));
    EXPECT_EQ(list.row(0).sizeText, "0 KB");
    EXPECT_EQ(list.row(1).sizeText, "1024 KB");
    EXPECT_EQ(list.row(2).sizeText, "1 KB");
    EXPECT_EQ(list.row(3).sizeText, "0 KB");
}

TEST(ScanImageFolder, WritesTheModificationTimeInLocalTime) {
    const TimeZoneScope japan("JST-9");
    const TempDir dir;
    setModificationTime(dir.write("photo.jpg", "bytes"), 1118538672); // 2005-06-12 01:11:12 UTC
    ImageList list;

    ScanImageFolder(folderOf(dir), kJpegOnly, true, list);

    ASSERT_EQ(list.rowCount(), 1);
    EXPECT_EQ(list.row(0).dateText, "2005/06/12 10:11:12");
    EXPECT_EQ(list.row(0).comment, "");
}

TEST(FormatSizeText, KeepsTheLow32BitsOfTheKibCount) {
    EXPECT_EQ(formatSizeText(0), "0 KB");
    EXPECT_EQ(formatSizeText(123 * 1024 + 1023), "123 KB");
    EXPECT_EQ(formatSizeText((std::uint64_t{1} << 42) - 1), "4294967295 KB");
    EXPECT_EQ(formatSizeText((std::uint64_t{1} << 42) + 5 * 1024), "5 KB");
}

TEST(FormatDateText, PadsEveryFieldToItsWidth) {
    const TimeZoneScope utc("UTC");
    EXPECT_EQ(formatDateText(0), "1970/01/01 00:00:00");
    EXPECT_EQ(formatDateText(946684799), "1999/12/31 23:59:59");
}

} // namespace
} // namespace vistrel
