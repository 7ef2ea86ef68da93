// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace vistrel {

class RunInProgress;
class SettingsChanges;
struct Settings;

// The one way a front end changes a stored setting (a settings page's control, an option of
// the command line): the setting named key takes text as the settings file would give it, and
// the views are told. Refused, with nothing changed, while a create run is under way or for a
// key that is no stored setting. True when the setting took the text.
bool editSetting(Settings& settings, std::string_view key, std::string_view text,
                 const RunInProgress& run, const SettingsChanges& changes);

} // namespace vistrel
