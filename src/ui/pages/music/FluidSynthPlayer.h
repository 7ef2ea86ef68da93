// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "ui/pages/music/MidiPlayer.h"

typedef struct _fluid_audio_driver_t fluid_audio_driver_t;

namespace vistrel::ui {

class FluidSynthSong;

// The preview through FluidSynth and the desktop's sound: PulseAudio (which PipeWire desktops
// also serve) and, failing that, ALSA.
class FluidSynthPlayer final : public MidiPlayer {
public:
    FluidSynthPlayer();
    ~FluidSynthPlayer() override;

    bool open(const std::string& path) override;
    bool play() override;
    bool stop() override;
    void close() override;
    bool finished() const override;
    std::string errorText() const override { return m_error; }

private:
    // The first audio driver that starts for song, or none with m_error saying why each failed.
    fluid_audio_driver_t* startDriver(FluidSynthSong& song);

    std::unique_ptr<FluidSynthSong> m_song;
    fluid_audio_driver_t* m_driver = nullptr;
    std::string m_error;
};

} // namespace vistrel::ui
