// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ProgressSink.h"

namespace vistrel::bench {

using Clock = std::chrono::steady_clock;

// One call a create run made on its progress sink, with the time it was made.
struct TimedEvent {
    enum class Kind { Open, Progress, Close, Pump };
    Clock::time_point at;
    Kind kind = Kind::Pump;
    ProgressKind display = ProgressKind::Copy; // Open: the display opened
    int done = 0;                              // Progress
    int total = 0;                             // Progress
};

// A progress sink that only notes the time of every call. A window processes its events in
// pump(), so the time between two pumps is how long the window would not answer the user.
// Room for many events is made up front, so that noting one never stops the run to grow.
class TimelineSink final : public ProgressSink {
public:
    explicit TimelineSink(std::size_t expectedEvents);

    void open(ProgressKind kind, std::string_view text) override;
    void setProgress(int done, int total) override;
    void close() override;
    void pump() override;

    const std::vector<TimedEvent>& events() const { return m_events; }

private:
    std::vector<TimedEvent> m_events;
};

// The pumps of a run, and where the longest wait between two of them fell.
struct GapReport {
    struct Gap {
        double ms = 0;
        std::size_t from = 0; // event index of the pump that began the wait
        std::size_t to = 0;   // event index of the pump that ended it
    };
    struct Phase {
        std::string name;
        std::size_t pumps = 0;
        double largestMs = 0; // longest wait that ended with a pump of this phase
    };

    std::size_t pumps = 0;
    std::vector<Gap> largest;  // the longest waits, longest first
    double p99Ms = 0;          // 99th percentile of all waits (nearest rank)
    double beforeFirstMs = 0;  // from the start of the run to its first pump
    double afterLastMs = 0;    // from its last pump to its end
    std::vector<Phase> phases; // in the order the run went through them
};

// The step of the run each event belongs to. Before any display opens: "before the copy". The
// copy display is "copy". In the display of the index and its thumbnails the bar is driven
// three times to its end: by the image pass ("thumbnails", which also takes the collection of
// the checked rows), by the cells of the index grid ("index page"), and the image pages follow
// without moving it ("image pages"). Between two displays: "between displays".
std::vector<std::string> phasesOf(const std::vector<TimedEvent>& events);

// The waits between consecutive pumps of events, for a run that began at start and ended at
// end; keep is how many of the longest are listed.
GapReport analyseGaps(const std::vector<TimedEvent>& events, Clock::time_point start,
                      Clock::time_point end, std::size_t keep);

// Where event index stands, for a reader: its phase and the last progress shown before it
// ("copy, progress 3745/120000 (file 38 of 1200)").
std::string describePosition(const std::vector<TimedEvent>& events,
                             const std::vector<std::string>& phases, std::size_t index);

} // namespace vistrel::bench
