// SPDX-License-Identifier: MIT
#include "html/WriterStart.h"

#include "catalogue/CollectSelectedImages.h"
#include "catalogue/ImageList.h"
#include "html/ConfirmOverwrite.h"
#include "html/PageRun.h"
#include "imaging/OutputHousekeeping.h"
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
    if (CollectSelectedImages(run.list, run.settings, run.prompter, run.progress, run.cancel,
                              entries, run.pass) == 0) {
        run.progress.close();
        return false;
    }
    return true;
}

} // namespace vistrel
