// SPDX-License-Identifier: MIT
// Runs every case under tests/golden/ through the page writers and compares each page with the
// one written by hand from the rules.
#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>

#include <gtest/gtest.h>

#include "app/SettingsTable.h"
#include "catalogue/ImageList.h"
#include "html/GoldenCase.h"
#include "html/PageRun.h"
#include "imaging/ImageLibrary.h"
#include "names/ImageKind.h"
#include "output/ImagePass.h"
#include "output/ImageTask.h"
#include "platform/CancelFlag.h"
#include "platform/ProgressSink.h"
#include "platform/Prompter.h"
#include "platform/Status.h"
#include "run/WriteSite.h"
#include "support/ExifWriter.h"
#include "support/RecordingProgressSink.h"
#include "support/TempDir.h"
#include "text/Encoding.h"

namespace vistrel {
namespace {

using test::GoldenCase;
using test::TempDir;

// Answers every question Yes, as a user who lets the run go on.
class YesPrompter final : public Prompter {
public:
    void message(std::string_view, std::string_view, PromptIcon) override {}
    bool ask(std::string_view, std::string_view, PromptIcon) override { return true; }
};

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

void writeImageFile(const std::string& path, const test::GoldenImage& image) {
    if (image.width == 0) {
        writeBytes(path, "not an image");
        return;
    }
    auto picture = Image::create(image.width, image.height);
    ASSERT_NE(picture, nullptr) << path;
    auto pixels = picture->pixels();
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<std::uint8_t>(i * 7 % 251);
    }
    bool saved = false;
    const ImageKind kind = ClassifyImageName(path.substr(path.rfind('/') + 1));
    if (kind == ImageKind::Png) {
        saved = SavePngImage(path, *picture);
    } else if (kind == ImageKind::Gif) {
        saved = SaveGifImage(path, *picture);
    } else {
        saved = SaveJpegImage(path, *picture, 90);
    }
    ASSERT_TRUE(saved) << path;
}

// The EXIF segment of the entries the case gives image, or nothing when it gives none.
std::string exifSegment(const GoldenCase& golden, const std::string& image) {
    test::ExifWriter exif(test::ByteOrder::Intel);
    bool any = false;
    bool exifDirectory = false;
    for (const auto& entry : golden.exif) {
        if (entry.image != image) {
            continue;
        }
        any = true;
        const auto directory =
            entry.inExifDirectory ? test::ExifDirectory::Exif : test::ExifDirectory::Main;
        if (entry.inExifDirectory && !exifDirectory) {
            exif.exifPointer();
            exifDirectory = true;
        }
        if (entry.type == "ascii") {
            exif.ascii(directory, entry.tag, entry.value);
        } else if (entry.type == "short") {
            exif.shortValues(directory, entry.tag,
                             {static_cast<std::uint16_t>(std::stoul(entry.value))});
        } else {
            const auto slash = entry.value.find('/');
            exif.rational(directory, entry.tag,
                          static_cast<std::uint32_t>(std::stoul(entry.value.substr(0, slash))),
                          static_cast<std::uint32_t>(std::stoul(entry.value.substr(slash + 1))));
        }
    }
    if (!any) {
        return {};
    }
    const std::string jpeg = exif.jpeg();
    return jpeg.substr(2, jpeg.size() - 4);
}

std::string replaceToken(std::string text, const std::string& token, const std::string& by) {
    for (auto at = text.find(token); at != std::string::npos; at = text.find(token, at)) {
        text.replace(at, token.size(), by);
        at += by.size();
    }
    return text;
}

// Where the first difference is, shown as text.
std::string firstDifference(const std::string& expected, const std::string& actual) {
    std::size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) {
        ++at;
    }
    const std::size_t from = at > 120 ? at - 120 : 0;
    return "first difference at byte " + std::to_string(at) + "\n--- expected from there:\n" +
           cp932ToUtf8(expected.substr(from, 240)) + "\n--- actual from there:\n" +
           cp932ToUtf8(actual.substr(from, 240));
}

class GoldenPages : public testing::TestWithParam<std::filesystem::path> {};

TEST_P(GoldenPages, MatchTheHandWrittenPagesByteForByte) {
    GoldenCase golden;
    std::string problem;
    ASSERT_TRUE(test::readGoldenCase(GetParam(), golden, problem)) << problem;

    TempDir dir;
    const std::string source = dir.file("src") + "/";
    const std::string output = dir.file("out") + "/";
    std::filesystem::create_directories(source);
    std::filesystem::create_directories(output);

    Settings settings = makeDefaultSettings(source);
    settings.ImagePath = source;
    settings.HTMLPath = output;
    settings.HTMLFile = "catalog";
    for (const auto& [key, value] : golden.settings) {
        const SettingDescriptor* descriptor = findSetting(key);
        ASSERT_NE(descriptor, nullptr) << "unknown setting " << key;
        assignSettingText(settings, *descriptor, replaceToken(value, "<src>", dir.file("src")));
    }
    if (!settings.SubFolder.empty()) {
        std::filesystem::create_directories(output + settings.SubFolder);
    }
    if (!settings.MIDIFile.empty()) {
        writeBytes(settings.MIDIFile, "MThd");
    }

    ImageList list;
    std::vector<ImageRow> rows;
    for (const auto& image : golden.images) {
        writeImageFile(source + image.name, image);
        if (const std::string segment = exifSegment(golden, image.name); !segment.empty()) {
            std::string bytes = test::readBytes(source + image.name);
            bytes.insert(2, segment);
            writeBytes(source + image.name, bytes);
        }
        rows.push_back({image.name, std::to_string(image.kilobytes) + " KB", image.date,
                        image.comment, image.checked});
    }
    list.appendRows(std::move(rows));

    YesPrompter prompter;
    test::RecordingProgressSink progress;
    CancelFlag cancel;
    ImagePass pass(imageTaskOf(settings), ImagePass::hardwareWorkers());
    std::vector<Status> failedWrites;
    PageRun run{settings, {}, progress, cancel, failedWrites};
    const int result = WriteSite(run, list, prompter, pass);
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(failedWrites.empty()) << failedWrites.front().path();
    // The bar ends full: the last progress a run reports has done equal to total.
    const auto last = std::find_if(progress.events.rbegin(), progress.events.rend(),
                                   [](const std::string& e) { return e.starts_with("progress "); });
    ASSERT_NE(last, progress.events.rend());
    const std::string fraction = last->substr(std::string("progress ").size());
    const std::size_t slash = fraction.find('/');
    EXPECT_EQ(fraction.substr(0, slash), fraction.substr(slash + 1)) << *last;

    std::set<std::string> expectedNames;
    for (const auto& entry : std::filesystem::directory_iterator(golden.expectedFolder)) {
        const std::string name = entry.path().filename().string();
        expectedNames.insert(name);
        const std::string expected = test::readBytes(entry.path());
        const std::string actual = test::readBytes(output + name);
        EXPECT_TRUE(expected == actual) << name << ": " << firstDifference(expected, actual);
    }
    for (const auto& entry : std::filesystem::directory_iterator(output)) {
        const std::string name = entry.path().filename().string();
        const std::string extension = entry.path().extension().string();
        if (entry.is_regular_file() &&
            (extension == ".html" || extension == ".htm" || extension == ".shtml")) {
            EXPECT_TRUE(expectedNames.contains(name)) << "page written but not expected: " << name;
        }
    }
}

std::string caseName(const testing::TestParamInfo<std::filesystem::path>& info) {
    std::string name = info.param.filename().string();
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenPages,
                         testing::ValuesIn(test::goldenCaseFolders(VISTREL_GOLDEN_DIR)), caseName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(GoldenPages);

} // namespace
} // namespace vistrel
