// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>

#include <QTimer>

#include "app/ControlStates.h"
#include "app/SettingsChanges.h"
#include "ui/pages/SettingsPage.h"

namespace Ui {
class CPage6;
}

namespace vistrel::ui {

class MidiPlayer;

// The settings page 音楽: the slideshow's background music (the Page6 settings) and a preview
// of the chosen MIDI file. The player comes from makeMidiPlayer(); a preview is stopped when
// the user picks another file, and closed with the page.
class CPage6 final : public SettingsPage, private SettingsObserver {
    Q_OBJECT

public:
    CPage6(PageContext& context, QWidget* parent);
    ~CPage6() override;

    void showControlStates(const ControlStates& states) override;

private:
    void wireControls();
    void settingChanged(std::string_view key) override;

    // Which controls are usable: the mode rule's word on the music box, then the page's own
    // rule from PlayMusic, Tag and Repeat.
    void showEnabling();
    void showPlayMusic();
    void showTag();
    void showRepeat();
    void showVolume();
    void showMidiFile();

    void playMusicClicked(bool checked);
    void tagClicked(std::int32_t tag);
    void repeatClicked(std::int32_t repeat);
    void repeatValEdited(const QString& text);
    void volumeMoved(int position);
    void midiFileEdited(const QString& text);
    void browseMidiFile();
    void togglePreview();
    // Stops a playing preview; a failed stop is shown.
    void stopPreview();
    // Shows the player's reason for a failed step.
    void reportPlayerError();
    // The preview has played to its end: the next press plays it again.
    void checkPreviewEnded();

    std::unique_ptr<Ui::CPage6> m_ui;
    ControlStates m_states;
    std::unique_ptr<MidiPlayer> m_player;
    bool m_deviceOpen = false;
    bool m_playing = false;
    QTimer m_endPoll;
};

} // namespace vistrel::ui
