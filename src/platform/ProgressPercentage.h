// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

namespace vistrel {

// The percentage a progress display shows: floor(done / total x 100) in real arithmetic. A
// display redraws only when the percentage changes, so update() gives the new percentage, or
// nullopt when it is the one already shown (and for a total of 0 or less). Starts at 0.
class ProgressPercentage {
public:
    std::optional<int> update(int done, int total);
    int shown() const { return m_shown; }
    void reset() { m_shown = 0; }

private:
    int m_shown = 0;
};

} // namespace vistrel
