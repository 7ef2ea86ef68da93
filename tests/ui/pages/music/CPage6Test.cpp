// SPDX-License-Identifier: MIT
#include "ui/pages/music/CPage6.h"

#include <filesystem>
#include <memory>

#include <QCheckBox>
#include <QRadioButton>
#include <QSlider>

#include "app/RunInProgress.h"
#include "app/SettingsPagesStart.h"
#include "pages/general/PageTesting.h"
#include "pages/music/RecordingMidiPlayer.h"
#include "ui/controls/CIconButton.h"
#include "ui/window/MainWindowTable.h"

namespace vistrel::ui::test {
namespace {

constexpr int kMusic = 5;
constexpr int kGeneral = 0;
const std::string kMidiFilters = "MIDI ﾌｧｲﾙ (*.mid *.midi);;すべての ﾌｧｲﾙ (*)";

using Call = ScriptedPrompter::Call;
using Kind = ScriptedPrompter::Kind;
using Calls = std::vector<std::string>;

class TheMusicPage : public PageTest {
protected:
    TheMusicPage() {
        // The slideshow with music: every control of the page is the page's own to enable.
        fixture.settings.Mode = 1;
        fixture.settings.PlayMusic = 1;
    }

    void openMusicPage() { openPage(kMusic); }

    // Every control of the page the user can change, the music box first.
    std::vector<QWidget*> controls() {
        std::vector<QWidget*> found;
        for (const char* name : {"playMusic", "midiFile", "browseMidi", "preview", "embed",
                                 "bgsound", "repeatEndless", "repeatOnce", "repeatCount",
                                 "repeatVal", "volume", "volumeText", "autoPlay", "panel"}) {
            found.push_back(find<QWidget>(name));
        }
        return found;
    }

    void pressPreview() { clickBox(find<CIconButton>("preview")); }

    // The players the page makes record into log, which outlives the window.
    std::shared_ptr<PlayerLog> log = std::make_shared<PlayerLog>();

private:
    MidiPlayerOverride m_players{
        [log = log] { return std::make_unique<RecordingMidiPlayer>(log); }};
};

TEST_F(TheMusicPage, StartsWithoutStoringAnything) {
    Settings& s = fixture.settings;
    s.MIDIFile = "/music/songs/waltz.mid";
    s.MIDIFileName = "stale.mid";
    s.Tag = 1;
    s.Repeat = 7;
    s.RepeatVal = 4;
    s.Volume = 30;
    s.AutoPlay = 0;
    s.Panel = 1;
    applySettingsPagesStart(s);
    const std::vector<std::string> before = storedTexts(s);
    openMusicPage();
    EXPECT_EQ(storedTexts(s), before);
    EXPECT_EQ(s.MIDIFileName, "waltz.mid");
    EXPECT_TRUE(find<QCheckBox>("playMusic")->isChecked());
    EXPECT_EQ(find<QLineEdit>("midiFile")->text().toStdString(), "/music/songs/waltz.mid");
    EXPECT_TRUE(find<QRadioButton>("bgsound")->isChecked());
    // A Repeat that names neither radio is a given count, and its box is usable.
    EXPECT_TRUE(find<QRadioButton>("repeatCount")->isChecked());
    EXPECT_TRUE(find<QLineEdit>("repeatVal")->isEnabled());
    EXPECT_EQ(find<QLineEdit>("repeatVal")->text(), QStringLiteral("4"));
    auto* volume = find<QSlider>("volume");
    EXPECT_EQ(volume->value(), 30);
    EXPECT_EQ(volume->minimum(), 0);
    EXPECT_EQ(volume->maximum(), 100);
    EXPECT_EQ(volume->tickInterval(), 10);
    EXPECT_EQ(volume->pageStep(), 20);
    EXPECT_EQ(volume->singleStep(), 5);
    EXPECT_EQ(find<QLineEdit>("volumeText")->text(), QStringLiteral("-7000"));
    EXPECT_FALSE(find<QCheckBox>("autoPlay")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("panel")->isChecked());
    // BGSOUND has no player options.
    EXPECT_FALSE(find<QCheckBox>("autoPlay")->isEnabled());
    EXPECT_FALSE(find<QCheckBox>("panel")->isEnabled());
    EXPECT_TRUE(log->calls.empty());
}

TEST_F(TheMusicPage, ShowsTheVolumeAsEachTagCountsItWhileTheVolumeStays) {
    fixture.settings.Volume = 50;
    openMusicPage();
    auto* shown = find<QLineEdit>("volumeText");
    ASSERT_EQ(shown->text(), QStringLiteral("50"));

    clickBox(find<QRadioButton>("bgsound"));
    EXPECT_EQ(fixture.settings.Tag, 1);
    EXPECT_EQ(shown->text(), QStringLiteral("-5000"));
    EXPECT_EQ(fixture.settings.Volume, 50);
    EXPECT_FALSE(find<QCheckBox>("autoPlay")->isEnabled());

    // A click on the tag already chosen is no switch.
    clickBox(find<QRadioButton>("bgsound"));
    EXPECT_EQ(shown->text(), QStringLiteral("-5000"));

    clickBox(find<QRadioButton>("embed"));
    EXPECT_EQ(fixture.settings.Tag, 0);
    EXPECT_EQ(shown->text(), QStringLiteral("50"));
    EXPECT_EQ(fixture.settings.Volume, 50);
    EXPECT_TRUE(find<QCheckBox>("autoPlay")->isEnabled());
    EXPECT_TRUE(find<QCheckBox>("panel")->isEnabled());
    clickBox(find<QRadioButton>("embed"));
    EXPECT_EQ(shown->text(), QStringLiteral("50"));

    // A line step of the track bar, shown as BGSOUND counts it.
    clickBox(find<QRadioButton>("bgsound"));
    auto* volume = find<QSlider>("volume");
    volume->setFocus();
    QTest::keyClick(volume, Qt::Key_Right);
    EXPECT_EQ(fixture.settings.Volume, 55);
    EXPECT_EQ(shown->text(), QStringLiteral("-4500"));
    QTest::keyClick(volume, Qt::Key_PageDown);
    EXPECT_EQ(fixture.settings.Volume, 35);
    EXPECT_EQ(shown->text(), QStringLiteral("-6500"));
}

TEST_F(TheMusicPage, StoresTheCountTypedAfterTheCountRadio) {
    fixture.settings.Repeat = 0;
    openMusicPage();
    auto* count = find<QLineEdit>("repeatVal");
    EXPECT_FALSE(count->isEnabled());

    clickBox(find<QRadioButton>("repeatCount"));
    EXPECT_EQ(fixture.settings.Repeat, 2);
    ASSERT_TRUE(count->isEnabled());
    retype(count, QStringLiteral("3"));
    EXPECT_EQ(fixture.settings.RepeatVal, 3);
    retype(count, QStringLiteral("abc"));
    EXPECT_EQ(fixture.settings.RepeatVal, 0);
    EXPECT_EQ(count->text(), QStringLiteral("abc"));
    retype(count, QStringLiteral("12x"));
    EXPECT_EQ(fixture.settings.RepeatVal, 12);

    clickBox(find<QRadioButton>("repeatOnce"));
    EXPECT_EQ(fixture.settings.Repeat, 1);
    EXPECT_FALSE(count->isEnabled());
    clickBox(find<QRadioButton>("repeatEndless"));
    EXPECT_EQ(fixture.settings.Repeat, 0);
    EXPECT_FALSE(count->isEnabled());
}

TEST_F(TheMusicPage, StoresTheFileNamePartOfTheMidiFileTypedOrChosen) {
    openMusicPage();
    auto* file = find<QLineEdit>("midiFile");
    retype(file, QStringLiteral("/home/user/music/song.mid"));
    EXPECT_EQ(fixture.settings.MIDIFile, "/home/user/music/song.mid");
    EXPECT_EQ(fixture.settings.MIDIFileName, "song.mid");
    retype(file, QStringLiteral("song.mid"));
    EXPECT_EQ(fixture.settings.MIDIFile, "song.mid");
    EXPECT_EQ(fixture.settings.MIDIFileName, "song.mid");

    fixture.dialogs.openFiles.push_back(QStringLiteral("/data/tunes/夜曲.midi"));
    clickBox(find<CIconButton>("browseMidi"));
    ASSERT_EQ(fixture.dialogs.calls.size(), 1);
    EXPECT_EQ(fixture.dialogs.calls.front().toStdString(), "open||song.mid|" + kMidiFilters);
    EXPECT_EQ(file->text().toStdString(), "/data/tunes/夜曲.midi");
    EXPECT_EQ(fixture.settings.MIDIFile, "/data/tunes/夜曲.midi");
    EXPECT_EQ(fixture.settings.MIDIFileName, "夜曲.midi");

    // Cancelling the dialog keeps the file.
    fixture.dialogs.openFiles.push_back(std::nullopt);
    clickBox(find<CIconButton>("browseMidi"));
    EXPECT_EQ(fixture.settings.MIDIFile, "/data/tunes/夜曲.midi");
}

TEST_F(TheMusicPage, UntickingTheMusicDisablesEverythingButItsBox) {
    fixture.settings.Repeat = 2;
    openMusicPage();
    for (QWidget* control : controls()) {
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    }

    clickBox(find<QCheckBox>("playMusic"));
    EXPECT_EQ(fixture.settings.PlayMusic, 0);
    const std::vector<QWidget*> all = controls();
    EXPECT_TRUE(all.front()->isEnabled());
    for (auto it = all.begin() + 1; it != all.end(); ++it) {
        EXPECT_FALSE((*it)->isEnabled()) << (*it)->objectName().toStdString();
    }

    clickBox(find<QCheckBox>("playMusic"));
    EXPECT_EQ(fixture.settings.PlayMusic, 1);
    for (QWidget* control : controls()) {
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    }
}

TEST_F(TheMusicPage, FollowsTheModeRule) {
    fixture.settings.Mode = 0;
    fixture.settings.Tag = 1;
    openMusicPage();
    for (QWidget* control : controls()) {
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    }

    clickBox(find<QRadioButton>("slideShowMode", kGeneral));
    ASSERT_EQ(fixture.settings.Mode, 1);
    EXPECT_TRUE(find<QCheckBox>("playMusic")->isEnabled());
    EXPECT_TRUE(find<QLineEdit>("midiFile")->isEnabled());
    EXPECT_TRUE(find<QSlider>("volume")->isEnabled());
    // The page's own rules still hold: no count with Repeat 0, no player options for BGSOUND.
    EXPECT_FALSE(find<QLineEdit>("repeatVal")->isEnabled());
    EXPECT_FALSE(find<QCheckBox>("autoPlay")->isEnabled());

    clickBox(find<QRadioButton>("thumbnailMode", kGeneral));
    for (QWidget* control : controls()) {
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    }
}

TEST_F(TheMusicPage, ShowsTheMusicARunTurnedOffWithoutItCountingAsAnEdit) {
    fixture.settings.MIDIFile.clear();
    std::filesystem::create_directories(fixture.dir.file("site/image"));
    openMusicPage();
    fixture.prompter.willAnswer(true);  // go on without music
    fixture.prompter.willAnswer(false); // do not view the result
    fixture.click(control::kCreate);

    ASSERT_FALSE(fixture.prompter.calls.empty());
    EXPECT_EQ(fixture.prompter.calls.front().caption, "MIDI ファイルエラー");
    EXPECT_EQ(fixture.settings.PlayMusic, 0);
    EXPECT_FALSE(find<QCheckBox>("playMusic")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("playMusic")->isEnabled());
    EXPECT_FALSE(find<QLineEdit>("midiFile")->isEnabled());
}

TEST_F(TheMusicPage, StopsAPlayingPreviewWithASecondPressAndRestartsAnEndedOneWithOne) {
    fixture.settings.MIDIFile = "/music/a.mid";
    openMusicPage();
    pressPreview();
    EXPECT_EQ(log->calls, (Calls{"open|/music/a.mid", "play"}));
    pressPreview();
    EXPECT_EQ(log->calls, (Calls{"open|/music/a.mid", "play", "stop"}));
    pressPreview();
    EXPECT_EQ(log->calls,
              (Calls{"open|/music/a.mid", "play", "stop", "close", "open|/music/a.mid", "play"}));

    log->calls.clear();
    log->ended = true;
    const int asked = log->endQueries;
    ASSERT_TRUE(waitUntil([&] { return log->endQueries > asked; }));
    pressPreview();
    EXPECT_EQ(log->calls, (Calls{"close", "open|/music/a.mid", "play"}));
    EXPECT_TRUE(fixture.prompter.calls.empty());
}

TEST_F(TheMusicPage, StopsAPlayingPreviewWhenAnotherFileIsChosen) {
    fixture.settings.MIDIFile = "/music/a.mid";
    openMusicPage();
    pressPreview();
    fixture.dialogs.openFiles.push_back(QStringLiteral("/music/b.mid"));
    clickBox(find<CIconButton>("browseMidi"));
    EXPECT_EQ(log->calls, (Calls{"open|/music/a.mid", "play", "stop"}));
    pressPreview();
    EXPECT_EQ(log->calls,
              (Calls{"open|/music/a.mid", "play", "stop", "close", "open|/music/b.mid", "play"}));

    // The page closes the player when it goes with the window.
    log->calls.clear();
    fixture.open();
    EXPECT_EQ(log->calls, (Calls{"close"}));
}

TEST_F(TheMusicPage, ReportsAFailedPreviewInThePlayersWordsUnderNoCaption) {
    fixture.settings.MIDIFile = "/music/none.mid";
    log->openFailure = "/music/none.mid: No such file or directory";
    openMusicPage();
    pressPreview();
    pressPreview();
    EXPECT_EQ(log->calls, (Calls{"open|/music/none.mid", "open|/music/none.mid"}));
    const Call report{Kind::Message, "", "/music/none.mid: No such file or directory",
                      PromptIcon::None};
    EXPECT_EQ(fixture.prompter.calls, (std::vector<Call>{report, report}));

    // Nothing opened, nothing to close.
    log->calls.clear();
    fixture.open();
    EXPECT_TRUE(log->calls.empty());
}

TEST_F(TheMusicPage, ShowsWhatIsStoredWhenARunRefusesAnEdit) {
    fixture.settings.MIDIFile = "/music/a.mid";
    fixture.settings.Volume = 50;
    openMusicPage();
    const std::vector<std::string> before = storedTexts(fixture.settings);
    const RunInProgress::Scope run(fixture.window().panel().runInProgress());

    clickBox(find<QCheckBox>("playMusic"));
    EXPECT_TRUE(find<QCheckBox>("playMusic")->isChecked());
    EXPECT_TRUE(find<QLineEdit>("midiFile")->isEnabled());
    clickBox(find<QRadioButton>("bgsound"));
    EXPECT_TRUE(find<QRadioButton>("embed")->isChecked());
    EXPECT_EQ(find<QLineEdit>("volumeText")->text(), QStringLiteral("50"));
    clickBox(find<QRadioButton>("repeatCount"));
    EXPECT_TRUE(find<QRadioButton>("repeatEndless")->isChecked());
    EXPECT_FALSE(find<QLineEdit>("repeatVal")->isEnabled());
    auto* volume = find<QSlider>("volume");
    volume->setFocus();
    QTest::keyClick(volume, Qt::Key_Right);
    EXPECT_EQ(volume->value(), 50);
    clickBox(find<QCheckBox>("panel"));
    EXPECT_FALSE(find<QCheckBox>("panel")->isChecked());
    retype(find<QLineEdit>("midiFile"), QStringLiteral("b.mid"));
    EXPECT_EQ(find<QLineEdit>("midiFile")->text(), QStringLiteral("/music/a.mid"));
    EXPECT_EQ(storedTexts(fixture.settings), before);
}

} // namespace
} // namespace vistrel::ui::test
