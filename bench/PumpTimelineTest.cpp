// SPDX-License-Identifier: MIT
#include "PumpTimeline.h"

#include <gtest/gtest.h>

namespace vistrel::bench {
namespace {

using std::chrono::milliseconds;
using Kind = TimedEvent::Kind;

// Builds a timeline by hand, each event the given milliseconds after the previous one.
class Timeline {
public:
    Timeline& open(int afterMs, ProgressKind display) {
        return add({at(afterMs), Kind::Open, display, 0, 0});
    }
    Timeline& progress(int afterMs, int done, int total) {
        return add({at(afterMs), Kind::Progress, ProgressKind::Copy, done, total});
    }
    Timeline& close(int afterMs) { return add({at(afterMs), Kind::Close, ProgressKind::Copy}); }
    Timeline& pump(int afterMs) { return add({at(afterMs), Kind::Pump, ProgressKind::Copy}); }

    const std::vector<TimedEvent>& events() const { return m_events; }
    Clock::time_point start() const { return m_start; }
    Clock::time_point now() const { return m_now; }

private:
    Clock::time_point at(int afterMs) {
        m_now += milliseconds(afterMs);
        return m_now;
    }
    Timeline& add(TimedEvent event) {
        m_events.push_back(event);
        return *this;
    }

    Clock::time_point m_start{};
    Clock::time_point m_now{};
    std::vector<TimedEvent> m_events;
};

// A small run as the create command makes it: a copy of two files, then the index display,
// in which the image pass, the grid and the image pages follow each other.
Timeline smallRun() {
    Timeline t;
    t.open(5, ProgressKind::Copy)
        .progress(0, 0, 200)
        .pump(1)
        .progress(0, 50, 200)
        .pump(30) // a block of the first file
        .progress(0, 100, 200)
        .pump(40)
        .progress(0, 200, 200)
        .close(1)
        .open(2, ProgressKind::Thumbnails)
        .pump(1)
        .progress(0, 1, 2)
        .progress(0, 2, 2)
        .pump(120) // the first cell waited for the image pass
        .progress(0, 1, 2)
        .pump(1)
        .progress(0, 2, 2)
        .pump(8) // the first image page
        .pump(9)
        .close(3);
    return t;
}

TEST(PumpTimeline, NamesEachStepOfTheRunByWhatTheProgressShows) {
    const Timeline t = smallRun();
    const std::vector<std::string> phases = phasesOf(t.events());
    const std::vector<std::string> expected = {
        "copy",       "copy",       "copy",        "copy",        "copy",
        "copy",       "copy",       "copy",        "copy",        "thumbnails",
        "thumbnails", "thumbnails", "thumbnails",  "index page",  "index page",
        "index page", "index page", "image pages", "image pages", "image pages"};
    EXPECT_EQ(phases, expected);

    Timeline before;
    before.pump(3).open(1, ProgressKind::Copy).close(1).pump(4).open(1, ProgressKind::SlideShow);
    EXPECT_EQ(phasesOf(before.events()),
              (std::vector<std::string>{"before the copy", "copy", "copy", "between displays",
                                        "slideshow page"}));
}

TEST(PumpTimeline, FindsTheLongestWaitsThePercentileAndTheEnds) {
    const Timeline t = smallRun();
    const Clock::time_point end = t.now() + milliseconds(50);
    const GapReport report = analyseGaps(t.events(), t.start(), end, 2);

    EXPECT_EQ(report.pumps, 8U);
    ASSERT_EQ(report.largest.size(), 2U);
    // From the pump of the collection to the first cell, which waited for the image pass.
    EXPECT_DOUBLE_EQ(report.largest[0].ms, 120.0);
    EXPECT_EQ(report.largest[0].from, 10U);
    EXPECT_EQ(report.largest[0].to, 13U);
    EXPECT_DOUBLE_EQ(report.largest[1].ms, 40.0);
    // Seven waits: the nearest rank of 99 % is the longest.
    EXPECT_DOUBLE_EQ(report.p99Ms, 120.0);
    EXPECT_DOUBLE_EQ(report.beforeFirstMs, 6.0);
    EXPECT_DOUBLE_EQ(report.afterLastMs, 53.0);

    ASSERT_EQ(report.phases.size(), 4U);
    EXPECT_EQ(report.phases[0].name, "copy");
    EXPECT_EQ(report.phases[0].pumps, 3U);
    EXPECT_DOUBLE_EQ(report.phases[0].largestMs, 40.0);
    EXPECT_EQ(report.phases[1].name, "thumbnails");
    EXPECT_DOUBLE_EQ(report.phases[1].largestMs, 4.0);
    EXPECT_EQ(report.phases[2].name, "index page");
    EXPECT_EQ(report.phases[2].pumps, 2U);
    EXPECT_DOUBLE_EQ(report.phases[2].largestMs, 120.0);
    EXPECT_EQ(report.phases[3].name, "image pages");
    EXPECT_DOUBLE_EQ(report.phases[3].largestMs, 9.0);
    EXPECT_EQ(report.phases[3].pumps, 2U);
}

TEST(PumpTimeline, ThePercentileIsTheNearestRankAndARunWithoutPumpsIsOneWait) {
    Timeline t;
    t.pump(0);
    for (int i = 1; i <= 200; ++i) {
        t.pump(i); // waits of 1 to 200 ms
    }
    const GapReport report = analyseGaps(t.events(), t.start(), t.now(), 1);
    EXPECT_DOUBLE_EQ(report.p99Ms, 198.0);
    EXPECT_DOUBLE_EQ(report.largest.front().ms, 200.0);

    Timeline silent;
    silent.open(10, ProgressKind::Copy).close(20);
    const GapReport none = analyseGaps(silent.events(), silent.start(), silent.now(), 5);
    EXPECT_EQ(none.pumps, 0U);
    EXPECT_TRUE(none.largest.empty());
    EXPECT_DOUBLE_EQ(none.afterLastMs, 30.0);
}

TEST(PumpTimeline, TellsAPositionByItsPhaseAndTheLastProgressShown) {
    const Timeline t = smallRun();
    const std::vector<std::string> phases = phasesOf(t.events());
    EXPECT_EQ(describePosition(t.events(), phases, 4), "copy, progress 50/200 (file 1 of 2)");
    EXPECT_EQ(describePosition(t.events(), phases, 6), "copy, progress 100/200 (file 2 of 2)");
    EXPECT_EQ(describePosition(t.events(), phases, 10), "thumbnails, no progress shown yet");
    EXPECT_EQ(describePosition(t.events(), phases, 18), "image pages, progress 2/2");
}

} // namespace
} // namespace vistrel::bench
