// SPDX-License-Identifier: MIT
#include "PumpTimeline.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace vistrel::bench {
namespace {

// The batch copy moves its bar this many steps per file, so that a large file moves it too;
// a copy position is told as the file it falls in.
constexpr int kCopyStepsPerFile = 100;

constexpr std::string_view kBeforeCopy = "before the copy";
constexpr std::string_view kCopy = "copy";
constexpr std::string_view kBetween = "between displays";
constexpr std::string_view kSlideShow = "slideshow page";
constexpr std::string_view kIndexSteps[] = {"thumbnails", "index page", "image pages"};

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// The 99th percentile by nearest rank: the smallest wait that at least 99 % of all waits do
// not exceed.
double percentile99(std::vector<double> waits) {
    if (waits.empty()) {
        return 0;
    }
    std::sort(waits.begin(), waits.end());
    const auto rank = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(waits.size())));
    return waits[std::max<std::size_t>(rank, 1) - 1];
}

GapReport::Phase& phaseNamed(std::vector<GapReport::Phase>& phases, const std::string& name) {
    const auto found = std::find_if(phases.begin(), phases.end(),
                                    [&](const GapReport::Phase& p) { return p.name == name; });
    if (found != phases.end()) {
        return *found;
    }
    return phases.emplace_back(GapReport::Phase{name, 0, 0});
}

} // namespace

TimelineSink::TimelineSink(std::size_t expectedEvents) {
    m_events.reserve(expectedEvents);
}

void TimelineSink::open(ProgressKind kind, std::string_view) {
    m_events.push_back({Clock::now(), TimedEvent::Kind::Open, kind, 0, 0});
}

void TimelineSink::setProgress(int done, int total) {
    m_events.push_back({Clock::now(), TimedEvent::Kind::Progress, ProgressKind::Copy, done, total});
}

void TimelineSink::close() {
    m_events.push_back({Clock::now(), TimedEvent::Kind::Close, ProgressKind::Copy, 0, 0});
}

void TimelineSink::pump() {
    m_events.push_back({Clock::now(), TimedEvent::Kind::Pump, ProgressKind::Copy, 0, 0});
}

std::vector<std::string> phasesOf(const std::vector<TimedEvent>& events) {
    std::vector<std::string> phases;
    phases.reserve(events.size());
    std::string_view current = kBeforeCopy;
    bool inIndexDisplay = false;
    std::size_t indexStep = 0;
    for (const TimedEvent& event : events) {
        switch (event.kind) {
        case TimedEvent::Kind::Open:
            inIndexDisplay = event.display == ProgressKind::Thumbnails;
            indexStep = 0;
            current = event.display == ProgressKind::Copy        ? kCopy
                      : event.display == ProgressKind::SlideShow ? kSlideShow
                                                                 : kIndexSteps[0];
            break;
        case TimedEvent::Kind::Close:
            phases.emplace_back(current);
            current = kBetween;
            inIndexDisplay = false;
            continue;
        case TimedEvent::Kind::Progress:
        case TimedEvent::Kind::Pump:
            break;
        }
        phases.emplace_back(current);
        // The event that drives the bar to its end is the last of its step.
        if (inIndexDisplay && event.kind == TimedEvent::Kind::Progress &&
            event.done == event.total && indexStep + 1 < std::size(kIndexSteps)) {
            current = kIndexSteps[++indexStep];
        }
    }
    return phases;
}

GapReport analyseGaps(const std::vector<TimedEvent>& events, Clock::time_point start,
                      Clock::time_point end, std::size_t keep) {
    GapReport report;
    const std::vector<std::string> phases = phasesOf(events);
    std::vector<GapReport::Gap> gaps;
    std::vector<double> waits;
    std::optional<std::size_t> previous;
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (events[i].kind != TimedEvent::Kind::Pump) {
            continue;
        }
        ++report.pumps;
        GapReport::Phase& phase = phaseNamed(report.phases, phases[i]);
        ++phase.pumps;
        if (!previous) {
            report.beforeFirstMs = millisecondsBetween(start, events[i].at);
        } else {
            const double ms = millisecondsBetween(events[*previous].at, events[i].at);
            gaps.push_back({ms, *previous, i});
            waits.push_back(ms);
            phase.largestMs = std::max(phase.largestMs, ms);
        }
        previous = i;
    }
    report.afterLastMs =
        previous ? millisecondsBetween(events[*previous].at, end) : millisecondsBetween(start, end);
    report.p99Ms = percentile99(std::move(waits));
    const std::size_t kept = std::min(keep, gaps.size());
    std::partial_sort(gaps.begin(), gaps.begin() + static_cast<std::ptrdiff_t>(kept), gaps.end(),
                      [](const GapReport::Gap& a, const GapReport::Gap& b) { return a.ms > b.ms; });
    report.largest.assign(gaps.begin(), gaps.begin() + static_cast<std::ptrdiff_t>(kept));
    return report;
}

std::string describePosition(const std::vector<TimedEvent>& events,
                             const std::vector<std::string>& phases, std::size_t index) {
    std::string text = phases[index];
    for (std::size_t i = index + 1; i-- > 0;) {
        const TimedEvent& event = events[i];
        if (event.kind == TimedEvent::Kind::Open || event.kind == TimedEvent::Kind::Close) {
            text += ", no progress shown yet";
            break;
        }
        if (event.kind == TimedEvent::Kind::Progress) {
            char line[96];
            std::snprintf(line, sizeof line, ", progress %d/%d", event.done, event.total);
            text += line;
            if (phases[i] == kCopy && event.total > 0) {
                std::snprintf(
                    line, sizeof line, " (file %d of %d)",
                    std::min(event.done / kCopyStepsPerFile + 1, event.total / kCopyStepsPerFile),
                    event.total / kCopyStepsPerFile);
                text += line;
            }
            break;
        }
    }
    return text;
}

} // namespace vistrel::bench
