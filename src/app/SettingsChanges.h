// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>

namespace vistrel {

// Follows the settings a step of the program changes by itself, so that a view shows what is
// stored: a create run completing a folder with its final "/", the music question turning
// PlayMusic off.
class SettingsObserver {
public:
    virtual ~SettingsObserver() = default;
    // The setting named key (its settings-file key, "HTMLPath") now holds a new value.
    virtual void settingChanged(std::string_view key) = 0;
};

// The observers of one settings record. Observers are not owned and must be removed before
// they go.
class SettingsChanges {
public:
    void addObserver(SettingsObserver* observer) { m_observers.push_back(observer); }
    void removeObserver(SettingsObserver* observer) { std::erase(m_observers, observer); }

    // Tells every observer, in the order they were added, that key changed.
    void changed(std::string_view key) const {
        for (SettingsObserver* observer : m_observers) {
            observer->settingChanged(key);
        }
    }

private:
    std::vector<SettingsObserver*> m_observers;
};

} // namespace vistrel
