// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/SettingsChanges.h"

namespace vistrel::test {

// A SettingsObserver that writes down the key of every change it is told of, in order.
class RecordingSettingsObserver final : public SettingsObserver {
public:
    void settingChanged(std::string_view key) override { keys.emplace_back(key); }

    std::vector<std::string> keys;
};

} // namespace vistrel::test
