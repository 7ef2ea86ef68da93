// SPDX-License-Identifier: MIT
#include "run/WriteSite.h"

#include <string>
#include <string_view>
#include <vector>

#include "app/PageFileNames.h"
#include "app/Settings.h"
#include "catalogue/ImageEntry.h"
#include "catalogue/ImageList.h"
#include "html/ConfirmOverwrite.h"
#include "html/FramedIndex.h"
#include "html/IndexPage.h"
#include "html/PageRun.h"
#include "html/SlideShow.h"
#include "output/CollectSelectedImages.h"
#include "output/OutputHousekeeping.h"
#include "platform/ProgressSink.h"
#include "platform/Prompter.h"
#include "platform/Status.h"
#include "text/ProgramTexts.h"

namespace vistrel {
namespace {

// Keeps the progress display open for as long as it lives.
class ShownProgress {
public:
    ShownProgress(ProgressSink& progress, ProgressKind kind, std::string_view text)
        : m_progress(progress) {
        m_progress.open(kind, text);
    }
    ~ShownProgress() { m_progress.close(); }
    ShownProgress(const ShownProgress&) = delete;
    ShownProgress& operator=(const ShownProgress&) = delete;

private:
    ProgressSink& m_progress;
};

void noteFailedThumbnails(const std::vector<ImageEntry>& entries,
                          std::vector<Status>& failedWrites) {
    for (const ImageEntry& entry : entries) {
        if (!entry.thumbFailure.empty()) {
            failedWrites.push_back(Status::failure(entry.thumbPath, entry.thumbFailure));
        }
    }
}

int writePagesOfMode(PageRun& run, const std::vector<ImageEntry>& entries) {
    const Settings& s = run.settings;
    if (s.Mode == 0) {
        return s.Frame == 1 ? WriteFramedIndex(run, entries) : WriteIndexPage(run, entries);
    }
    return WriteSlideShowPage(run, entries);
}

} // namespace

int WriteSite(PageRun& run, ImageList& list, Prompter& prompter, ImagePass& pass) {
    const Settings& s = run.settings;
    const int firstChecked = list.FirstCheckedRow(list.rowCount());
    if (firstChecked < 0) {
        prompter.message(texts::kErrorCaption, texts::kNothingSelected, PromptIcon::Stop);
        return 0;
    }
    if (ConfirmOverwrite(s.HTMLPath + indexPageName(s), s, prompter) == 0) {
        return 0;
    }
    run.firstChecked = list.row(firstChecked).name;
    const ShownProgress shown(
        run.progress, s.Mode == 0 ? ProgressKind::Thumbnails : ProgressKind::SlideShow,
        s.Mode == 0 ? texts::kThumbnailProgressText : texts::kSlideShowProgressText);
    ClearOldPages(s, run.progress);
    std::vector<ImageEntry> entries;
    const int collected =
        CollectSelectedImages(list, s, prompter, run.progress, run.cancel, entries, pass);
    noteFailedThumbnails(entries, run.failedWrites);
    if (collected == 0) {
        return 0;
    }
    return writePagesOfMode(run, entries);
}

} // namespace vistrel
