// SPDX-License-Identifier: MIT
#include "ui/pages/music/FluidSynthSong.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "ui/pages/music/FluidLogCapture.h"

namespace vistrel::ui {
namespace {

constexpr const char* kFallbackSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// What FluidSynth logged for a failed step, or what failed when it logged nothing.
std::string failure(const FluidLogCapture& log, const char* step) {
    const std::string logged = log.text();
    return logged.empty() ? std::string(step) + " failed" : logged;
}

} // namespace

std::string generalMidiSoundFont(fluid_settings_t* settings) {
    char* configured = nullptr;
    std::string path;
    if (fluid_settings_dupstr(settings, "synth.default-soundfont", &configured) == FLUID_OK &&
        configured != nullptr) {
        path = configured;
    }
    fluid_free(configured);
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error) ? path
                                                                          : kFallbackSoundFont;
}

FluidSynthSong::FluidSynthSong() : m_settings(new_fluid_settings()) {}

FluidSynthSong::~FluidSynthSong() {
    if (m_player != nullptr) {
        delete_fluid_player(m_player);
    }
    if (m_synth != nullptr) {
        delete_fluid_synth(m_synth);
    }
    if (m_settings != nullptr) {
        delete_fluid_settings(m_settings);
    }
}

bool FluidSynthSong::load(const std::string& path) {
    if (!checkFile(path)) {
        return false;
    }
    FluidLogCapture log;
    if (m_settings == nullptr) {
        m_error = failure(log, "new_fluid_settings");
        return false;
    }
    m_synth = new_fluid_synth(m_settings);
    if (m_synth == nullptr) {
        m_error = failure(log, "new_fluid_synth");
        return false;
    }
    if (fluid_synth_sfload(m_synth, generalMidiSoundFont(m_settings).c_str(), 1) == FLUID_FAILED) {
        m_error = failure(log, "fluid_synth_sfload");
        return false;
    }
    m_player = new_fluid_player(m_synth);
    if (m_player == nullptr || fluid_player_add(m_player, path.c_str()) != FLUID_OK) {
        m_error = failure(log, "new_fluid_player");
        return false;
    }
    return true;
}

bool FluidSynthSong::checkFile(const std::string& path) {
    // FluidSynth only says whether a file is MIDI; the system says why one cannot be read.
    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (file == nullptr) {
        m_error = path + ": " + std::generic_category().message(errno);
        return false;
    }
    if (fluid_is_midifile(path.c_str()) == 0) {
        m_error = path + ": not a MIDI file";
        return false;
    }
    return true;
}

bool FluidSynthSong::play() {
    FluidLogCapture log;
    // A player that played to its end plays its file again from the start.
    fluid_player_seek(m_player, 0);
    if (fluid_player_play(m_player) != FLUID_OK) {
        m_error = failure(log, "fluid_player_play");
        return false;
    }
    return true;
}

void FluidSynthSong::stop() {
    fluid_player_stop(m_player);
    fluid_synth_all_sounds_off(m_synth, -1);
}

bool FluidSynthSong::finished() const {
    return fluid_player_get_status(m_player) == FLUID_PLAYER_DONE;
}

} // namespace vistrel::ui
