// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "app/Settings.h"

namespace vistrel {

// Defaults that name the program folder rather than a fixed text.
enum class FolderDefault {
    None,
    ProgramFolder,     // the program folder, ending in "/"
    ProgramFolderHtml, // the program folder followed by "html/"
};

using SettingMember =
    std::variant<std::int32_t Settings::*, std::uint16_t Settings::*, std::string Settings::*>;

// One stored setting: where it lives in the INI file, its member and its default.
struct SettingDescriptor {
    std::string_view section;
    std::string_view key;
    SettingMember member;
    std::int32_t defaultNumber = 0; // integer keys
    std::string_view defaultText;   // string keys
    FolderDefault folderDefault = FolderDefault::None;
    int loadPosition = 0; // position in the load order, 0 to 79

    bool isString() const { return std::holds_alternative<std::string Settings::*>(member); }
};

// The INI sections in file order.
std::span<const std::string_view> settingSections();

// Every stored setting, in the save order (which also orders the keys of a new INI file).
std::span<const SettingDescriptor> settingsInSaveOrder();

// The descriptor of a key, matched exactly as spelled in the INI key list; null when unknown.
const SettingDescriptor* findSetting(std::string_view key);

// The record of a first start: every default, the two folders from programFolder (which ends
// in "/").
Settings makeDefaultSettings(const std::string& programFolder);

// The value of a setting as the INI file holds it: decimal text for integers (ExifInfo as an
// unsigned 16-bit number), the text itself for strings.
std::string settingText(const Settings& settings, const SettingDescriptor& descriptor);

// Stores text into a setting as load does: strings as they are, integers as an optional sign
// and leading decimal digits (none reads as 0; ExifInfo keeps the low 16 bits).
void assignSettingText(Settings& settings, const SettingDescriptor& descriptor,
                       std::string_view text);

// Whether text is a whole decimal integer (optional sign, at least one digit, nothing else).
bool isDecimalInteger(std::string_view text);

// The INI integer reading: optional sign, then leading decimal digits; no digits reads as 0.
// Digits beyond 32 bits wrap, as the 32-bit conversion does.
std::int32_t parseProfileInteger(std::string_view text);

} // namespace vistrel
