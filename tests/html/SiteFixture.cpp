// SPDX-License-Identifier: MIT
#include "html/SiteFixture.h"

#include <gtest/gtest.h>

#include "app/PageFileNames.h"
#include "app/Settings.h"
#include "app/SettingsTable.h"
#include "catalogue/ImageList.h"
#include "catalogue/OutputImageFolder.h"
#include "html/PageRun.h"
#include "imaging/ImageLibrary.h"
#include "names/ImageKind.h"
#include "output/CopyMainImages.h"
#include "output/ImagePass.h"
#include "output/ImageTask.h"
#include "platform/CancelFlag.h"
#include "platform/ProgressSink.h"
#include "platform/Status.h"
#include "run/WriteSite.h"
#include "support/ScriptedPrompter.h"

namespace vistrel::test {
namespace {

// A picture with diagonal colour bands, so that every picture and its thumbnail is a real
// image a browser decodes.
void writePicture(const std::filesystem::path& file, const SiteImage& picture) {
    auto image = Image::create(picture.width, picture.height);
    ASSERT_NE(image, nullptr) << picture.name;
    for (int y = 0; y < picture.height; ++y) {
        auto pixel = image->row(y).begin();
        for (int x = 0; x < picture.width; ++x) {
            *pixel++ = static_cast<std::uint8_t>((x + y) * 3);
            *pixel++ = static_cast<std::uint8_t>(x * 5);
            *pixel++ = static_cast<std::uint8_t>(255 - y * 2);
        }
    }
    const std::string path = file.string();
    bool saved = false;
    switch (ClassifyImageName(picture.name)) {
    case ImageKind::Png:
        saved = SavePngImage(path, *image);
        break;
    case ImageKind::Gif:
        saved = SaveGifImage(path, *image);
        break;
    default:
        saved = SaveJpegImage(path, *image, 90);
    }
    ASSERT_TRUE(saved) << path;
}

} // namespace

void generateSite(const SiteRecipe& recipe, const std::filesystem::path& folder,
                  GeneratedSite& site) {
    const std::filesystem::path source = folder.parent_path() / "sources" / folder.filename();
    site.folder = folder;
    std::filesystem::create_directories(source);
    std::filesystem::create_directories(site.folder);

    Settings settings = makeDefaultSettings(source.string() + "/");
    settings.ImagePath = source.string() + "/";
    settings.HTMLPath = site.folder.string() + "/";
    settings.HTMLFile = "catalog";
    settings.HPURL.clear();
    if (!recipe.background.name.empty()) {
        ASSERT_NO_FATAL_FAILURE(writePicture(source / recipe.background.name, recipe.background));
        settings.UseImage = 1;
        settings.BGImagePath = (source / recipe.background.name).string();
        settings.BGImageName = recipe.background.name;
    }
    for (const auto& [key, value] : recipe.settings) {
        const SettingDescriptor* descriptor = findSetting(key);
        ASSERT_NE(descriptor, nullptr) << "unknown setting " << key;
        assignSettingText(settings, *descriptor, value);
    }
    std::filesystem::create_directories(outputImageFolder(settings));

    ImageList list;
    std::vector<ImageRow> rows;
    for (const SiteImage& picture : recipe.pictures) {
        ASSERT_NO_FATAL_FAILURE(writePicture(source / picture.name, picture));
        const auto kilobytes = (std::filesystem::file_size(source / picture.name) + 1023) / 1024;
        rows.push_back({picture.name, std::to_string(kilobytes) + " KB", "2024/05/06 07:08:09",
                        picture.comment, true});
    }
    list.appendRows(std::move(rows));

    ScriptedPrompter prompter;
    NullProgressSink progress;
    CancelFlag cancel;
    ASSERT_EQ(CopyMainImages(list, settings, prompter, progress, cancel), 1);

    ImagePass pass(imageTaskOf(settings), ImagePass::hardwareWorkers());
    std::vector<Status> failedWrites;
    PageRun run{settings, {}, progress, cancel, failedWrites};
    const int result = WriteSite(run, list, prompter, pass);
    ASSERT_EQ(result, 1);
    EXPECT_TRUE(failedWrites.empty()) << failedWrites.front().path();
    EXPECT_TRUE(prompter.calls.empty()) << "the run showed a message or asked a question";
    site.page = indexPageName(settings);
    ASSERT_TRUE(std::filesystem::is_regular_file(site.folder / site.page)) << site.page;
}

} // namespace vistrel::test
