// SPDX-License-Identifier: MIT
#include "output/ImagePass.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <iterator>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "app/Settings.h"
#include "catalogue/CurrentImage.h"
#include "catalogue/ImageFolderScan.h"
#include "catalogue/ImageList.h"
#include "imaging/FixtureEncoders.h"
#include "imaging/ImageDecoder.h"
#include "imaging/ImageLibrary.h"
#include "names/ImageKind.h"
#include "output/CollectSelectedImages.h"
#include "output/ImageTask.h"
#include "platform/CancelFlag.h"
#include "support/RecordingProgressSink.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace vistrel {
namespace {

namespace fs = std::filesystem;
using test::Raster;
using test::RecordingProgressSink;
using test::ScriptedPrompter;
using test::TempDir;

constexpr std::int32_t kBox = 60;

// A prompter that asks the run to stop when it shows its first message, as a user pressing
// Cancel right then would.
class CancellingPrompter final : public Prompter {
public:
    explicit CancellingPrompter(CancelFlag& cancel) : m_cancel(cancel) {}
    void message(std::string_view caption, std::string_view text, PromptIcon icon) override {
        recorded.message(caption, text, icon);
        m_cancel.request();
    }
    bool ask(std::string_view, std::string_view, PromptIcon) override { return false; }

    ScriptedPrompter recorded;

private:
    CancelFlag& m_cancel;
};

Raster stripes(int width, int height) {
    Raster raster(width, height, {30, 90, 200});
    for (int x = 0; x < width; x += 8) {
        raster.fillRect(x, 0, std::min(4, width - x), height, {220, 180, 40});
    }
    return raster;
}

std::string gifOf(int width, int height) {
    test::GifFixture gif;
    gif.screenWidth = width;
    gif.screenHeight = height;
    gif.globalColours = {{0, 0, 0}, {250, 120, 10}};
    test::GifFrame frame;
    frame.width = width;
    frame.height = height;
    for (int i = 0; i < width * height; ++i) {
        frame.indices.push_back(static_cast<std::uint8_t>((i / 3) % 2));
    }
    gif.frames.push_back(frame);
    return test::encodeGif(gif);
}

ShrinkOnLoadTask thumbnailTask(std::int32_t thumbType) {
    ShrinkOnLoadTask task;
    task.thumbnails = true;
    task.box = kBox;
    task.options.thumbType = thumbType;
    task.options.background = {255, 255, 255};
    return task;
}

// A mix of every kind, broken files among them, in list order.
class ImagePassTest : public ::testing::TestWithParam<unsigned> {
protected:
    void SetUp() override {
        const std::string jpeg = test::encodeJpeg(stripes(640, 480));
        add("a.jpg", jpeg);
        add("b.png", test::encodePng(stripes(90, 120)));
        add("c.jpg", "not a picture");
        add("d.gif", gifOf(120, 40));
        add("e.jpg", test::encodeJpeg(stripes(480, 640), {.exifOrientation = 6}));
        add("f.png", test::encodePng(stripes(30, 30)).substr(0, 30));
        add("g.txt", jpeg);
        add("h.gif", "GIF89a");
        add("i.jpg", test::encodeJpeg(stripes(1000, 250), {.colour = test::JpegColour::Grey}));
    }

    void add(const std::string& name, const std::string& bytes) {
        ImageEntry entry;
        entry.fileName = name;
        entry.sourcePath = m_sources.write(name, bytes);
        entry.thumbFileName = name + "_thumb.png";
        entry.thumbPath = m_pass.file(entry.thumbFileName);
        m_entries.push_back(entry);
    }

    // What the single-image path gives: LoadSourceImage for the size and its message, then the
    // thumbnail drawn from the full-size current image, in list order on one thread.
    std::vector<ImageEntry> singleImagePath(const ShrinkOnLoadTask& task, Prompter& prompter) {
        std::vector<ImageEntry> entries = m_entries;
        CurrentImage current;
        for (ImageEntry& entry : entries) {
            entry.thumbPath = m_single.file(entry.thumbFileName);
            if (current.LoadSourceImage(entry.sourcePath, true, prompter) == 1) {
                entry.width = current.header()->width;
                entry.height = current.header()->height;
                if (task.thumbnails) {
                    renderThumbnail(*current.image(), entry.width, entry.height,
                                    thumbnailSize(entry.width, entry.height, task.box),
                                    task.options, entry.thumbPath);
                }
            }
        }
        return entries;
    }

    const TempDir m_sources;
    const TempDir m_pass;
    const TempDir m_single;
    std::vector<ImageEntry> m_entries;
    ScriptedPrompter m_prompter;
    RecordingProgressSink m_progress;
    CancelFlag m_cancel;
};

TEST_P(ImagePassTest, GivesTheSizesThumbnailsAndMessagesOfTheSingleImagePath) {
    for (const std::int32_t thumbType : {0, 1, 2}) {
        SCOPED_TRACE(thumbType);
        const ShrinkOnLoadTask task = thumbnailTask(thumbType);
        ScriptedPrompter singlePrompter;
        const std::vector<ImageEntry> expected = singleImagePath(task, singlePrompter);
        std::vector<ImageEntry> entries = m_entries;
        m_prompter.calls.clear();

        EXPECT_TRUE(ImagePass(task, GetParam()).run(entries, m_prompter, m_progress, m_cancel));

        EXPECT_EQ(m_prompter.calls, singlePrompter.calls);
        EXPECT_EQ(m_prompter.calls.size(), 4U) << "c.jpg, f.png, g.txt, h.gif";
        ASSERT_EQ(entries.size(), expected.size());
        for (std::size_t i = 0; i < entries.size(); ++i) {
            SCOPED_TRACE(entries[i].fileName);
            EXPECT_EQ(entries[i].width, expected[i].width);
            EXPECT_EQ(entries[i].height, expected[i].height);
            const bool made = fs::exists(entries[i].thumbPath);
            ASSERT_EQ(made, fs::exists(expected[i].thumbPath));
            EXPECT_EQ(made, expected[i].width != 0);
            if (made) {
                const std::string bytes = test::readBytes(entries[i].thumbPath);
                EXPECT_EQ(bytes.substr(0, 3), test::readBytes(expected[i].thumbPath).substr(0, 3));
                const auto format = thumbType == 0   ? ImageFormat::Png
                                    : thumbType == 1 ? ImageFormat::Jpeg
                                                     : ImageFormat::Gif;
                const auto written = decodeImageFile(entries[i].thumbPath, format, {true, 0, 0});
                const auto single = decodeImageFile(expected[i].thumbPath, format, {true, 0, 0});
                ASSERT_TRUE(written.has_value());
                ASSERT_TRUE(single.has_value());
                EXPECT_EQ(written->header.width, single->header.width);
                EXPECT_EQ(written->header.height, single->header.height);
            }
            fs::remove(entries[i].thumbPath);
        }
    }
}

TEST_P(ImagePassTest, ReadsOnlySizesWithoutThumbnails) {
    ScriptedPrompter singlePrompter;
    const std::vector<ImageEntry> expected = singleImagePath(ShrinkOnLoadTask{}, singlePrompter);
    std::vector<ImageEntry> entries = m_entries;

    EXPECT_TRUE(
        ImagePass(ShrinkOnLoadTask{}, GetParam()).run(entries, m_prompter, m_progress, m_cancel));

    EXPECT_EQ(m_prompter.calls, singlePrompter.calls);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].width, expected[i].width) << entries[i].fileName;
        EXPECT_EQ(entries[i].height, expected[i].height) << entries[i].fileName;
        EXPECT_FALSE(fs::exists(entries[i].thumbPath)) << entries[i].fileName;
    }
}

TEST_P(ImagePassTest, StartsNothingWhenCancelWasAlreadyRequested) {
    m_cancel.request();
    std::vector<ImageEntry> entries = m_entries;

    EXPECT_FALSE(
        ImagePass(thumbnailTask(0), GetParam()).run(entries, m_prompter, m_progress, m_cancel));

    EXPECT_TRUE(m_cancel.isRequested()) << "left for the writer's next look";
    EXPECT_TRUE(m_prompter.calls.empty());
    for (const ImageEntry& entry : entries) {
        EXPECT_EQ(entry.width, 0) << entry.fileName;
        EXPECT_FALSE(fs::exists(entry.thumbPath)) << entry.fileName;
    }
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& item : fs::directory_iterator(folder)) {
        names.push_back(item.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The thumbnails a run over m_entries leaves: one per entry that loads, and nothing else.
std::vector<std::string> thumbnailsOfLoadingEntries() {
    return {"a.jpg_thumb.png", "b.png_thumb.png", "d.gif_thumb.png", "e.jpg_thumb.png",
            "i.jpg_thumb.png"};
}

TEST_P(ImagePassTest, AStartAheadServesTheRunOnTheSameEntriesOrOnOthers) {
    ScriptedPrompter singlePrompter;
    const std::vector<ImageEntry> expected = singleImagePath(thumbnailTask(0), singlePrompter);
    const std::vector<ImageEntry> fewer(m_entries.begin(), m_entries.begin() + 3);
    const std::vector<const std::vector<ImageEntry>*> aheads = {&m_entries, &fewer};
    for (const auto* ahead : aheads) {
        SCOPED_TRACE(ahead->size());
        std::vector<ImageEntry> entries = m_entries;
        m_prompter.calls.clear();
        ImagePass pass(thumbnailTask(0), GetParam());

        pass.start(*ahead, m_cancel);
        EXPECT_TRUE(m_prompter.calls.empty()) << "nothing is shown before the run";
        EXPECT_TRUE(pass.run(entries, m_prompter, m_progress, m_cancel));

        EXPECT_EQ(m_prompter.calls, singlePrompter.calls);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].width, expected[i].width) << entries[i].fileName;
            EXPECT_EQ(entries[i].height, expected[i].height) << entries[i].fileName;
        }
        EXPECT_EQ(namesIn(m_pass.path()), thumbnailsOfLoadingEntries());
        for (const ImageEntry& entry : entries) {
            fs::remove(entry.thumbPath);
        }
    }
}

// The files the workers have begun in the private folders they write thumbnails into.
std::size_t stagedFiles(const fs::path& folder) {
    std::size_t count = 0;
    for (const auto& item : fs::directory_iterator(folder)) {
        if (item.is_directory()) {
            count += static_cast<std::size_t>(
                std::distance(fs::directory_iterator(item.path()), fs::directory_iterator()));
        }
    }
    return count;
}

TEST_P(ImagePassTest, AStartNeverRunLeavesNothingBehind) {
    {
        ImagePass pass(thumbnailTask(0), GetParam());
        pass.start(m_entries, m_cancel);
        // Every thumbnail is begun ahead of the run; all must go with the pass.
        while (stagedFiles(m_pass.path()) < thumbnailsOfLoadingEntries().size()) {
            std::this_thread::yield();
        }
    }
    EXPECT_TRUE(namesIn(m_pass.path()).empty());
    EXPECT_TRUE(m_prompter.calls.empty());
}

TEST_P(ImagePassTest, PumpsAfterEveryImageItTakesEvenWhenTheWorkersAreAhead) {
    std::vector<ImageEntry> entries;
    const std::string good = test::encodePng(stripes(40, 30));
    for (int i = 0; i < 12; ++i) {
        const std::string name = "q" + std::to_string(100 + i) + ".png";
        entries.push_back({0, 0, 0, "", "", name, m_sources.write(name, good),
                           m_pass.file(name + "_thumb.png"), name + "_thumb.png", "", false, ""});
    }
    ImagePass pass(thumbnailTask(0), GetParam());
    pass.start(entries, m_cancel);
    // Every thumbnail is begun before the run, as after a long copy: the run hardly waits.
    while (stagedFiles(m_pass.path()) < entries.size()) {
        std::this_thread::yield();
    }

    EXPECT_TRUE(pass.run(entries, m_prompter, m_progress, m_cancel));

    // Each image taken moves the bar, and the window takes its events before the next.
    const std::vector<std::string>& events = m_progress.events;
    std::size_t taken = 0;
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (events[i].starts_with("progress ")) {
            ++taken;
            ASSERT_LT(i + 1, events.size());
            EXPECT_EQ(events[i + 1], "pump") << "after " << events[i];
        }
    }
    EXPECT_EQ(taken, entries.size());
    EXPECT_EQ(namesIn(m_pass.path()).size(), entries.size()) << "the thumbnails and no more";
}

TEST_P(ImagePassTest, TheLaterOfTwoEntriesSharingAThumbnailNameWins) {
    // The naming rule can give two entries one name (a.gif as the second "a." gets a1, as
    // a1.png does); a one-image-at-a-time run leaves the later entry's thumbnail.
    std::vector<ImageEntry> entries;
    for (int i = 0; i < 12; ++i) {
        const std::string name = "s" + std::to_string(i) + ".png";
        const bool wide = i != 11;
        entries.push_back(
            {0, 0, 0, "", "", name,
             m_sources.write(name, test::encodePng(wide ? stripes(120, 40) : stripes(40, 120))),
             m_pass.file(i % 5 == 1 ? "a1_thumb.png" : name + "_thumb.png"), "", "", false, ""});
    }

    EXPECT_TRUE(
        ImagePass(thumbnailTask(0), GetParam()).run(entries, m_prompter, m_progress, m_cancel));

    const auto shared =
        decodeImageFile(m_pass.file("a1_thumb.png"), ImageFormat::Png, {true, 0, 0});
    ASSERT_TRUE(shared.has_value());
    EXPECT_LT(shared->header.width, shared->header.height) << "entry 11, the only tall one";
}

TEST_P(ImagePassTest, TakesNoEntryAfterACancelAndLeavesNoThumbnailOfTheRest) {
    std::vector<ImageEntry> entries;
    const std::string good = test::encodePng(stripes(40, 30));
    for (int i = 0; i < 40; ++i) {
        const std::string name = "p" + std::to_string(100 + i) + ".png";
        entries.push_back({0, 0, 0, "", "", name,
                           m_sources.write(name, i == 0 ? std::string("broken") : good),
                           m_pass.file(name + "_thumb.png"), name + "_thumb.png", "", false, ""});
    }
    CancellingPrompter prompter(m_cancel);

    EXPECT_FALSE(
        ImagePass(thumbnailTask(0), GetParam()).run(entries, prompter, m_progress, m_cancel));

    // The message of the first entry asked to stop: whatever the workers had done beyond it is
    // neither reported nor left in the folder.
    EXPECT_EQ(prompter.recorded.calls.size(), 1U);
    for (const ImageEntry& entry : entries) {
        EXPECT_EQ(entry.width, 0) << entry.fileName;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(m_pass.path()), fs::directory_iterator()), 0);
}

INSTANTIATE_TEST_SUITE_P(Workers, ImagePassTest, ::testing::Values(1U, 2U, 4U),
                         [](const auto& param) { return std::to_string(param.param) + "Workers"; });

// The collection over a folder whose first image is broken, the user cancelling at its message.
class CancelDuringThePass : public ::testing::Test {
protected:
    CancelDuringThePass() {
        m_settings.ImagePath = m_dir.path().string() + "/";
        m_settings.HTMLPath = m_dir.path().string() + "/";
        m_dir.write("a.png", "broken");
        for (int i = 0; i < 12; ++i) {
            m_dir.write("b" + std::to_string(10 + i) + ".png", test::encodePng(stripes(8, 8)));
        }
        ScanImageFolder(m_settings.ImagePath, kindBit(ImageKind::Png), true, m_list);
    }

    int collect() {
        ImagePass pass(imageTaskOf(m_settings), 2);
        return CollectSelectedImages(m_list, m_settings, m_prompter, m_progress, m_cancel,
                                     m_entries, pass);
    }

    const TempDir m_dir;
    Settings m_settings;
    ImageList m_list;
    CancelFlag m_cancel;
    CancellingPrompter m_prompter{m_cancel};
    RecordingProgressSink m_progress;
    std::vector<ImageEntry> m_entries;
};

TEST_F(CancelDuringThePass, LeavesTheRequestToTheIndexWriter) {
    m_settings.Mode = 0;
    EXPECT_EQ(collect(), 1);
    EXPECT_TRUE(m_cancel.isRequested());
    EXPECT_EQ(m_entries.size(), 13U);
}

TEST_F(CancelDuringThePass, StopsTheSlideshowCollectionAndClearsTheRequest) {
    m_settings.Mode = 1;
    EXPECT_EQ(collect(), 0);
    EXPECT_FALSE(m_cancel.isRequested());
}

} // namespace
} // namespace vistrel
