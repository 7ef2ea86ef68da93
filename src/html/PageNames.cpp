// SPDX-License-Identifier: MIT
#include "html/PageNames.h"

#include <unordered_set>

#include "app/PageExtension.h"
#include "app/Settings.h"

namespace vistrel {

std::string indexPageName(const Settings& settings) {
    return settings.HTMLFile + "." + std::string(pageExtension(settings.HTMLExt));
}

std::string menuPageName(const Settings& settings) {
    return settings.LeftFile + "." + std::string(pageExtension(settings.HTMLExt));
}

PageNames::PageNames(const std::vector<ImageEntry>& entries, const Settings& settings)
    : m_folder(settings.HTMLPath) {
    const std::string extension(pageExtension(settings.HTMLExt));
    std::unordered_set<std::string> reserved = {indexPageName(settings)};
    if (settings.Frame != 0) {
        reserved.insert(menuPageName(settings));
    }
    std::unordered_set<std::string> seenBases;
    m_names.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& name = entries[i].fileName;
        const auto dot = name.rfind('.');
        const std::string base = dot == std::string::npos ? std::string() : name.substr(0, dot + 1);
        const std::string stem = dot == std::string::npos ? std::string() : name.substr(0, dot);
        std::string page = base + extension;
        if (!seenBases.insert(base).second || reserved.contains(page)) {
            page = stem + std::to_string(i) + "." + extension;
        }
        m_names.push_back(std::move(page));
    }
}

std::string PageNames::PageFileName(std::size_t i, bool withFolder) const {
    return withFolder ? m_folder + m_names[i] : m_names[i];
}

} // namespace vistrel
