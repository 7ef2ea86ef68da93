// SPDX-License-Identifier: MIT
#include "html/WriterStart.h"

#include "catalogue/ImageList.h"
#include "html/ConfirmOverwrite.h"
#include "html/PageFile.h"
#include "html/PageRun.h"
#include "output/CollectSelectedImages.h"
#include "output/OutputHousekeeping.h"
#include "platform/ProgressSink.h"
#include "platform/Prompter.h"

namespace vistrel {
namespace {

constexpr std::string_view kErrorCaption = "エラー";
constexpr std::string_view kNothingSelected =
    "画像ファイルが１つも選択されていません。処理を中止します。";

} // namespace

bool startPageWriter(PageRun& run, const std::string& mainPage, std::string_view progressText,
                     std::vector<ImageEntry>& entries) {
    if (run.list.FirstCheckedRow(run.list.rowCount()) < 0) {
        run.prompter.message(kErrorCaption, kNothingSelected, PromptIcon::Stop);
        return false;
    }
    if (ConfirmOverwrite(mainPage, run.settings, run.prompter) == 0) {
        return false;
    }
    run.progress.open(progressText);
    ClearOldPages(run.settings);
    const int collected = CollectSelectedImages(run.list, run.settings, run.prompter, run.progress,
                                                run.cancel, entries, run.pass);
    for (const ImageEntry& entry : entries) {
        if (!entry.thumbFailure.empty()) {
            run.failedWrites.push_back(Status::failure(entry.thumbPath, entry.thumbFailure));
        }
    }
    if (collected == 0) {
        run.progress.close();
        return false;
    }
    return true;
}

void finishPage(PageRun& run, PageFile& page) {
    if (Status written = page.finish(); !written) {
        run.failedWrites.push_back(std::move(written));
    }
}

} // namespace vistrel
