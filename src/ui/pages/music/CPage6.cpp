// SPDX-License-Identifier: MIT
#include "ui/pages/music/CPage6.h"

#include <array>
#include <optional>
#include <string>

#include "app/Settings.h"
#include "app/SettingsControls.h"
#include "platform/PathText.h"
#include "platform/Prompter.h"
#include "ui/icons/IconPaths.h"
#include "ui/options/SetUpForm.h"
#include "ui/pages/TypedNumber.h"
#include "ui/pages/music/MidiPlayer.h"
#include "ui/shell/FileDialogs.h"
#include "ui/shell/QtText.h"
#include "ui_CPage6.h"

namespace vistrel::ui {
namespace {

constexpr int kIconSize = 16;
constexpr const char* kMidiFilters = "MIDI ﾌｧｲﾙ (*.mid *.midi);;すべての ﾌｧｲﾙ (*)";
constexpr int kVolumeTick = 10;
constexpr int kVolumePage = 20;
constexpr int kVolumeLine = 5;
constexpr int kMaxVolume = 100;
// How often a playing preview is looked at for its end.
constexpr int kEndPollMs = 250;
// Room for the widest volume the box shows and for a count of four digits.
constexpr const char* kWidestVolume = "-10000";
constexpr const char* kWidestCount = "0000";

// The Repeat values of the first two radios; any other is a given count.
constexpr std::int32_t kRepeatEndless = 0;
constexpr std::int32_t kRepeatOnce = 1;
constexpr std::int32_t kRepeatCount = 2;

bool isCount(std::int32_t repeat) {
    return repeat != kRepeatEndless && repeat != kRepeatOnce;
}

void fitText(QLineEdit* box, const char* widest) {
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString::fromUtf8(widest)) +
                         box->minimumSizeHint().width());
}

} // namespace

CPage6::CPage6(PageContext& context, QWidget* parent)
    : SettingsPage(context, parent), m_ui(setUpForm<Ui::CPage6>(this)), m_player(makeMidiPlayer()) {
    m_ui->browseMidi->SetIcon(QString::fromUtf8(icons::kBrowse), kIconSize, kIconSize);
    m_ui->browseMidi->setToolTip(QStringLiteral("ファイルを選ぶ"));
    m_ui->browseMidi->setAccessibleName(QStringLiteral("MIDI ファイルを選ぶ"));
    m_ui->preview->SetIcon(QString::fromUtf8(icons::kPreviewMusic), kIconSize, kIconSize);
    m_ui->preview->setToolTip(QStringLiteral("試聴する／止める"));
    m_ui->preview->setAccessibleName(QStringLiteral("MIDI ファイルの試聴"));
    // Enter belongs to the window, which takes it without closing.
    m_ui->browseMidi->setAutoDefault(false);
    m_ui->preview->setAutoDefault(false);
    m_ui->volume->setRange(0, kMaxVolume);
    m_ui->volume->setTickInterval(kVolumeTick);
    m_ui->volume->setPageStep(kVolumePage);
    m_ui->volume->setSingleStep(kVolumeLine);
    fitText(m_ui->volumeText, kWidestVolume);
    fitText(m_ui->repeatVal, kWidestCount);
    m_endPoll.setInterval(kEndPollMs);

    // The page listens only to what the user does, so filling the controls stores nothing.
    const Settings& s = settings();
    showPlayMusic();
    showMidiFile();
    showTag();
    showRepeat();
    m_ui->repeatVal->setText(QString::number(s.RepeatVal));
    showVolume();
    m_ui->autoPlay->setChecked(s.AutoPlay != 0);
    m_ui->panel->setChecked(s.Panel != 0);
    showEnabling();

    wireControls();
    context.changes.addObserver(this);
}

CPage6::~CPage6() {
    context().changes.removeObserver(this);
    if (m_deviceOpen) {
        m_player->close();
    }
}

void CPage6::wireControls() {
    connect(m_ui->playMusic, &QAbstractButton::clicked, this, &CPage6::playMusicClicked);
    connect(m_ui->embed, &QAbstractButton::clicked, this, [this] { tagClicked(0); });
    connect(m_ui->bgsound, &QAbstractButton::clicked, this, [this] { tagClicked(1); });
    connect(m_ui->repeatEndless, &QAbstractButton::clicked, this,
            [this] { repeatClicked(kRepeatEndless); });
    connect(m_ui->repeatOnce, &QAbstractButton::clicked, this,
            [this] { repeatClicked(kRepeatOnce); });
    connect(m_ui->repeatCount, &QAbstractButton::clicked, this,
            [this] { repeatClicked(kRepeatCount); });
    connect(m_ui->repeatVal, &QLineEdit::textEdited, this, &CPage6::repeatValEdited);
    // The page fills the track bar with its signals blocked, so every change seen here is the
    // user's (a drag, a click beside the handle, a key).
    connect(m_ui->volume, &QSlider::valueChanged, this, &CPage6::volumeMoved);
    connectBox(m_ui->autoPlay, "AutoPlay", settings().AutoPlay);
    connectBox(m_ui->panel, "Panel", settings().Panel);
    connect(m_ui->midiFile, &QLineEdit::textEdited, this, &CPage6::midiFileEdited);
    connect(m_ui->browseMidi, &QAbstractButton::clicked, this, &CPage6::browseMidiFile);
    connect(m_ui->preview, &QAbstractButton::clicked, this, &CPage6::togglePreview);
    connect(&m_endPoll, &QTimer::timeout, this, &CPage6::checkPreviewEnded);
}

void CPage6::showControlStates(const ControlStates& states) {
    m_states = states;
    showEnabling();
}

void CPage6::settingChanged(std::string_view key) {
    // The run turns the music off when the user declines to go on without the file; the box
    // follows what is stored.
    if (key == "PlayMusic") {
        showPlayMusic();
        showEnabling();
    }
}

void CPage6::showEnabling() {
    const Settings& s = settings();
    const bool music = m_states.music && s.PlayMusic == 1;
    const bool embed = music && s.Tag == 0;
    m_ui->playMusic->setEnabled(m_states.music);
    const std::array<QWidget*, 10> controls{
        m_ui->midiFile,      m_ui->browseMidi, m_ui->preview,     m_ui->embed,  m_ui->bgsound,
        m_ui->repeatEndless, m_ui->repeatOnce, m_ui->repeatCount, m_ui->volume, m_ui->volumeText};
    for (QWidget* control : controls) {
        control->setEnabled(music);
    }
    m_ui->repeatVal->setEnabled(music && isCount(s.Repeat));
    m_ui->autoPlay->setEnabled(embed);
    m_ui->panel->setEnabled(embed);
}

void CPage6::showPlayMusic() {
    m_ui->playMusic->setChecked(settings().PlayMusic == 1);
}

void CPage6::showTag() {
    (settings().Tag != 0 ? m_ui->bgsound : m_ui->embed)->setChecked(true);
}

void CPage6::showRepeat() {
    const std::int32_t repeat = settings().Repeat;
    QAbstractButton* radio = repeat == kRepeatEndless ? m_ui->repeatEndless
                             : repeat == kRepeatOnce  ? m_ui->repeatOnce
                                                      : m_ui->repeatCount;
    radio->setChecked(true);
}

void CPage6::showVolume() {
    const Settings& s = settings();
    const QSignalBlocker blocker(m_ui->volume);
    m_ui->volume->setValue(s.Volume);
    m_ui->volumeText->setText(QString::number(volumeDisplay(s.Volume, s.Tag)));
}

void CPage6::showMidiFile() {
    m_ui->midiFile->setText(qText(settings().MIDIFile));
}

void CPage6::playMusicClicked(bool checked) {
    if (!store("PlayMusic", checked ? 1 : 0)) {
        showPlayMusic();
    }
    showEnabling();
}

void CPage6::tagClicked(std::int32_t tag) {
    // A click on the tag already chosen changes nothing: the box's arithmetic only switches.
    if ((settings().Tag != 0) == (tag != 0)) {
        return;
    }
    if (!store("Tag", tag)) {
        showTag();
        return;
    }
    const std::int64_t shown = typedNumber(m_ui->volumeText->text());
    m_ui->volumeText->setText(
        QString::number(tag == 0 ? volumeShownForEmbed(shown) : volumeShownForBgsound(shown)));
    showEnabling();
}

void CPage6::repeatClicked(std::int32_t repeat) {
    if (!store("Repeat", repeat)) {
        showRepeat();
    }
    showEnabling();
}

void CPage6::repeatValEdited(const QString& text) {
    // The box keeps what was typed; the setting takes the number it starts with, 0 for none.
    if (!store("RepeatVal", typedNumber(text))) {
        m_ui->repeatVal->setText(QString::number(settings().RepeatVal));
    }
}

void CPage6::volumeMoved(int position) {
    store("Volume", position);
    showVolume();
}

void CPage6::midiFileEdited(const QString& text) {
    const std::string path = stdText(text);
    if (!store("MIDIFile", path)) {
        showMidiFile();
        return;
    }
    store("MIDIFileName", fileNamePart(path));
}

void CPage6::browseMidiFile() {
    const std::optional<QString> chosen = context().seams.dialogs.openFile(
        this, QString(), m_ui->midiFile->text(), QString::fromUtf8(kMidiFilters));
    if (!chosen) {
        return;
    }
    m_ui->midiFile->setText(*chosen);
    midiFileEdited(*chosen);
    // What plays is no longer what the box names.
    if (m_playing) {
        stopPreview();
    }
}

void CPage6::togglePreview() {
    if (m_playing) {
        stopPreview();
        return;
    }
    if (m_deviceOpen) {
        m_player->close();
        m_deviceOpen = false;
    }
    if (!m_player->open(stdText(m_ui->midiFile->text()))) {
        reportPlayerError();
        return;
    }
    m_deviceOpen = true;
    // A preview that does not start is not playing: the next press tries again.
    if (!m_player->play()) {
        reportPlayerError();
        return;
    }
    m_playing = true;
    m_endPoll.start();
}

void CPage6::stopPreview() {
    m_playing = false;
    m_endPoll.stop();
    if (!m_player->stop()) {
        reportPlayerError();
    }
}

void CPage6::checkPreviewEnded() {
    if (m_playing && m_player->finished()) {
        m_playing = false;
        m_endPoll.stop();
    }
}

void CPage6::reportPlayerError() {
    // The player's own words, under no caption of the program's.
    context().seams.prompter.message("", m_player->errorText(), PromptIcon::None);
}

} // namespace vistrel::ui
