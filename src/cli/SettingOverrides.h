// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "app/Settings.h"

namespace vistrel::cli {

// The KEY=VALUE texts of the --set options, in command-line order.
class SettingOverrides {
public:
    void add(std::string assignment) { m_assignments.push_back(std::move(assignment)); }

    // Checks every assignment without applying any: the key must be a stored setting spelled
    // as in the INI file, an integer key needs a decimal number in its range, and no value may
    // hold a line break. Returns the usage error text, naming the key, or an empty text.
    std::string validate() const;

    // Applies every assignment in order (validate first).
    void apply(Settings& settings) const;

private:
    std::vector<std::string> m_assignments;
};

} // namespace vistrel::cli
