// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace vistrel::ui {

// A player of MIDI files for the music page's preview: one file at a time, played from its
// start, stopped and closed on request. A failed step leaves its reason in errorText(), in the
// words of the library or the system that failed.
class MidiPlayer {
public:
    virtual ~MidiPlayer() = default;

    // Opens the file at path and the sound output for it; false when either fails.
    virtual bool open(const std::string& path) = 0;
    // Plays the open file from its start.
    virtual bool play() = 0;
    virtual bool stop() = 0;
    // Releases the file and the sound output; nothing when none is open.
    virtual void close() = 0;
    // The file played to its end since play().
    virtual bool finished() const = 0;
    virtual std::string errorText() const = 0;
};

using MidiPlayerFactory = std::function<std::unique_ptr<MidiPlayer>()>;

// The player a music page makes: FluidSynth's, unless a MidiPlayerOverride is in place.
std::unique_ptr<MidiPlayer> makeMidiPlayer();

// Makes the music pages created while it lives take their players from factory instead, so
// that a page inside a real window can be driven without a sound card.
class MidiPlayerOverride {
public:
    explicit MidiPlayerOverride(MidiPlayerFactory factory);
    ~MidiPlayerOverride();
    MidiPlayerOverride(const MidiPlayerOverride&) = delete;
    MidiPlayerOverride& operator=(const MidiPlayerOverride&) = delete;

private:
    MidiPlayerFactory m_previous;
};

} // namespace vistrel::ui
