// SPDX-License-Identifier: MIT
#include "run/RunCreate.h"

#include <string>
#include <string_view>
#include <vector>

#include "app/RunInProgress.h"
#include "app/Settings.h"
#include "app/SettingsChanges.h"
#include "catalogue/CurrentImage.h"
#include "catalogue/ImageListPanel.h"
#include "catalogue/OutputImageFolder.h"
#include "html/PageRun.h"
#include "output/CopyMainImages.h"
#include "output/ImagePass.h"
#include "output/ImageTask.h"
#include "output/OutputHousekeeping.h"
#include "output/SelectedEntries.h"
#include "output/SelectionChecks.h"
#include "platform/CancelFlag.h"
#include "platform/FileSystem.h"
#include "platform/FolderIdentity.h"
#include "platform/OutputLock.h"
#include "platform/PathText.h"
#include "platform/Prompter.h"
#include "platform/Status.h"
#include "run/OutputLocation.h"
#include "run/RunContext.h"
#include "run/ViewResult.h"
#include "run/WriteSite.h"
#include "text/ProgramTexts.h"

namespace vistrel {
namespace {

constexpr std::string_view kImagePathKey = "ImagePath";
constexpr std::string_view kHtmlPathKey = "HTMLPath";
constexpr std::string_view kPlayMusicKey = "PlayMusic";

bool isSingleFolderName(const std::string& name) {
    return name.find('/') == std::string::npos && name != "." && name != "..";
}

// The folder settings are complete and every name stays inside the output folder; otherwise
// the user has been told why nothing is written.
bool namesAreUsable(const Settings& s, Prompter& prompter) {
    std::string_view problem;
    if (s.ImagePath.empty()) {
        problem = texts::kNoImageFolder;
    } else if (s.HTMLPath.empty()) {
        problem = texts::kNoOutputFolder;
    } else if (!s.SubFolder.empty() && !isSingleFolderName(s.SubFolder)) {
        problem = texts::kBadSubFolder;
    } else if (s.HTMLFile.find('/') != std::string::npos) {
        problem = texts::kBadPageName;
    } else if (s.Mode == 0 && s.Frame == 1 && s.LeftFile.find('/') != std::string::npos) {
        problem = texts::kBadMenuName;
    }
    if (problem.empty()) {
        return true;
    }
    prompter.message(texts::kErrorCaption, problem, PromptIcon::Stop);
    return false;
}

// The copy puts the music file into the image output folder, so that is where a copy of an
// earlier run would be.
bool musicAlreadyThere(const Settings& s, const std::string& imageFolder) {
    const std::string name = fileNamePart(s.MIDIFile);
    return !name.empty() && FileExists(imageFolder + name);
}

// Both folder settings end in "/" from here on; the folder box and the settings pages are told.
void completeFolders(RunContext& context) {
    Settings& s = context.settings;
    if (!s.ImagePath.empty() && s.ImagePath.back() != '/') {
        context.panel.completeFolderText(withFinalSlash(s.ImagePath));
        context.settingsChanges.changed(kImagePathKey);
    }
    if (!s.HTMLPath.empty() && s.HTMLPath.back() != '/') {
        s.HTMLPath = withFinalSlash(s.HTMLPath);
        context.settingsChanges.changed(kHtmlPathKey);
    }
}

// Copies the music file; the music question may turn PlayMusic off, which the music page must
// then show.
int copyMusic(RunContext& context) {
    Settings& s = context.settings;
    const int copied = CopyMusicFile(s, context.prompter, context.progress, context.cancel);
    if (s.PlayMusic == 0) {
        context.settingsChanges.changed(kPlayMusicKey);
    }
    return copied;
}

// Every file the run could not write, in one message, so that a full disk or a folder in a
// page's place never passes for a finished site.
void reportFailedWrites(const std::vector<Status>& failedWrites, Prompter& prompter) {
    std::string text(texts::kNotWritten);
    for (const Status& failure : failedWrites) {
        text.append("\n").append(failure.path()).append(": ").append(failure.cause());
    }
    prompter.message(texts::kErrorCaption, text, PromptIcon::Stop);
}

} // namespace

int RunCreate(RunContext& context) {
    const RunInProgress::Scope running(context.panel.runInProgress());
    if (!running.held()) {
        return 0;
    }
    // A Cancel the last run did not take (pressed after its last look at the flag) belongs to
    // work that is over; it must not stop this run before it starts.
    context.cancel.testAndClear();
    Settings& s = context.settings;
    completeFolders(context);
    if (!namesAreUsable(s, context.prompter)) {
        return 0;
    }
    const LocationStatus status = CheckOutputLocation(s.HTMLPath, s.SubFolder);
    if (status != LocationStatus::Ready &&
        ResolveOutputLocation(status, s, context.prompter) == 0) {
        return 0;
    }
    const std::string imageFolder = outputImageFolder(s);
    const OutputLock lock({s.HTMLPath, imageFolder});
    if (!lock.heldAlone()) {
        context.prompter.message(texts::kErrorCaption, texts::kFolderInUse, PromptIcon::Stop);
        return 0;
    }
    ClearOldImages(s, context.progress);
    const bool copying = !sameFolder(s.ImagePath, imageFolder);
    if (!uncheckFilesThatAreNotImages(context.panel.list(), s, context.prompter, context.progress,
                                      context.cancel)) {
        return 0;
    }
    ImagePass pass(imageTaskOf(s), ImagePass::hardwareWorkers());
    if (copying && s.Mode == 0) {
        // Copying waits mostly on the disk: the thumbnails are made meanwhile.
        pass.start(entriesAfterCopy(context.panel.list(), s), context.cancel);
    }
    if (copying && CopyMainImages(context.panel.list(), s, context.prompter, context.progress,
                                  context.cancel) == 0) {
        return 0;
    }
    if (s.Mode == 1 && s.PlayMusic == 1 && !musicAlreadyThere(s, imageFolder) &&
        copyMusic(context) == 0) {
        return 0;
    }
    std::vector<Status> failedWrites;
    PageRun pages{s, {}, context.progress, context.cancel, failedWrites};
    const int written = WriteSite(pages, context.panel.list(), context.prompter, pass);
    if (!failedWrites.empty()) {
        reportFailedWrites(failedWrites, context.prompter);
    }
    if (written == 0 || !failedWrites.empty()) {
        context.currentImage.release();
        return 0;
    }
    if (context.prompter.askToViewResult(texts::kCompletionCaption, texts::kDoneQuestion,
                                         PromptIcon::Information)) {
        ViewResult(s, context.prompter, context.opener);
    }
    return 1;
}

} // namespace vistrel
