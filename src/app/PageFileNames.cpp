// SPDX-License-Identifier: MIT
#include "app/PageFileNames.h"

#include "app/PageExtension.h"
#include "app/Settings.h"

namespace vistrel {

std::string indexPageName(const Settings& settings) {
    return settings.HTMLFile + "." + std::string(pageExtension(settings.HTMLExt));
}

std::string menuPageName(const Settings& settings) {
    return settings.LeftFile + "." + std::string(pageExtension(settings.HTMLExt));
}

std::unordered_set<std::string> ownPageNames(const Settings& settings) {
    std::unordered_set<std::string> names = {indexPageName(settings)};
    if (settings.Frame != 0) {
        names.insert(menuPageName(settings));
    }
    return names;
}

} // namespace vistrel
