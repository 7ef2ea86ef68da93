// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include <fluidsynth.h>

namespace vistrel::ui {

// One MIDI file ready to play through FluidSynth: the settings, a synthesiser with the General
// MIDI sound font, and a player over the file. Where the sound goes (an audio driver, a file
// renderer) is the owner's choice, made over synth() once the song is loaded.
class FluidSynthSong {
public:
    FluidSynthSong();
    ~FluidSynthSong();
    FluidSynthSong(const FluidSynthSong&) = delete;
    FluidSynthSong& operator=(const FluidSynthSong&) = delete;

    // The settings the synthesiser is made from; changes count until load().
    fluid_settings_t* settings() const { return m_settings; }
    fluid_synth_t* synth() const { return m_synth; }

    // Checks that path is a MIDI file that can be read, then makes the synthesiser, loads the
    // sound font and puts the file in the player. False, with errorText(), when any step fails.
    bool load(const std::string& path);
    // Plays the file from its start.
    bool play();
    // Stops the file and silences what still sounds.
    void stop();
    // The file played to its end (or was stopped) since play().
    bool finished() const;
    const std::string& errorText() const { return m_error; }

private:
    bool checkFile(const std::string& path);

    fluid_settings_t* m_settings;
    fluid_synth_t* m_synth = nullptr;
    fluid_player_t* m_player = nullptr;
    std::string m_error;
};

// The sound font for General MIDI: FluidSynth's own default when it names a file that is
// there, else the one Debian's General MIDI sound font packages install.
std::string generalMidiSoundFont(fluid_settings_t* settings);

} // namespace vistrel::ui
