// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/pages/music/MidiPlayer.h"

namespace vistrel::ui::test {

// What the music page did with its players, and how they answer: a test owns one and hands
// the page players that record into it.
struct PlayerLog {
    // "open|<path>", "play", "stop", "close", in order.
    std::vector<std::string> calls;
    // Whether the players say their file played to its end, and how often the page asked.
    bool ended = false;
    int endQueries = 0;
    // A reason to give for every open, which then fails; none: opens succeed.
    std::string openFailure;
};

class RecordingMidiPlayer final : public MidiPlayer {
public:
    explicit RecordingMidiPlayer(std::shared_ptr<PlayerLog> log)
        : m_log(*log), m_keep(std::move(log)) {}

    bool open(const std::string& path) override {
        m_log.calls.push_back("open|" + path);
        return m_log.openFailure.empty();
    }
    bool play() override {
        m_log.calls.emplace_back("play");
        return true;
    }
    bool stop() override {
        m_log.calls.emplace_back("stop");
        return true;
    }
    void close() override { m_log.calls.emplace_back("close"); }
    bool finished() const override {
        ++m_log.endQueries;
        return m_log.ended;
    }
    std::string errorText() const override { return m_log.openFailure; }

private:
    PlayerLog& m_log;
    // The page closes its player when the window goes, after the test's own members.
    std::shared_ptr<PlayerLog> m_keep;
};

} // namespace vistrel::ui::test
