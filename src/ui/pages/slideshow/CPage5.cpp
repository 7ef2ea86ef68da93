// SPDX-License-Identifier: MIT
#include "ui/pages/slideshow/CPage5.h"

#include <array>
#include <optional>

#include <QCheckBox>
#include <QLineEdit>

#include "app/ControlStates.h"
#include "app/Settings.h"
#include "ui/options/SetUpForm.h"
#include "ui/pages/ChoiceControls.h"
#include "ui/pages/slideshow/RoundCount.h"
#include "ui/shell/QtText.h"
#include "ui_CPage5.h"

namespace vistrel::ui {
namespace {

// The transition effects in the order of their TransNum values; the last one picks any of the
// others at random.
constexpr std::array<const char*, 24> kEffects{
    "四角（外から中）",
    "四角（中から外）",
    "円（外から中）",
    "円（中から外）",
    "上から下",
    "下から上",
    "左から右",
    "右から左",
    "ブラインド（左右）",
    "ブラインド（上下）",
    "市松（左右）",
    "市松（上下）",
    "砂",
    "左右観音開き（外から中）",
    "左右観音開き（中から外）",
    "上下観音開き（外から中）",
    "上下観音開き（中から外）",
    "右上から左下",
    "右下から左上",
    "左上から右下",
    "左下から右上",
    "すだれ（上下）",
    "すだれ（左右）",
    "全種類をランダムに",
};
constexpr int kListedRounds = 10;
// Room for a few seconds with a fraction in the interval box.
constexpr const char* kWidestTimeout = "000.00";

} // namespace

CPage5::CPage5(PageContext& context, QWidget* parent)
    : SettingsPage(context, parent), m_ui(setUpForm<Ui::CPage5>(this)) {
    for (const char* effect : kEffects) {
        m_ui->transNum->addItem(QString::fromUtf8(effect));
    }
    for (int rounds = 1; rounds <= kListedRounds; ++rounds) {
        m_ui->rounds->addItem(QString::number(rounds));
    }
    // What is typed is what is stored: no completion from the list.
    m_ui->rounds->setCompleter(nullptr);
    m_ui->rounds->setAccessibleName(m_ui->slideStop->text());
    m_ui->timeout->setFixedWidth(
        m_ui->timeout->fontMetrics().horizontalAdvance(QString::fromUtf8(kWidestTimeout)) +
        m_ui->timeout->minimumSizeHint().width());

    fill();
    wireControls();
}

CPage5::~CPage5() = default;

void CPage5::wireControls() {
    const Settings& s = settings();
    connect(m_ui->timeout, &QLineEdit::textEdited, this, &CPage5::timeoutEdited);
    connectBox(m_ui->preLoad, "PreLoad", s.PreLoad, [this] { applyModeRule(); });
    connect(m_ui->preLoadThird, &QAbstractButton::clicked, this, [this] { preLoadNumClicked(0); });
    connect(m_ui->preLoadHalf, &QAbstractButton::clicked, this, [this] { preLoadNumClicked(1); });
    connect(m_ui->preLoadAll, &QAbstractButton::clicked, this, [this] { preLoadNumClicked(2); });
    connectBox(m_ui->transition, "Transition", s.Transition, [this] { applyModeRule(); });
    connect(m_ui->transNum, &QComboBox::activated, this, &CPage5::transNumChosen);
    connectBox(m_ui->start, "Start", s.Start);
    connect(m_ui->slideStop, &QAbstractButton::clicked, this, &CPage5::slideStopClicked);
    connect(m_ui->rounds, &QComboBox::activated, this,
            [this](int index) { roundsChanged(m_ui->rounds->itemText(index)); });
    connect(m_ui->rounds->lineEdit(), &QLineEdit::textEdited, this, &CPage5::roundsChanged);
    connectBox(m_ui->button, "Button", s.Button, [this] { showDependentBoxes(); });
    connectBox(m_ui->comment, "Comment", s.Comment, [this] { showDependentBoxes(); });
    connectBox(m_ui->align, "Align", s.Align);
}

void CPage5::showControlStates(const ControlStates& states) {
    // Disabling a group disables what it holds, the start-stopped and centre boxes included,
    // whatever their own boxes say; enabling it again gives them back their own state.
    m_ui->behaviourGroup->setEnabled(states.slideShow);
    m_ui->layoutGroup->setEnabled(states.slideShow);
    m_ui->preLoadNumGroup->setEnabled(states.preloadCounts);
    m_ui->transNumLabel->setEnabled(states.effectList);
    m_ui->transNum->setEnabled(states.effectList);
    m_ui->rounds->setEnabled(states.roundList);
}

void CPage5::fill() {
    const Settings& s = settings();
    m_ui->timeout->setText(qText(s.Timeout));
    m_ui->preLoad->setChecked(s.PreLoad != 0);
    showPreLoadNum();
    m_ui->transition->setChecked(s.Transition != 0);
    showTransNum();
    m_ui->start->setChecked(s.Start != 0);
    m_ui->button->setChecked(s.Button != 0);
    m_ui->comment->setChecked(s.Comment != 0);
    m_ui->align->setChecked(s.Align != 0);
    showDependentBoxes();
    showRounds();
}

void CPage5::showPreLoadNum() {
    checkOnly({m_ui->preLoadThird, m_ui->preLoadHalf, m_ui->preLoadAll},
              choicePosition(settings().PreLoadNum, 3));
}

void CPage5::showTransNum() {
    showChoice(m_ui->transNum, settings().TransNum);
}

void CPage5::showRounds() {
    const std::int32_t count = settings().SlideStop;
    m_ui->slideStop->setChecked(count != 0);
    // Without a stop the list shows its first entry, the count a tick of the box stores.
    showRoundCount(count != 0 ? count : 1);
}

void CPage5::showRoundCount(std::int32_t count) {
    // A count beyond the list selects no entry but still shows, as the number stored.
    m_ui->rounds->setCurrentIndex(count >= 1 && count <= kListedRounds ? count - 1 : -1);
    m_ui->rounds->setEditText(QString::number(count));
}

void CPage5::showDependentBoxes() {
    const Settings& s = settings();
    m_ui->start->setEnabled(s.Button != 0);
    m_ui->align->setEnabled(s.Comment != 0);
}

void CPage5::applyModeRule() {
    context().applyModeRule();
}

void CPage5::timeoutEdited(const QString& text) {
    if (!store("Timeout", stdText(text))) {
        m_ui->timeout->setText(qText(settings().Timeout));
    }
}

void CPage5::preLoadNumClicked(std::int32_t value) {
    if (!store("PreLoadNum", value)) {
        showPreLoadNum();
    }
}

void CPage5::transNumChosen(int index) {
    if (!store("TransNum", index)) {
        showTransNum();
    }
}

void CPage5::slideStopClicked(bool checked) {
    // A tick stores the count the list shows, so that what the page shows is what the show
    // does; a list that shows no count goes back to its first entry.
    const std::int32_t count =
        checked ? roundCountFromText(stdText(m_ui->rounds->currentText())).value_or(1) : 0;
    if (!store("SlideStop", count)) {
        showRounds();
    } else if (checked) {
        showRoundCount(count);
    }
    applyModeRule();
}

void CPage5::roundsChanged(const QString& text) {
    const std::optional<std::int32_t> count = roundCountFromText(stdText(text));
    if (!count) {
        return;
    }
    if (!store("SlideStop", *count)) {
        showRounds();
    }
    applyModeRule();
}

} // namespace vistrel::ui
