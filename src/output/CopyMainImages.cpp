// SPDX-License-Identifier: MIT
#include "output/CopyMainImages.h"

#include <string>
#include <string_view>
#include <vector>

#include "app/Settings.h"
#include "catalogue/ImageList.h"
#include "catalogue/OutputImageFolder.h"
#include "names/ImageKind.h"
#include "names/NameCase.h"
#include "output/BatchCopy.h"
#include "output/SelectionChecks.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/Prompter.h"
#include "text/ProgramTexts.h"

namespace vistrel {
namespace {

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
        prompter.message(texts::kImageFileErrorCaption, texts::kNoImagesText, PromptIcon::Stop);
        return 0;
    }
    uncheckNonImages(list);
    uncheckNameClashes(list, settings, prompter);
    // Each copy is made under its final name at once: a copy renamed afterwards would, on a
    // file system that tells letter case apart, land beside the copy of an earlier run instead
    // of asking to replace it.
    std::vector<FileCopy> copies;
    for (int row = 0; row < list.rowCount(); ++row) {
        const std::string& name = list.row(row).name;
        std::string source = settings.ImagePath + name;
        if (list.row(row).checked && FileExists(source)) {
            copies.push_back({std::move(source), applyImageCase(name, settings.ImageCase)});
        }
    }
    if (settings.UseImage != 0 && FileExists(settings.BGImagePath)) {
        copies.push_back({settings.BGImagePath, fileNamePart(settings.BGImagePath)});
    }
    return BatchCopy(copies, outputImageFolder(settings), texts::kCopyProgressTitle, prompter,
                     progress, cancel)
               ? 1
               : 0;
}

} // namespace vistrel
