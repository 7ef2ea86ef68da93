// SPDX-License-Identifier: MIT
#include "catalogue/CollectSelectedImages.h"

#include "app/Settings.h"
#include "catalogue/ImageList.h"
#include "catalogue/ImagePass.h"
#include "catalogue/NameCase.h"
#include "catalogue/ThumbnailNamer.h"
#include "platform/CancelFlag.h"
#include "platform/FileSystem.h"
#include "platform/ProgressSink.h"

namespace vistrel {
namespace {

constexpr std::int32_t kThumbnailKindStep = 2;

} // namespace

int CollectSelectedImages(const ImageList& list, const Settings& settings, Prompter& prompter,
                          ProgressSink& progress, CancelFlag& cancel,
                          std::vector<ImageEntry>& entries, unsigned workers) {
    entries.clear();
    ThumbnailNamer namer(settings);
    const std::int32_t thumbnailKind = kThumbnailKindStep * settings.ThumbType;
    for (int index = 0; index < list.rowCount(); ++index) {
        if (cancel.testAndClear()) {
            return 0;
        }
        progress.pump();
        const ImageRow& row = list.row(index);
        const std::string sourcePath = settings.ImagePath + row.name;
        // The rows date from the last scan; a file deleted since then has nothing left to
        // publish, and the run goes on without it rather than stopping at a message.
        if (!row.checked || !FileExists(sourcePath)) {
            continue;
        }
        ImageEntry& entry = entries.emplace_back();
        entry.rowIndex = index;
        entry.fileName = applyImageCase(row.name, settings.ImageCase);
        entry.sizeText = row.sizeText;
        entry.dateText = row.dateText;
        entry.sourcePath = sourcePath;
        ThumbnailName thumbnail =
            namer.MakeThumbnailName(static_cast<std::int32_t>(entries.size() - 1), entry.fileName,
                                    thumbnailKind, settings.AddString);
        entry.thumbPath = std::move(thumbnail.path);
        entry.thumbFileName = std::move(thumbnail.fileName);
    }
    const ShrinkOnLoadTask task = ShrinkOnLoadTask::from(settings);
    if (!ImagePass(task, workers).run(entries, prompter, progress, cancel) && !task.thumbnails) {
        // With thumbnails the index writer stops at its next look at the flag, keeping the
        // index begun so far; a slideshow writer has no later look, so the collection stops.
        cancel.testAndClear();
        return 0;
    }
    return 1;
}

} // namespace vistrel
