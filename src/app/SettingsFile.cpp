// SPDX-License-Identifier: MIT
#include "app/SettingsFile.h"

#include <algorithm>
#include <vector>

#include "app/SettingsTable.h"
#include "platform/FileContent.h"

namespace vistrel {
namespace {

constexpr std::string_view kBlack = "#000000";

std::vector<const SettingDescriptor*> inLoadOrder() {
    std::vector<const SettingDescriptor*> order;
    for (const auto& descriptor : settingsInSaveOrder()) {
        order.push_back(&descriptor);
    }
    std::ranges::sort(order, {}, &SettingDescriptor::loadPosition);
    return order;
}

} // namespace

IniDocument readIniFile(const std::string& path) {
    const auto bytes = readWholeFile(path);
    if (!bytes) {
        return {};
    }
    return IniDocument::fromFileBytes(*bytes);
}

Status writeIniFile(const std::string& path, const IniDocument& document) {
    return writeFileAtomically(path, document.fileBytes());
}

Settings loadSettings(const IniDocument& document, const std::string& programFolder) {
    Settings settings = makeDefaultSettings(programFolder);
    for (const auto* descriptor : inLoadOrder()) {
        if (const auto text = document.value(descriptor->section, descriptor->key)) {
            assignSettingText(settings, *descriptor, *text);
        }
    }
    if (settings.SetCommentCol == 0) {
        settings.CommentColor = kBlack;
    }
    return settings;
}

void storeSettings(const Settings& settings, IniDocument& document) {
    for (const auto& descriptor : settingsInSaveOrder()) {
        document.setValue(descriptor.section, descriptor.key, settingText(settings, descriptor));
    }
}

Settings loadSettingsFile(const std::string& path, const std::string& programFolder) {
    return loadSettings(readIniFile(path), programFolder);
}

Status saveSettingsFile(const std::string& path, const Settings& settings) {
    IniDocument document = readIniFile(path);
    storeSettings(settings, document);
    return writeIniFile(path, document);
}

} // namespace vistrel
