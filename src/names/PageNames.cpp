// SPDX-License-Identifier: MIT
#include "names/PageNames.h"

namespace vistrel {

PageNames::PageNames(const std::vector<std::string>& imageNames, std::string_view extension,
                     std::string folder, const std::unordered_set<std::string>& taken)
    : m_folder(std::move(folder)) {
    std::unordered_set<std::string> seenBases;
    m_names.reserve(imageNames.size());
    for (std::size_t i = 0; i < imageNames.size(); ++i) {
        const std::string& name = imageNames[i];
        const auto dot = name.rfind('.');
        const std::string base = dot == std::string::npos ? std::string() : name.substr(0, dot + 1);
        const std::string stem = dot == std::string::npos ? std::string() : name.substr(0, dot);
        std::string page = base + std::string(extension);
        if (!seenBases.insert(base).second || taken.contains(page)) {
            page = stem + std::to_string(i) + "." + std::string(extension);
        }
        m_names.push_back(std::move(page));
    }
}

std::string PageNames::PageFileName(std::size_t i, bool withFolder) const {
    return withFolder ? m_folder + m_names[i] : m_names[i];
}

} // namespace vistrel
