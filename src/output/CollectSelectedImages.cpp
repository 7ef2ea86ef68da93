// SPDX-License-Identifier: MIT
#include "output/CollectSelectedImages.h"

#include "app/Settings.h"
#include "catalogue/ImageList.h"
#include "output/ImageTask.h"
#include "output/SelectedEntries.h"
#include "platform/CancelFlag.h"
#include "platform/ProgressSink.h"

namespace vistrel {

int CollectSelectedImages(const ImageList& list, const Settings& settings, Prompter& prompter,
                          ProgressSink& progress, CancelFlag& cancel,
                          std::vector<ImageEntry>& entries, ImagePass& pass) {
    entries.clear();
    EntryBuilder builder(settings, list);
    for (int index = 0; index < list.rowCount(); ++index) {
        if (cancel.testAndClear()) {
            return 0;
        }
        progress.pump();
        builder.add(index, list.row(index), entries);
    }
    if (!pass.run(entries, prompter, progress, cancel) && settings.Mode != 0) {
        // With thumbnails the index writer stops at its next look at the flag, keeping the
        // index begun so far; a slideshow writer has no later look, so the collection stops.
        cancel.testAndClear();
        return 0;
    }
    return 1;
}

} // namespace vistrel
