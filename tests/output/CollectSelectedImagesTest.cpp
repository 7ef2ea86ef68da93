// SPDX-License-Identifier: MIT
#include "output/CollectSelectedImages.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "app/Settings.h"
#include "catalogue/ImageFolderScan.h"
#include "catalogue/ImageList.h"
#include "names/ImageKind.h"
#include "output/CopyMainImages.h"
#include "output/ImagePass.h"
#include "output/ImageTask.h"
#include "output/SelectedEntries.h"
#include "platform/CancelFlag.h"
#include "support/RecordingProgressSink.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

namespace fs = std::filesystem;
using test::RecordingProgressSink;
using test::ScriptedPrompter;
using test::TempDir;
using Kind = ScriptedPrompter::Kind;

void appendBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<char>((value >> shift) & 0xFFU));
    }
}

std::uint32_t crc32Of(std::string_view bytes) {
    std::uint32_t crc = 0xFFFFFFFFU;
    for (const char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1U) != 0 ? (crc >> 1) ^ 0xEDB88320U : crc >> 1;
        }
    }
    return crc ^ 0xFFFFFFFFU;
}

std::uint32_t adler32Of(std::string_view bytes) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const char c : bytes) {
        a = (a + static_cast<unsigned char>(c)) % 65521U;
        b = (b + a) % 65521U;
    }
    return (b << 16) | a;
}

void appendChunk(std::string& png, std::string_view type, std::string_view data) {
    appendBigEndian(png, static_cast<std::uint32_t>(data.size()));
    const std::string typed = std::string(type) + std::string(data);
    png += typed;
    appendBigEndian(png, crc32Of(typed));
}

// A grey PNG of width x height pixels, its pixel data in one uncompressed deflate block.
std::string greyPng(std::uint32_t width, std::uint32_t height) {
    std::string header;
    appendBigEndian(header, width);
    appendBigEndian(header, height);
    header += std::string("\x08\x00\x00\x00\x00", 5); // 8 bits, grey, deflate, no filter/lace

    std::string rows;
    for (std::uint32_t y = 0; y < height; ++y) {
        rows.push_back('\0');
        rows.append(width, '\x80');
    }
    const auto length = static_cast<std::uint16_t>(rows.size());
    std::string deflated = "\x78\x01\x01";
    deflated.push_back(static_cast<char>(length & 0xFFU));
    deflated.push_back(static_cast<char>(length >> 8));
    const auto inverse = static_cast<std::uint16_t>(~length);
    deflated.push_back(static_cast<char>(inverse & 0xFFU));
    deflated.push_back(static_cast<char>(inverse >> 8));
    deflated += rows;
    appendBigEndian(deflated, adler32Of(rows));

    std::string png = "\x89PNG\r\n\x1A\n";
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", deflated);
    appendChunk(png, "IEND", "");
    return png;
}

class CollectSelectedImagesTest : public ::testing::Test {
protected:
    CollectSelectedImagesTest() {
        m_settings.ImagePath = m_dir.path().string() + "/";
        m_settings.HTMLPath = "/site/";
        m_settings.SubFolder = "img";
        m_settings.AddString = "_thumb";
        m_settings.ImageCase = 1;
    }

    void scan(std::int32_t mask = 7) { ScanImageFolder(m_settings.ImagePath, mask, true, m_list); }

    int collect() {
        ImagePass pass(imageTaskOf(m_settings), ImagePass::hardwareWorkers());
        return CollectSelectedImages(m_list, m_settings, m_prompter, m_progress, m_cancel,
                                     m_entries, pass);
    }

    const TempDir m_dir;
    Settings m_settings;
    ImageList m_list;
    ScriptedPrompter m_prompter;
    RecordingProgressSink m_progress;
    CancelFlag m_cancel;
    std::vector<ImageEntry> m_entries;
};

TEST_F(CollectSelectedImagesTest, SkipsAFileDeletedAfterTheScanWithoutAWord) {
    m_dir.write("x.png", greyPng(3, 2));
    m_dir.write("y.png", greyPng(3, 2));
    scan();
    fs::remove(m_dir.file("x.png"));

    EXPECT_EQ(collect(), 1);

    ASSERT_EQ(m_entries.size(), 1U);
    EXPECT_EQ(m_entries[0].fileName, "y.png");
    EXPECT_EQ(m_entries[0].rowIndex, 1);
    EXPECT_EQ(m_entries[0].thumbFileName, "y_thumb.png") << "named as entry 0, not row 1";
    EXPECT_TRUE(m_prompter.calls.empty());
}

TEST_F(CollectSelectedImagesTest, FillsEveryFieldOfACheckedRow) {
    m_dir.write("Sunset.PNG", greyPng(3, 2));
    scan();

    EXPECT_EQ(collect(), 1);

    ASSERT_EQ(m_entries.size(), 1U);
    const ImageEntry& entry = m_entries[0];
    EXPECT_EQ(entry.rowIndex, 0);
    EXPECT_EQ(entry.width, 3);
    EXPECT_EQ(entry.height, 2);
    EXPECT_EQ(entry.dateText, m_list.row(0).dateText);
    EXPECT_EQ(entry.sizeText, "0 KB");
    EXPECT_EQ(entry.fileName, "sunset.png");
    EXPECT_EQ(entry.sourcePath, m_settings.ImagePath + "Sunset.PNG");
    EXPECT_EQ(entry.thumbPath, "/site/img/sunset_thumb.png");
    EXPECT_EQ(entry.thumbFileName, "sunset_thumb.png");
}

TEST_F(CollectSelectedImagesTest, FollowsTheListOrderAndLeavesUncheckedRowsOut) {
    m_dir.write("a.png", greyPng(1, 1));
    m_dir.write("b.png", greyPng(2, 1));
    m_dir.write("c.png", greyPng(3, 1));
    scan();
    m_list.moveRow(0, 3);
    m_list.setChecked(0, false);

    EXPECT_EQ(collect(), 1);

    ASSERT_EQ(m_entries.size(), 2U);
    EXPECT_EQ(m_entries[0].fileName, "c.png");
    EXPECT_EQ(m_entries[0].rowIndex, 1);
    EXPECT_EQ(m_entries[0].width, 3);
    EXPECT_EQ(m_entries[1].fileName, "a.png");
    EXPECT_EQ(m_entries[1].rowIndex, 2);
    EXPECT_EQ(m_entries[1].width, 1);
}

TEST_F(CollectSelectedImagesTest, NamesThumbnailsAfterTheCaseConvertedFileNames) {
    m_dir.write("photo.png", greyPng(1, 1));
    m_dir.write("Photo.png", greyPng(1, 1));
    m_settings.ImageCase = 0;
    m_settings.ThumbType = 1;
    scan();

    EXPECT_EQ(collect(), 1);

    ASSERT_EQ(m_entries.size(), 2U);
    EXPECT_EQ(m_entries[0].sourcePath, m_settings.ImagePath + "Photo.png");
    EXPECT_EQ(m_entries[1].sourcePath, m_settings.ImagePath + "photo.png");
    EXPECT_EQ(m_entries[0].fileName, "PHOTO.PNG");
    EXPECT_EQ(m_entries[1].fileName, "PHOTO.PNG");
    EXPECT_EQ(m_entries[0].thumbFileName, "PHOTO_THUMB.JPG");
    EXPECT_EQ(m_entries[1].thumbFileName, "PHOTO1_THUMB.JPG");
}

TEST_F(CollectSelectedImagesTest, CollectsAfterTheCopyTheEntriesForeseenBeforeIt) {
    // Foreseen right, the thumbnails begun during the copy serve the run.
    for (const char* name :
         {"a.png", "a.gif", "a1.png", "notes.txt", "gone.png", "B.PNG", "c.png"}) {
        m_dir.write(name, greyPng(2, 2));
    }
    scan(kAllFilesMask);
    for (int row = 0; row < m_list.rowCount(); ++row) {
        m_list.setChecked(row, m_list.row(row).name != "c.png");
    }
    fs::remove(m_dir.file("gone.png"));
    const TempDir site;
    m_settings.HTMLPath = site.path().string() + "/";
    fs::create_directories(site.file("img"));

    const std::vector<ImageEntry> foreseen = entriesAfterCopy(m_list, m_settings);
    ASSERT_EQ(CopyMainImages(m_list, m_settings, m_prompter, m_progress, m_cancel), 1);
    EXPECT_EQ(collect(), 1);

    const auto key = [](const ImageEntry& entry) {
        return std::to_string(entry.rowIndex) + " " + entry.sourcePath + " " + entry.thumbPath;
    };
    std::vector<std::string> expected;
    std::vector<std::string> actual;
    std::transform(foreseen.begin(), foreseen.end(), std::back_inserter(expected), key);
    std::transform(m_entries.begin(), m_entries.end(), std::back_inserter(actual), key);
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(actual.size(), 4U) << "not the unchecked, the text or the deleted row";
}

TEST_F(CollectSelectedImagesTest, ReportsAFileThatDoesNotLoadAndGoesOn) {
    m_dir.write("broken.jpg", "not a picture");
    m_dir.write("notes.txt", "text");
    m_dir.write("ok.png", greyPng(4, 3));
    scan(kAllFilesMask);
    m_list.setAllChecked(true);

    EXPECT_EQ(collect(), 1);

    ASSERT_EQ(m_entries.size(), 3U);
    EXPECT_EQ(m_entries[0].fileName, "broken.jpg");
    EXPECT_EQ(m_entries[0].width, 0);
    EXPECT_EQ(m_entries[0].height, 0);
    EXPECT_EQ(m_entries[1].fileName, "notes.txt");
    EXPECT_EQ(m_entries[1].width, 0);
    EXPECT_EQ(m_entries[2].width, 4);
    EXPECT_EQ(m_entries[2].height, 3);
    ASSERT_EQ(m_prompter.calls.size(), 2U);
    for (const ScriptedPrompter::Call& call : m_prompter.calls) {
        EXPECT_EQ(call.kind, Kind::Message);
        EXPECT_EQ(call.caption, "エラー");
        EXPECT_EQ(call.icon, PromptIcon::Stop);
    }
}

TEST_F(CollectSelectedImagesTest, PumpsProgressForEveryRowBeforeTheImagesAreRead) {
    m_dir.write("a.png", greyPng(1, 1));
    m_dir.write("b.png", greyPng(1, 1));
    m_dir.write("c.png", greyPng(1, 1));
    scan();
    m_list.setChecked(1, false);

    EXPECT_EQ(collect(), 1);

    // The image pass may pump more while it waits for its workers.
    EXPECT_GE(m_progress.pumps(), 3U);
    EXPECT_EQ(m_entries.size(), 2U);
}

TEST_F(CollectSelectedImagesTest, StopsAtTheNextRowWhenCancelIsRequestedAndClearsTheRequest) {
    m_dir.write("a.png", greyPng(1, 1));
    m_dir.write("b.png", greyPng(1, 1));
    m_dir.write("c.png", greyPng(1, 1));
    scan();
    m_progress.onPump = [this](int pump) {
        if (pump == 2) {
            m_cancel.request();
        }
    };

    EXPECT_EQ(collect(), 0);

    EXPECT_EQ(m_progress.pumps(), 2U);
    EXPECT_EQ(m_entries.size(), 2U);
    EXPECT_FALSE(m_cancel.isRequested());
}

TEST_F(CollectSelectedImagesTest, StopsBeforeTheFirstRowWhenCancelWasAlreadyRequested) {
    m_dir.write("a.png", greyPng(1, 1));
    scan();
    m_cancel.request();

    EXPECT_EQ(collect(), 0);

    EXPECT_EQ(m_progress.pumps(), 0U);
    EXPECT_TRUE(m_entries.empty());
    EXPECT_FALSE(m_cancel.isRequested());
}

TEST_F(CollectSelectedImagesTest, CollectsNothingFromAnEmptyList) {
    m_entries.resize(2);
    EXPECT_EQ(collect(), 1);
    EXPECT_TRUE(m_entries.empty());
    EXPECT_EQ(m_progress.pumps(), 0U);
}

} // namespace
} // namespace vistrel
