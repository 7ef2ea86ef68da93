// SPDX-License-Identifier: MIT
#include "support/RecordingProgressSink.h"

namespace vistrel::test {

void RecordingProgressSink::open(ProgressKind kind, std::string_view title) {
    kinds.push_back(kind);
    events.push_back("open " + std::string(title));
}

void RecordingProgressSink::setProgress(int done, int total) {
    events.push_back("progress " + std::to_string(done) + "/" + std::to_string(total));
}

void RecordingProgressSink::close() {
    events.emplace_back("close");
}

void RecordingProgressSink::pump() {
    events.emplace_back("pump");
    ++m_pumps;
    if (onPump) {
        onPump(static_cast<int>(m_pumps));
    }
}

} // namespace vistrel::test
