// SPDX-License-Identifier: MIT
#include "ui/pages/music/FluidSynthPlayer.h"

#include <array>

#include "ui/pages/music/FluidLogCapture.h"
#include "ui/pages/music/FluidSynthSong.h"

namespace vistrel::ui {
namespace {

constexpr std::array<const char*, 2> kDrivers{"pulseaudio", "alsa"};
constexpr const char* kNotOpen = "no MIDI file is open";

} // namespace

FluidSynthPlayer::FluidSynthPlayer() = default;

FluidSynthPlayer::~FluidSynthPlayer() {
    close();
}

bool FluidSynthPlayer::open(const std::string& path) {
    close();
    auto song = std::make_unique<FluidSynthSong>();
    // The file is checked before any sound device is asked for.
    if (!song->load(path)) {
        m_error = song->errorText();
        return false;
    }
    m_driver = startDriver(*song);
    if (m_driver == nullptr) {
        return false;
    }
    m_song = std::move(song);
    return true;
}

fluid_audio_driver_t* FluidSynthPlayer::startDriver(FluidSynthSong& song) {
    std::string reasons;
    for (const char* name : kDrivers) {
        FluidLogCapture log;
        fluid_audio_driver_t* driver = nullptr;
        // A build without the driver refuses its name.
        if (fluid_settings_setstr(song.settings(), "audio.driver", name) == FLUID_OK) {
            driver = new_fluid_audio_driver(song.settings(), song.synth());
        }
        if (driver != nullptr) {
            return driver;
        }
        const std::string logged = log.text();
        reasons += (reasons.empty() ? "" : "\n") +
                   (logged.empty() ? std::string(name) + ": no audio driver" : logged);
    }
    m_error = reasons;
    return nullptr;
}

bool FluidSynthPlayer::play() {
    if (m_song == nullptr) {
        m_error = kNotOpen;
        return false;
    }
    if (!m_song->play()) {
        m_error = m_song->errorText();
        return false;
    }
    return true;
}

bool FluidSynthPlayer::stop() {
    if (m_song == nullptr) {
        m_error = kNotOpen;
        return false;
    }
    m_song->stop();
    return true;
}

void FluidSynthPlayer::close() {
    // The driver renders from the song's synthesiser on a thread of its own: it goes first.
    if (m_driver != nullptr) {
        delete_fluid_audio_driver(m_driver);
        m_driver = nullptr;
    }
    m_song.reset();
}

bool FluidSynthPlayer::finished() const {
    return m_song != nullptr && m_song->finished();
}

} // namespace vistrel::ui
