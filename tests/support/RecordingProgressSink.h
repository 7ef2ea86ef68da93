// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ProgressSink.h"

namespace vistrel::test {

// A ProgressSink that writes down every call, so a test can check what a run reported and
// when, and can act as the user between steps (on a pump, as a progress dialog would).
class RecordingProgressSink final : public ProgressSink {
public:
    void open(ProgressKind kind, std::string_view title) override;
    void setProgress(int done, int total) override;
    void close() override;
    void pump() override;

    // Every call so far, in order: "open <title>", "progress <done>/<total>", "pump", "close".
    std::vector<std::string> events;
    // The kind of each display opened, in order.
    std::vector<ProgressKind> kinds;

    // How many times pump() was called.
    std::size_t pumps() const { return m_pumps; }

    // When set, called on every pump() (after it is recorded) with the number of pumps so far,
    // 1 on the first.
    std::function<void(int)> onPump;

private:
    std::size_t m_pumps = 0;
};

} // namespace vistrel::test
