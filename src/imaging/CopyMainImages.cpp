// SPDX-License-Identifier: MIT
#include "imaging/CopyMainImages.h"

#include <string>
#include <string_view>
#include <vector>

#include "app/Settings.h"
#include "catalogue/ImageKind.h"
#include "catalogue/ImageList.h"
#include "catalogue/NameCase.h"
#include "catalogue/OutputImageFolder.h"
#include "platform/BatchCopy.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"
#include "platform/RenameFile.h"

namespace vistrel {
namespace {

constexpr std::string_view kNoImagesCaption = "画像ファイルエラー";
constexpr std::string_view kNoImagesText = "画像ファイルが有りません。処理を中止します。";
constexpr std::string_view kCopyTitle = "ファイルをコピーしています。";

void uncheckNonImages(ImageList& list) {
    for (int row = 0; row < list.rowCount(); ++row) {
        if (ClassifyImageName(list.row(row).name) == ImageKind::None) {
            list.setChecked(row, false);
        }
    }
}

} // namespace

int CopyMainImages(ImageList& list, const Settings& settings, Prompter& prompter,
                   ProgressSink& progress, CancelFlag& cancel) {
    if (list.rowCount() == 0) {
        prompter.message(kNoImagesCaption, kNoImagesText, PromptIcon::Stop);
        return 0;
    }
    const std::string folder = outputImageFolder(settings);
    uncheckNonImages(list);
    std::vector<std::string> sources;
    for (int row = 0; row < list.rowCount(); ++row) {
        const std::string source = settings.ImagePath + list.row(row).name;
        if (list.row(row).checked && FileExists(source)) {
            sources.push_back(source);
        }
    }
    if (settings.UseImage != 0 && FileExists(settings.BGImagePath)) {
        sources.push_back(settings.BGImagePath);
    }
    if (!BatchCopy(sources, folder, kCopyTitle, prompter, progress, cancel)) {
        return 0;
    }

    uncheckNonImages(list);
    bool lastRenamed = false;
    for (int row = 0; row < list.rowCount(); ++row) {
        const std::string& name = list.row(row).name;
        if (list.row(row).checked && FileExists(settings.ImagePath + name)) {
            lastRenamed = static_cast<bool>(
                renameFile(folder + name, folder + applyImageCase(name, settings.ImageCase)));
        }
    }
    return lastRenamed ? 1 : 0;
}

} // namespace vistrel
