// SPDX-License-Identifier: MIT
#include "ui/pages/general/CPage1.h"

#include <array>
#include <optional>
#include <string>

#include "app/ControlStates.h"
#include "app/Settings.h"
#include "app/SettingsControls.h"
#include "platform/PathText.h"
#include "ui/icons/IconPaths.h"
#include "ui/options/SetUpForm.h"
#include "ui/pages/ChoiceControls.h"
#include "ui/pages/TypedNumber.h"
#include "ui/pages/general/CSetSize.h"
#include "ui/shell/FileDialogs.h"
#include "ui/shell/QtText.h"
#include "ui_CPage1.h"

namespace vistrel::ui {
namespace {

constexpr const char* kBrowseTitle = "HTML ファイルを出力するフォルダを選んでください";
constexpr int kIconSize = 16;
// Thumbres of the four size buttons, in their order; the last is the free size.
constexpr std::array<std::int32_t, 4> kSizeChoices{2, 3, 4, 5};
constexpr std::int32_t kFreeSize = kSizeChoices.back();
// Room for six digits in the width and height boxes.
constexpr const char* kWidestResolution = "000000";

std::optional<std::size_t> sizeChoicePosition(std::int32_t thumbres) {
    for (std::size_t i = 0; i < kSizeChoices.size(); ++i) {
        if (kSizeChoices.at(i) == thumbres) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace

CPage1::CPage1(PageContext& context, QWidget* parent)
    : SettingsPage(context, parent), m_ui(setUpForm<Ui::CPage1>(this)) {
    m_ui->browseHtmlPath->SetIcon(QString::fromUtf8(icons::kBrowse), kIconSize, kIconSize);
    m_ui->browseHtmlPath->setToolTip(QStringLiteral("フォルダを選ぶ"));
    m_ui->browseHtmlPath->setAccessibleName(QStringLiteral("HTML ファイルの出力先を選ぶ"));
    // Enter belongs to the window, which takes it without closing.
    m_ui->browseHtmlPath->setAutoDefault(false);
    m_ui->setSize->setAutoDefault(false);
    const int numberWidth =
        m_ui->resx->fontMetrics().horizontalAdvance(QString::fromUtf8(kWidestResolution)) +
        m_ui->resx->minimumSizeHint().width();
    m_ui->resx->setFixedWidth(numberWidth);
    m_ui->resy->setFixedWidth(numberWidth);

    // The page listens only to what the user does (clicked, activated, textEdited), so filling
    // the controls here stores nothing.
    const Settings& s = settings();
    showHtmlPath();
    showHtmlFile();
    showChoice(m_ui->htmlExt, s.HTMLExt);
    m_ui->subFolder->setText(qText(s.SubFolder));
    showMode();
    showMakePage();
    showThumbnailSize();
    showResize();
    m_ui->resx->setText(QString::number(s.Resx));
    m_ui->resy->setText(QString::number(s.Resy));
    m_ui->keepRatio->setChecked(s.KeepRatio == 1);
    showChoice(m_ui->unit, s.Unit);

    wireControls();
    context.changes.addObserver(this);
}

CPage1::~CPage1() {
    context().changes.removeObserver(this);
}

void CPage1::wireControls() {
    connect(m_ui->htmlPath, &QLineEdit::textEdited, this, &CPage1::htmlPathEdited);
    connect(m_ui->browseHtmlPath, &QAbstractButton::clicked, this, &CPage1::browseHtmlPath);
    connect(m_ui->htmlFile, &QLineEdit::textEdited, this, &CPage1::htmlFileEdited);
    connect(m_ui->htmlExt, &QComboBox::activated, this, [this](int index) {
        if (!store("HTMLExt", index)) {
            showChoice(m_ui->htmlExt, settings().HTMLExt);
        }
    });
    connect(m_ui->subFolder, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!store("SubFolder", stdText(text))) {
            m_ui->subFolder->setText(qText(settings().SubFolder));
        }
    });
    connect(m_ui->thumbnailMode, &QAbstractButton::clicked, this, [this] { modeClicked(0); });
    connect(m_ui->slideShowMode, &QAbstractButton::clicked, this, [this] { modeClicked(1); });
    connect(m_ui->makePage, &QAbstractButton::clicked, this, &CPage1::makePageClicked);
    const std::array<QAbstractButton*, 3> presets{m_ui->size80, m_ui->size100, m_ui->size120};
    for (std::size_t i = 0; i < presets.size(); ++i) {
        connect(presets.at(i), &QAbstractButton::clicked, this,
                [this, i] { presetClicked(kSizeChoices.at(i)); });
    }
    connect(m_ui->sizeOther, &QAbstractButton::clicked, this, &CPage1::otherSizeClicked);
    connect(m_ui->setSize, &QAbstractButton::clicked, this,
            [this] { askThumbnailSize(settings().Thumbres); });
    connect(m_ui->changeRes, &QAbstractButton::clicked, this, &CPage1::changeResClicked);
    connect(m_ui->resx, &QLineEdit::textEdited, this,
            [this](const QString& text) { numberEdited("Resx", text); });
    connect(m_ui->resy, &QLineEdit::textEdited, this,
            [this](const QString& text) { numberEdited("Resy", text); });
    connect(m_ui->unit, &QComboBox::activated, this, [this](int index) {
        if (!store("Unit", index)) {
            showChoice(m_ui->unit, settings().Unit);
        }
    });
    connect(m_ui->keepRatio, &QAbstractButton::clicked, this, [this](bool checked) {
        if (!store("KeepRatio", checked ? 1 : 0)) {
            m_ui->keepRatio->setChecked(settings().KeepRatio == 1);
        }
    });
}

void CPage1::showControlStates(const ControlStates& states) {
    m_ui->makePage->setEnabled(states.mainPageBox);
    const std::array<QWidget*, 5> sizeChoices{m_ui->size80, m_ui->size100, m_ui->size120,
                                              m_ui->sizeOther, m_ui->setSize};
    for (QWidget* choice : sizeChoices) {
        choice->setEnabled(states.sizeChoices);
    }
    m_ui->changeRes->setEnabled(states.resizeBox);
    const std::array<QWidget*, 4> resizeFields{m_ui->resx, m_ui->resy, m_ui->unit, m_ui->keepRatio};
    for (QWidget* field : resizeFields) {
        field->setEnabled(states.resizeFields);
    }
}

void CPage1::settingChanged(std::string_view key) {
    // A run completes the folder with its final "/"; the box follows without that counting as
    // an edit, and an edit of the user's own (already what the box shows) keeps the cursor.
    if (key == "HTMLPath") {
        showHtmlPath();
    }
}

void CPage1::showHtmlPath() {
    const QString stored = qText(settings().HTMLPath);
    if (m_ui->htmlPath->text() != stored) {
        m_ui->htmlPath->setText(stored);
    }
}

void CPage1::showHtmlFile() {
    m_ui->htmlFile->setText(qText(settings().HTMLFile));
}

void CPage1::showMode() {
    checkOnly({m_ui->thumbnailMode, m_ui->slideShowMode}, settings().Mode == 0 ? 0 : 1);
}

void CPage1::showMakePage() {
    m_ui->makePage->setChecked(settings().MakePage == 1);
}

void CPage1::showThumbnailSize() {
    Settings& s = settings();
    const std::int32_t sizeBefore = s.ThumSize;
    m_ui->sizeLine->setText(qText(thumbnailSizeLine(s)));
    if (s.ThumSize != sizeBefore) {
        // A preset has just set its own size; the views hear of it as of any other change.
        context().changes.changed("ThumSize");
    }
    checkOnly({m_ui->size80, m_ui->size100, m_ui->size120, m_ui->sizeOther},
              sizeChoicePosition(s.Thumbres));
}

void CPage1::showResize() {
    m_ui->changeRes->setChecked(settings().Changeres == 1);
}

void CPage1::htmlPathEdited(const QString& text) {
    if (!store("HTMLPath", stdText(text))) {
        showHtmlPath();
    }
}

void CPage1::browseHtmlPath() {
    const std::optional<QString> chosen = context().seams.dialogs.chooseFolder(
        this, QString::fromUtf8(kBrowseTitle), m_ui->htmlPath->text());
    if (!chosen) {
        return;
    }
    const QString folder = qText(withFinalSlash(stdText(*chosen)));
    m_ui->htmlPath->setText(folder);
    htmlPathEdited(folder);
}

void CPage1::htmlFileEdited(const QString& text) {
    if (!store("HTMLFile", htmlFileFromTyped(stdText(text)))) {
        showHtmlFile();
    }
}

void CPage1::modeClicked(std::int32_t mode) {
    if (!store("Mode", mode)) {
        showMode();
        return;
    }
    context().applyModeRule();
}

void CPage1::makePageClicked(bool checked) {
    if (!store("MakePage", checked ? 1 : 0)) {
        showMakePage();
        return;
    }
    // Without main pages there is nothing to resize: the box shows what is stored.
    if (!checked && store("Changeres", 0)) {
        showResize();
    }
    context().applyModeRule();
}

void CPage1::presetClicked(std::int32_t thumbres) {
    store("Thumbres", thumbres);
    showThumbnailSize();
}

void CPage1::otherSizeClicked() {
    const std::int32_t presetBefore = settings().Thumbres;
    if (!store("Thumbres", kFreeSize)) {
        showThumbnailSize();
        return;
    }
    askThumbnailSize(presetBefore);
}

void CPage1::askThumbnailSize(std::int32_t presetBefore) {
    CSetSize dialog(settings().ThumSize, context().seams.prompter, this);
    if (dialog.exec() == QDialog::Accepted) {
        if (store("Thumbres", kFreeSize)) {
            store("ThumSize", dialog.size());
        }
    } else if (settings().Thumbres != presetBefore) {
        store("Thumbres", presetBefore);
    }
    showThumbnailSize();
}

void CPage1::changeResClicked(bool checked) {
    if (!store("Changeres", checked ? 1 : 0)) {
        showResize();
        return;
    }
    context().applyModeRule();
}

void CPage1::numberEdited(std::string_view key, const QString& text) {
    if (!store(key, typedNumber(text))) {
        const Settings& s = settings();
        m_ui->resx->setText(QString::number(s.Resx));
        m_ui->resy->setText(QString::number(s.Resy));
    }
}

} // namespace vistrel::ui
