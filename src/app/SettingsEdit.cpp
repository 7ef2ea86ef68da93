// SPDX-License-Identifier: MIT
#include "app/SettingsEdit.h"

#include "app/RunInProgress.h"
#include "app/SettingsChanges.h"
#include "app/SettingsTable.h"

namespace vistrel {

bool editSetting(Settings& settings, std::string_view key, std::string_view text,
                 const RunInProgress& run, const SettingsChanges& changes) {
    const SettingDescriptor* descriptor = findSetting(key);
    if (run.active() || descriptor == nullptr) {
        return false;
    }
    assignSettingText(settings, *descriptor, text);
    changes.changed(descriptor->key);
    return true;
}

} // namespace vistrel
