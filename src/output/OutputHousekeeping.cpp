// SPDX-License-Identifier: MIT
#include "output/OutputHousekeeping.h"

#include <string>
#include <string_view>
#include <vector>

#include "app/PageExtension.h"
#include "app/Settings.h"
#include "catalogue/OutputImageFolder.h"
#include "names/ImageKind.h"
#include "output/BatchCopy.h"
#include "output/BlockingCalls.h"
#include "platform/FileSystem.h"
#include "platform/FolderIdentity.h"
#include "platform/PathText.h"
#include "platform/ProgressSink.h"
#include "platform/Prompter.h"
#include "platform/RemovableEntries.h"
#include "text/AsciiCase.h"
#include "text/ProgramTexts.h"

namespace vistrel {
namespace {

constexpr std::int32_t kDelete = 0;
constexpr std::int32_t kToTrash = 1;
constexpr std::int32_t kLeave = 2;

// Removes the files as treatment says; the run goes on whatever happens to each of them. On
// some disks each removal waits milliseconds, so a site of a thousand images takes seconds:
// progress is pumped before each file and while one removal waits.
void removeAll(const std::string& folder, const std::vector<std::string>& names,
               std::int32_t treatment, ProgressSink& progress) {
    if (treatment == kLeave || names.empty()) {
        return;
    }
    BlockingCalls calls(progress);
    for (const auto& name : names) {
        progress.pump();
        const std::string path = folder + name;
        calls.run([&path, treatment] {
            static_cast<void>(treatment == kToTrash ? trashFile(path) : deleteFile(path));
        });
    }
}

bool endsWithIgnoringAsciiCase(std::string_view name, std::string_view suffix) {
    return name.size() >= suffix.size() &&
           toAsciiLower(name.substr(name.size() - suffix.size())) == toAsciiLower(suffix);
}

// A thumbnail of any run ends in the suffix, in lower or upper case as given, followed by a
// thumbnail extension: "beach_thumb.jpg", "photo1_THUMB.PNG". A name that merely holds the
// suffix elsewhere ("paris_sunset.jpg" with "_s") is a photograph and stays.
bool isThumbnailName(std::string_view name, const std::string& lower, const std::string& upper) {
    const std::size_t dot = name.rfind('.');
    if (lower.empty() || dot == std::string_view::npos) {
        return false;
    }
    const std::string extension = toAsciiLower(name.substr(dot + 1));
    if (extension != "png" && extension != "jpg" && extension != "jpeg" && extension != "gif") {
        return false;
    }
    const std::string_view stem = name.substr(0, dot);
    const auto endsWith = [stem](const std::string& suffix) {
        return stem.size() >= suffix.size() && stem.substr(stem.size() - suffix.size()) == suffix;
    };
    return endsWith(lower) || endsWith(upper);
}

} // namespace

int ClearOldPages(const Settings& settings, ProgressSink& progress) {
    if (settings.AllowUndo == kLeave) {
        return 1;
    }
    std::string suffix(1, '.');
    suffix += pageExtension(settings.HTMLExt);
    const std::string folder = withFinalSlash(settings.HTMLPath);
    std::vector<std::string> pages;
    for (auto& name : listRemovableEntries(folder)) {
        if (endsWithIgnoringAsciiCase(name, suffix)) {
            pages.push_back(std::move(name));
        }
    }
    removeAll(folder, pages, settings.AllowUndo, progress);
    return 1;
}

void ClearOldImages(const Settings& settings, ProgressSink& progress) {
    const std::string folder = withFinalSlash(outputImageFolder(settings));
    const std::string lower = toAsciiLower(settings.AddString);
    const std::string upper = toAsciiUpper(settings.AddString);
    std::vector<std::string> thumbnails;
    std::vector<std::string> mainImages;
    for (auto& name : listRemovableEntries(folder)) {
        if (isThumbnailName(name, lower, upper)) {
            thumbnails.push_back(std::move(name));
        } else if (ClassifyImageName(name) != ImageKind::None) {
            mainImages.push_back(std::move(name));
        }
    }
    if (sameFolder(settings.ImagePath, folder)) {
        removeAll(folder, thumbnails, kDelete, progress);
        return;
    }
    removeAll(folder, mainImages, settings.MainImage, progress);
    removeAll(folder, thumbnails, settings.ThumbImage, progress);
}

int CopyMusicFile(Settings& settings, Prompter& prompter, ProgressSink& progress,
                  CancelFlag& cancel) {
    if (settings.PlayMusic == 1) {
        std::string_view question;
        if (settings.MIDIFile.empty()) {
            question = texts::kNoMusicFileQuestion;
        } else if (!FileExists(settings.MIDIFile)) {
            question = texts::kMusicFileMissingQuestion;
        }
        if (!question.empty()) {
            if (!prompter.ask(texts::kMusicFileErrorCaption, question, PromptIcon::Warning)) {
                return 0;
            }
            settings.PlayMusic = 0;
            return 1;
        }
    }
    std::vector<std::string> sources;
    if (settings.Mode == 1 && settings.PlayMusic == 1) {
        sources.push_back(settings.MIDIFile);
    }
    return BatchCopy(underOwnNames(sources), settings.HTMLPath + settings.SubFolder,
                     texts::kCopyProgressTitle, prompter, progress, cancel)
               ? 1
               : 0;
}

} // namespace vistrel
