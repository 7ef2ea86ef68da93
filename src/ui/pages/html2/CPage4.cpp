// SPDX-License-Identifier: MIT
#include "ui/pages/html2/CPage4.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "app/ControlStates.h"
#include "app/Settings.h"
#include "app/SettingsControls.h"
#include "app/SettingsTable.h"
#include "catalogue/ImageListPanel.h"
#include "ui/controls/ColourRow.h"
#include "ui/icons/IconPaths.h"
#include "ui/pages/html2/CSetNavLayout.h"
#include "ui/shell/QtText.h"
#include "ui_CPage4.h"

namespace vistrel::ui {
namespace {

constexpr std::int32_t kAboveTheImage = 2;
constexpr std::int32_t kBelowTheImage = 1;
constexpr int kIconSize = 16;

ColourRow* makeColourRow(FileDialogs& dialogs, const char* name, QWidget* parent) {
    auto* row = new ColourRow(dialogs, parent);
    row->setObjectName(QString::fromUtf8(name));
    return row;
}

} // namespace

CPage4::CPage4(PageContext& context, QWidget* parent)
    : SettingsPage(context, parent), m_ui(std::make_unique<Ui::CPage4>()),
      m_colours{{
          {makeColourRow(context.seams.dialogs, "linkColourRow", this), "AlinkColor",
           context.settings.AlinkColor},
          {makeColourRow(context.seams.dialogs, "visitedColourRow", this), "VlinkColor",
           context.settings.VlinkColor},
          {makeColourRow(context.seams.dialogs, "activeColourRow", this), "HlinkColor",
           context.settings.HlinkColor},
      }} {
    m_ui->setupUi(this);
    for (std::size_t i = 0; i < m_colours.size(); ++i) {
        m_ui->bodyLayout->addWidget(m_colours.at(i).row, static_cast<int>(i), 1);
    }
    m_ui->defaultsButton->SetIcon(QString::fromUtf8(icons::kDefaults), kIconSize, kIconSize);
    m_ui->defaultsButton->setToolTip(m_ui->defaultsLabel->text());
    m_ui->defaultsButton->setAccessibleName(m_ui->defaultsLabel->text());

    fill();

    Settings& s = settings();
    connectText(m_ui->homeNameText, "HPName", s.HPName);
    connectText(m_ui->homeUrlText, "HPURL", s.HPURL);
    connectText(m_ui->nextText, "NextImage", s.NextImage);
    connectText(m_ui->previousText, "PrevImage", s.PrevImage);
    connect(m_ui->indexText, &QLineEdit::textEdited, this, &CPage4::indexLinkEdited);
    connect(m_ui->aboveBox, &QCheckBox::clicked, this,
            [this] { positionClicked(m_ui->aboveBox, kAboveTheImage); });
    connect(m_ui->belowBox, &QCheckBox::clicked, this,
            [this] { positionClicked(m_ui->belowBox, kBelowTheImage); });
    connect(m_ui->layoutButton, &QAbstractButton::clicked, this, &CPage4::openLayout);
    for (const LinkColour& colour : m_colours) {
        connect(colour.row, &ColourRow::edited, this,
                [this, &colour](const QString& text) { colourEdited(colour, text); });
    }
    connect(m_ui->defaultsButton, &QAbstractButton::clicked, this, &CPage4::restoreDefaultColours);
}

CPage4::~CPage4() = default;

void CPage4::fill() {
    const Settings& s = settings();
    // setText reports no edit, so the page's own filling stores nothing.
    m_ui->homeNameText->setText(qText(s.HPName));
    m_ui->homeUrlText->setText(qText(s.HPURL));
    m_ui->nextText->setText(qText(s.NextImage));
    m_ui->previousText->setText(qText(s.PrevImage));
    m_ui->indexText->setText(qText(s.ThumbNail));
    const QSignalBlocker above(m_ui->aboveBox);
    const QSignalBlocker below(m_ui->belowBox);
    m_ui->aboveBox->setChecked((s.NavPos & kAboveTheImage) != 0);
    m_ui->belowBox->setChecked((s.NavPos & kBelowTheImage) != 0);
    for (const LinkColour& colour : m_colours) {
        colour.row->setText(qText(colour.stored));
    }
}

void CPage4::connectText(QLineEdit* edit, std::string_view key, const std::string& stored) {
    connect(edit, &QLineEdit::textEdited, this, [this, edit, key, &stored](const QString& text) {
        if (!store(key, stdText(text))) {
            edit->setText(qText(stored));
        }
    });
}

void CPage4::showControlStates(const ControlStates& states) {
    const std::array<QWidget*, 5> pageLinks{m_ui->nextText, m_ui->previousText, m_ui->aboveBox,
                                            m_ui->belowBox, m_ui->layoutButton};
    for (QWidget* control : pageLinks) {
        control->setEnabled(states.pageLinks);
    }
    m_ui->indexText->setEnabled(states.indexLink);
}

void CPage4::indexLinkEdited(const QString& text) {
    // An emptied box links back with the default text; the box itself stays empty.
    if (!store("ThumbNail", thumbNailFromText(stdText(text)))) {
        m_ui->indexText->setText(qText(settings().ThumbNail));
    }
}

void CPage4::positionClicked(QCheckBox* box, std::int32_t bit) {
    const std::int32_t navPos = settings().NavPos;
    if (!store("NavPos", box->isChecked() ? (navPos | bit) : (navPos & ~bit))) {
        box->setChecked((navPos & bit) != 0);
    }
}

void CPage4::openLayout() {
    if (context().panel.runInProgress().active()) {
        return;
    }
    CSetNavLayout dialog(context(), this);
    dialog.exec();
}

void CPage4::colourEdited(const LinkColour& colour, const QString& text) {
    if (!store(colour.key, stdText(text))) {
        colour.row->setText(qText(colour.stored));
    }
}

void CPage4::restoreDefaultColours() {
    for (const LinkColour& colour : m_colours) {
        const std::string_view defaultText = findSetting(colour.key)->defaultText;
        colour.row->setText(qText(defaultText));
        colourEdited(colour, qText(defaultText));
    }
}

} // namespace vistrel::ui
