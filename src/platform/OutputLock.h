// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace vistrel {

// Holds the output folders of one create run for as long as it lives, so that two runs into
// the same folder know of each other. A folder this run holds alone is first cleared of the
// work an interrupted run left in it (the hidden names of WorkNames.h, and nothing else); a
// folder another run holds keeps its work untouched. The hold is an advisory lock on the
// folder itself, so no lock file is left in the site, and the system drops it when a run ends
// in any way.
class OutputLock {
public:
    explicit OutputLock(const std::vector<std::string>& folders);
    ~OutputLock();
    OutputLock(const OutputLock&) = delete;
    OutputLock& operator=(const OutputLock&) = delete;

    // Whether every folder was held by this run alone.
    bool heldAlone() const { return m_heldAlone; }

private:
    std::vector<int> m_descriptors;
    bool m_heldAlone = true;
};

} // namespace vistrel
