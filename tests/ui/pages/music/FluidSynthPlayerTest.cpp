// SPDX-License-Identifier: MIT
// The FluidSynth side of the music preview, without a sound card: a short song rendered to a
// file through the song's own synthesiser and player, and the failures the player reports
// before it asks for a sound device.
#include "ui/pages/music/FluidSynthPlayer.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include "support/TempDir.h"
#include "ui/pages/music/FluidLogCapture.h"
#include "ui/pages/music/FluidSynthSong.h"

namespace vistrel::ui::test {
namespace {

using vistrel::test::TempDir;

// A type 0 standard MIDI file at 96 ticks a quarter note (120 beats a minute): a piano plays
// C, E and G for half a second each.
std::string threeNotes() {
    const std::string track{'\x00', '\xC0', '\x00',          // piano
                            '\x00', '\x90', '\x3C', '\x64',  // C on
                            '\x60', '\x80', '\x3C', '\x40',  // C off after a quarter
                            '\x00', '\x90', '\x40', '\x64',  // E on
                            '\x60', '\x80', '\x40', '\x40',  // E off
                            '\x00', '\x90', '\x43', '\x64',  // G on
                            '\x60', '\x80', '\x43', '\x40',  // G off
                            '\x00', '\xFF', '\x2F', '\x00'}; // end of track
    std::string file{"MThd", 4};
    file +=
        std::string{'\x00', '\x00', '\x00', '\x06', '\x00', '\x00', '\x00', '\x01', '\x00', '\x60'};
    file += "MTrk";
    file += std::string{'\x00', '\x00', '\x00', static_cast<char>(track.size())};
    return file + track;
}

std::vector<std::int16_t> samplesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    std::vector<std::int16_t> samples(bytes.size() / sizeof(std::int16_t));
    std::copy_n(bytes.data(), samples.size() * sizeof(std::int16_t),
                reinterpret_cast<char*>(samples.data()));
    return samples;
}

TEST(AFluidSynthSong, RendersAShortSongThatIsNotSilentAndEndsByItself) {
    TempDir dir;
    const std::string song = dir.file("three.mid");
    dir.write("three.mid", threeNotes());
    const std::string raw = dir.file("three.raw");

    FluidSynthSong music;
    fluid_settings_t* settings = music.settings();
    ASSERT_EQ(fluid_settings_setstr(settings, "audio.file.name", raw.c_str()), FLUID_OK);
    ASSERT_EQ(fluid_settings_setstr(settings, "audio.file.type", "raw"), FLUID_OK);
    ASSERT_EQ(fluid_settings_setstr(settings, "audio.file.format", "s16"), FLUID_OK);
    ASSERT_EQ(fluid_settings_setstr(settings, "player.timing-source", "sample"), FLUID_OK);
    ASSERT_EQ(fluid_settings_setint(settings, "synth.lock-memory", 0), FLUID_OK);
    ASSERT_TRUE(music.load(song)) << music.errorText();
    fluid_file_renderer_t* renderer = new_fluid_file_renderer(music.synth());
    ASSERT_NE(renderer, nullptr);
    ASSERT_TRUE(music.play()) << music.errorText();
    // The song lasts 1.5 s; ten seconds of blocks is a song that never ends.
    int periods = 0;
    fluid_settings_getint(settings, "audio.period-size", &periods);
    const int limit = 10 * 44100 / periods;
    int blocks = 0;
    while (!music.finished() && blocks < limit &&
           fluid_file_renderer_process_block(renderer) == FLUID_OK) {
        ++blocks;
    }
    delete_fluid_file_renderer(renderer);
    EXPECT_TRUE(music.finished());
    EXPECT_LT(blocks, limit);

    const std::vector<std::int16_t> samples = samplesOf(raw);
    // Stereo at 44.1 kHz: at least the 1.5 s of the notes.
    EXPECT_GE(samples.size(), std::size_t{2 * 44100 * 3 / 2});
    const auto loudest = std::max_element(samples.begin(), samples.end(), [](auto a, auto b) {
        return std::abs(int{a}) < std::abs(int{b});
    });
    ASSERT_NE(loudest, samples.end());
    EXPECT_GT(std::abs(int{*loudest}), 1000) << "the rendered song is silent";
}

TEST(AFluidSynthSong, TakesTheGeneralMidiSoundFontThatIsThere) {
    fluid_settings_t* settings = new_fluid_settings();
    const std::string soundFont = generalMidiSoundFont(settings);
    EXPECT_TRUE(std::filesystem::is_regular_file(soundFont)) << soundFont;
    // A default that names no file gives way to the General MIDI sound font of the system.
    fluid_settings_setstr(settings, "synth.default-soundfont", "/no/such/font.sf2");
    EXPECT_EQ(generalMidiSoundFont(settings), "/usr/share/sounds/sf2/default-GM.sf2");
    delete_fluid_settings(settings);
}

TEST(AFluidSynthSong, ReportsASoundFontThatDoesNotLoadInFluidSynthsWordsAndLogsAsBefore) {
    TempDir dir;
    dir.write("three.mid", threeNotes());
    FluidSynthSong music;
    // A file that is there but is no sound font.
    fluid_settings_setstr(music.settings(), "synth.default-soundfont",
                          dir.file("three.mid").c_str());
    EXPECT_FALSE(music.load(dir.file("three.mid")));
    EXPECT_NE(music.errorText().find("three.mid"), std::string::npos) << music.errorText();
    EXPECT_EQ(music.errorText().find("fluid_synth_sfload"), std::string::npos) << music.errorText();
    // The capture put FluidSynth's own log functions back.
    EXPECT_EQ(fluid_set_log_function(FLUID_ERR, fluid_default_log_function, nullptr),
              &fluid_default_log_function);
    EXPECT_EQ(fluid_set_log_function(FLUID_PANIC, fluid_default_log_function, nullptr),
              &fluid_default_log_function);
}

TEST(TheFluidSynthPlayer, ReportsAFileThatIsMissingOrNoMidiBeforeAskingForASoundDevice) {
    TempDir dir;
    FluidSynthPlayer player;
    const std::string missing = dir.file("missing.mid");
    EXPECT_FALSE(player.open(missing));
    EXPECT_EQ(player.errorText(), missing + ": " + std::generic_category().message(ENOENT));

    dir.write("notes.mid", "MT\nnot a song\n");
    EXPECT_FALSE(player.open(dir.file("notes.mid")));
    EXPECT_EQ(player.errorText(), dir.file("notes.mid") + ": not a MIDI file");

    // Nothing is open to play or stop.
    EXPECT_FALSE(player.play());
    EXPECT_FALSE(player.stop());
    EXPECT_FALSE(player.finished());
    player.close();
}

} // namespace
} // namespace vistrel::ui::test
