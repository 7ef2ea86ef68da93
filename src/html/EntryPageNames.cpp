// SPDX-License-Identifier: MIT
#include "html/EntryPageNames.h"

#include <string>

#include "app/PageExtension.h"
#include "app/PageFileNames.h"
#include "app/Settings.h"

namespace vistrel {

PageNames pageNamesOf(const std::vector<ImageEntry>& entries, const Settings& settings) {
    std::vector<std::string> names;
    names.reserve(entries.size());
    for (const ImageEntry& entry : entries) {
        names.push_back(entry.fileName);
    }
    return PageNames(names, pageExtension(settings.HTMLExt), settings.HTMLPath,
                     ownPageNames(settings));
}

} // namespace vistrel
