// SPDX-License-Identifier: MIT
// How long a create run keeps the window from answering: runs the whole create command over a
// corpus, as the create button does, with a progress sink that notes the time of every pump()
// (where a window processes its events), and prints the number of pumps, the longest and the
// 99th percentile wait between two of them and where the longest ones fell.
//
//   vistrel_bench_pump_gap CORPUS OUTPUT [LIST]
//
// CORPUS is a folder of images (bench/make-corpus); OUTPUT a folder that does not exist yet,
// so that every run starts from an empty site (the run creates it). LIST is how many of the
// longest waits are listed (default 10). The settings are those of bench/run: a thumbnail index
// with one page per image, file information and every EXIF item, PNG thumbnails in a 100 px
// box, the main images copied. Every question is answered Yes but the last, whether to view
// the result.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "PumpTimeline.h"
#include "app/Settings.h"
#include "app/SettingsChanges.h"
#include "app/SettingsPagesStart.h"
#include "app/SettingsTable.h"
#include "catalogue/CurrentImage.h"
#include "catalogue/ImageListPanel.h"
#include "platform/CancelFlag.h"
#include "platform/DocumentOpener.h"
#include "platform/Prompter.h"
#include "run/RunContext.h"
#include "run/RunCreate.h"

namespace vistrel::bench {
namespace {

namespace fs = std::filesystem;

// Enough for a run of thousands of large images: a pump per copied megabyte and per page.
constexpr std::size_t kExpectedEvents = 1U << 20U;
constexpr std::size_t kDefaultListed = 10;

// Answers as a user who wants the site but not to look at it now. Messages tell of a failure
// or a file left out, so they go to standard error; only their count goes to the report.
class AnsweringPrompter final : public Prompter {
public:
    void message(std::string_view caption, std::string_view text, PromptIcon) override {
        ++messages;
        std::fprintf(stderr, "[%.*s] %.*s\n", static_cast<int>(caption.size()), caption.data(),
                     static_cast<int>(text.size()), text.data());
    }
    bool ask(std::string_view, std::string_view, PromptIcon) override {
        ++questions;
        return true;
    }
    bool askToViewResult(std::string_view, std::string_view, PromptIcon) override {
        ++questions;
        return false;
    }

    int questions = 0;
    int messages = 0;
};

// The result is never viewed; should the run ask to open anything, nothing opens.
class ClosedOpener final : public DocumentOpener {
public:
    Status open(const std::string& pathOrUrl) override {
        return Status::failure(pathOrUrl, "not opened by the benchmark");
    }
};

std::string folderText(const fs::path& folder) {
    std::string text = fs::absolute(folder).lexically_normal().string();
    if (text.empty() || text.back() != '/') {
        text += '/';
    }
    return text;
}

Settings benchSettings(const std::string& corpus, const std::string& output) {
    std::error_code ignored;
    const fs::path program = fs::read_symlink("/proc/self/exe", ignored).parent_path();
    Settings s = makeDefaultSettings(folderText(program));
    s.Mode = 0;
    s.Frame = 0;
    s.MakePage = 1;
    s.ThumbType = 0;
    s.Thumbres = 3;
    s.MainInfo = 15;
    s.ExifInfo = 4095;
    s.ImageMode = 7;
    s.ImagePath = corpus;
    s.HTMLPath = output;
    applySettingsPagesStart(s);
    return s;
}

// The time the calling thread has spent on a processor and waiting in a run queue for one, in
// seconds (the scheduler's statistics); zero where the system does not keep them. A long wait in
// the queue means the machine was busy with other work, which no change to the run would help.
struct ThreadTimes {
    double running = 0;
    double waiting = 0;
};

ThreadTimes threadTimes() {
    ThreadTimes times;
    if (std::FILE* file = std::fopen("/proc/thread-self/schedstat", "r")) {
        unsigned long long running = 0;
        unsigned long long waiting = 0;
        if (std::fscanf(file, "%llu %llu", &running, &waiting) == 2) {
            times = {static_cast<double>(running) / 1e9, static_cast<double>(waiting) / 1e9};
        }
        std::fclose(file);
    }
    return times;
}

std::string loadAverage() {
    std::string text;
    if (std::FILE* file = std::fopen("/proc/loadavg", "r")) {
        char line[128] = {};
        if (std::fgets(line, sizeof line, file) != nullptr) {
            text = line;
            text.erase(text.find_last_not_of(" \n") + 1);
        }
        std::fclose(file);
    }
    return text;
}

double secondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

void printGap(const std::string& label, const GapReport::Gap& gap,
              const std::vector<TimedEvent>& events, const std::vector<std::string>& phases,
              Clock::time_point start) {
    std::printf("%s%8.1f ms at %7.2f s\n    after:  %s\n    before: %s\n", label.c_str(), gap.ms,
                secondsBetween(start, events[gap.from].at),
                describePosition(events, phases, gap.from).c_str(),
                describePosition(events, phases, gap.to).c_str());
}

int run(const std::string& corpusArgument, const std::string& outputArgument, std::size_t listed) {
    if (fs::exists(outputArgument)) {
        std::fprintf(stderr, "%s exists; give a folder the run can create\n",
                     outputArgument.c_str());
        return 2;
    }
    Settings settings = benchSettings(folderText(corpusArgument), folderText(outputArgument));
    ImageListPanel panel(settings);
    panel.setFolderText(settings.ImagePath);
    const int images = panel.list().checkedCount();

    const SettingsChanges changes;
    CurrentImage current;
    AnsweringPrompter prompter;
    TimelineSink timeline(kExpectedEvents);
    CancelFlag cancel;
    ClosedOpener opener;
    RunContext context{settings, changes, panel, current, prompter, timeline, cancel, opener};

    // Writes an earlier program left to the kernel are not this run's to wait for.
    ::sync();
    const std::string loadBefore = loadAverage();
    const ThreadTimes before = threadTimes();
    const Clock::time_point start = Clock::now();
    const int written = RunCreate(context);
    const Clock::time_point end = Clock::now();
    const ThreadTimes after = threadTimes();

    const std::vector<TimedEvent>& events = timeline.events();
    const std::vector<std::string> phases = phasesOf(events);
    const GapReport report = analyseGaps(events, start, end, listed);
    std::printf("images: %d checked, site %s in %.1f s (%.1f images/s)\n", images,
                written == 1 ? "written" : "NOT written", secondsBetween(start, end),
                images / secondsBetween(start, end));
    // For lining the report up with a trace taken outside (CLOCK_MONOTONIC on Linux).
    std::printf("the run began at %.6f s of the steady clock\n",
                std::chrono::duration<double>(start.time_since_epoch()).count());
    std::printf("load average before: %s; after: %s\n", loadBefore.c_str(), loadAverage().c_str());
    std::printf("run thread: %.1f s on a processor, %.1f s waiting in the run queue\n",
                after.running - before.running, after.waiting - before.waiting);
    std::printf("prompter: %d questions answered, %d messages\n", prompter.questions,
                prompter.messages);
    std::printf("pumps: %zu\n", report.pumps);
    if (!report.largest.empty()) {
        printGap("largest gap:", report.largest.front(), events, phases, start);
    }
    std::printf("99th percentile gap: %.1f ms\n", report.p99Ms);
    std::printf("before the first pump: %.1f ms; after the last pump: %.1f ms\n",
                report.beforeFirstMs, report.afterLastMs);
    std::printf("per phase (pumps, largest gap ending in it):\n");
    for (const GapReport::Phase& phase : report.phases) {
        std::printf("  %-18s %7zu %8.1f ms\n", phase.name.c_str(), phase.pumps, phase.largestMs);
    }
    std::printf("longest gaps:\n");
    for (std::size_t i = 0; i < report.largest.size(); ++i) {
        printGap(std::to_string(i + 1) + ".", report.largest[i], events, phases, start);
    }
    return written == 1 ? 0 : 1;
}

} // namespace
} // namespace vistrel::bench

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: %s CORPUS OUTPUT [LIST]\n", argv[0]);
        return 2;
    }
    const std::size_t listed =
        argc == 4 ? std::strtoul(argv[3], nullptr, 10) : vistrel::bench::kDefaultListed;
    return vistrel::bench::run(argv[1], argv[2], listed);
}
