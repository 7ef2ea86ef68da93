// SPDX-License-Identifier: MIT
#include "cli/SettingOverrides.h"

#include <cstdint>
#include <limits>

#include "app/RunInProgress.h"
#include "app/SettingsChanges.h"
#include "app/SettingsEdit.h"
#include "app/SettingsTable.h"
#include "text/DecimalText.h"

namespace vistrel::cli {
namespace {

struct Assignment {
    std::string key;
    std::string value;
};

Assignment split(const std::string& assignment) {
    const auto equals = assignment.find('=');
    if (equals == std::string::npos) {
        return {assignment, {}};
    }
    return {assignment.substr(0, equals), assignment.substr(equals + 1)};
}

bool inRange(const SettingDescriptor& descriptor, const std::string& text) {
    const DecimalScan number = scanDecimal(text, false);
    if (!readsWhole(number, text)) {
        return false;
    }
    if (std::holds_alternative<std::uint16_t Settings::*>(descriptor.member)) {
        return number.value == 0 ||
               (!number.negative && number.value <= std::numeric_limits<std::uint16_t>::max());
    }
    const std::uint64_t limit =
        number.negative ? std::uint64_t{1} << 31U : std::numeric_limits<std::int32_t>::max();
    return number.value <= limit;
}

} // namespace

std::string SettingOverrides::validate() const {
    for (const auto& text : m_assignments) {
        const auto [key, value] = split(text);
        if (text.find('=') == std::string::npos) {
            return "--set needs KEY=VALUE: " + text;
        }
        const SettingDescriptor* descriptor = findSetting(key);
        if (descriptor == nullptr) {
            return "unknown setting: " + key;
        }
        if (value.find_first_of("\r\n") != std::string::npos) {
            return "a setting cannot hold a line break: " + key;
        }
        if (!descriptor->isString() && (!isDecimalInteger(value) || !inRange(*descriptor, value))) {
            return "setting " + key + " needs a whole number in its range, not \"" + value + "\"";
        }
    }
    return {};
}

void SettingOverrides::apply(Settings& settings) const {
    // Before any run and with no view to tell.
    const RunInProgress noRun;
    const SettingsChanges unwatched;
    for (const auto& text : m_assignments) {
        const auto [key, value] = split(text);
        editSetting(settings, key, value, noRun, unwatched);
    }
}

} // namespace vistrel::cli
