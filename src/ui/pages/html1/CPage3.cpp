// SPDX-License-Identifier: MIT
#include "ui/pages/html1/CPage3.h"

#include <array>
#include <optional>
#include <string>

#include "app/ControlStates.h"
#include "app/Settings.h"
#include "app/SettingsControls.h"
#include "app/SettingsTable.h"
#include "platform/PathText.h"
#include "ui/controls/ColourRow.h"
#include "ui/icons/IconPaths.h"
#include "ui/options/SetUpForm.h"
#include "ui/pages/html1/CSetFrameName.h"
#include "ui/shell/FileDialogs.h"
#include "ui/shell/QtText.h"
#include "ui_CPage3.h"

namespace vistrel::ui {
namespace {

constexpr int kIconSize = 16;
constexpr std::array<const char*, 17> kFontSizes{"8",  "9",  "10", "10.5", "11", "12",
                                                 "14", "16", "18", "20",   "22", "24",
                                                 "26", "28", "36", "48",   "72"};
constexpr const char* kImageFilters =
    "画像ﾌｧｲﾙ (*.gif *.png *.jpg *.jpeg);;GIF ﾌｧｲﾙ(*.gif) (*.gif);;"
    "PNG ﾌｧｲﾙ(*.png) (*.png);;JPG ﾌｧｲﾙ(*.jpg,*jpeg) (*.jpg *.jpeg)";
// Room for two digits in the thumbnails-per-row box.
constexpr const char* kWidestImageNum = "000";

// The folder of a path with its final "/", or nothing for a bare name.
QString folderPart(const QString& path) {
    return path.left(path.lastIndexOf(u'/') + 1);
}

} // namespace

CPage3::CPage3(PageContext& context, QWidget* parent)
    : SettingsPage(context, parent), m_ui(setUpForm<Ui::CPage3>(this)),
      m_titleColour(new ColourRow(context.seams.dialogs, this)),
      m_bgColour(new ColourRow(context.seams.dialogs, this)) {
    m_titleColour->setObjectName(QStringLiteral("titleColour"));
    m_bgColour->setObjectName(QStringLiteral("bgColour"));
    m_titleColour->textBox()->setAccessibleName(QStringLiteral("タイトル色"));
    m_bgColour->textBox()->setAccessibleName(QStringLiteral("背景色"));
    m_ui->titleColourLayout->addWidget(m_titleColour);
    m_ui->bgColourLayout->addWidget(m_bgColour);
    m_ui->browseBgImage->SetIcon(QString::fromUtf8(icons::kBrowse), kIconSize, kIconSize);
    m_ui->browseBgImage->setToolTip(QStringLiteral("ファイルを選ぶ"));
    m_ui->browseBgImage->setAccessibleName(QStringLiteral("背景画像を選ぶ"));
    // Enter belongs to the window, which takes it without closing.
    m_ui->browseBgImage->setAutoDefault(false);
    m_ui->frameSettings->setAutoDefault(false);
    for (const char* size : kFontSizes) {
        m_ui->fontSize->addItem(QString::fromUtf8(size));
    }
    // What is typed is what is stored: no completion from the list.
    m_ui->fontSize->setCompleter(nullptr);
    m_ui->imageNum->setFixedWidth(
        m_ui->imageNum->fontMetrics().horizontalAdvance(QString::fromUtf8(kWidestImageNum)) +
        m_ui->imageNum->minimumSizeHint().width());

    // The page listens only to what the user does (clicked, activated, textEdited), so filling
    // the controls here stores nothing.
    const Settings& s = settings();
    m_ui->title->setText(qText(s.Title));
    m_ui->fontFace->FillFonts();
    showFontFace();
    m_ui->fontSize->setCurrentIndex(m_ui->fontSize->findText(qText(s.FontSize)));
    m_ui->fontSize->setEditText(qText(s.FontSize));
    showTitleColour();
    m_titleColour->setText(qText(s.TitleColor));
    showFrame();
    m_ui->otherWindow->setChecked(s.Window != 0);
    m_ui->border->setChecked(s.Border != 0);
    m_ui->imageNum->setText(QString::number(s.ImageNum));
    showBackground();
    m_ui->bgImagePath->setText(qText(s.BGImagePath));
    m_bgColour->setText(qText(s.BGColor));

    wireControls();
}

CPage3::~CPage3() = default;

void CPage3::wireControls() {
    connect(m_ui->title, &QLineEdit::textEdited, this,
            [this](const QString& text) { storeText("Title", m_ui->title, text); });
    connect(m_ui->fontFace, &QComboBox::activated, this, [this](int index) {
        if (!store("FontFace", stdText(m_ui->fontFace->itemText(index)))) {
            showFontFace();
        }
    });
    connect(m_ui->fontSize, &QComboBox::activated, this, [this](int index) {
        if (!store("FontSize", stdText(m_ui->fontSize->itemText(index)))) {
            m_ui->fontSize->setEditText(qText(settings().FontSize));
        }
    });
    connect(m_ui->fontSize->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        storeText("FontSize", m_ui->fontSize->lineEdit(), text);
    });
    connect(m_ui->setTitleColor, &QAbstractButton::clicked, this, &CPage3::titleColourClicked);
    connect(m_titleColour, &ColourRow::edited, this, [this](const QString& text) {
        if (!store("TitleColor", stdText(text))) {
            m_titleColour->setText(qText(settings().TitleColor));
        }
    });
    connect(m_ui->frames, &QAbstractButton::clicked, this, [this] { frameClicked(1); });
    connect(m_ui->noFrames, &QAbstractButton::clicked, this, [this] { frameClicked(0); });
    connect(m_ui->frameSettings, &QAbstractButton::clicked, this, &CPage3::editFrameNames);
    connectBox(m_ui->otherWindow, "Window", settings().Window);
    connectBox(m_ui->border, "Border", settings().Border);
    // The box keeps what was typed; the setting takes the number limited to 1 to 10.
    connect(m_ui->imageNum, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!store("ImageNum", imageNumFromText(stdText(text)))) {
            m_ui->imageNum->setText(QString::number(settings().ImageNum));
        }
    });
    connect(m_ui->useImage, &QAbstractButton::clicked, this, [this] { backgroundClicked(1); });
    connect(m_ui->useColour, &QAbstractButton::clicked, this, [this] { backgroundClicked(0); });
    connect(m_ui->bgImagePath, &QLineEdit::textEdited, this, &CPage3::bgImageEdited);
    connect(m_ui->browseBgImage, &QAbstractButton::clicked, this, &CPage3::browseBgImage);
    connect(m_bgColour, &ColourRow::edited, this, [this](const QString& text) {
        if (!store("BGColor", stdText(text))) {
            m_bgColour->setText(qText(settings().BGColor));
        }
    });
}

void CPage3::showControlStates(const ControlStates& states) {
    m_ui->frames->setEnabled(states.frameChoice);
    m_ui->noFrames->setEnabled(states.frameChoice);
    m_ui->otherWindow->setEnabled(states.withoutFrames);
    m_ui->border->setEnabled(states.withoutFrames);
    m_ui->imageNum->setEnabled(states.withoutFrames);
    m_ui->frameSettings->setEnabled(states.frameSettings);
}

void CPage3::showFontFace() {
    // The first entry that begins with the stored face, letter case aside; none when none does.
    m_ui->fontFace->setCurrentIndex(
        m_ui->fontFace->findText(qText(settings().FontFace), Qt::MatchStartsWith));
}

void CPage3::showTitleColour() {
    const bool titleColour = settings().SetTitleColor != 0;
    m_ui->setTitleColor->setChecked(titleColour);
    m_titleColour->setRowEnabled(titleColour);
}

void CPage3::showFrame() {
    (settings().Frame == 1 ? m_ui->frames : m_ui->noFrames)->setChecked(true);
}

void CPage3::showBackground() {
    // Any value but 0 is an image to the pages, so it shows as one here too.
    const bool image = settings().UseImage != 0;
    (image ? m_ui->useImage : m_ui->useColour)->setChecked(true);
    m_ui->bgImagePath->setEnabled(image);
    m_ui->browseBgImage->setEnabled(image);
    m_bgColour->setRowEnabled(!image);
}

void CPage3::titleColourClicked(bool checked) {
    store("SetTitleColor", checked ? 1 : 0);
    showTitleColour();
}

void CPage3::frameClicked(std::int32_t frame) {
    if (!store("Frame", frame)) {
        showFrame();
        return;
    }
    context().applyModeRule();
}

void CPage3::editFrameNames() {
    CSetFrameName dialog(settings(), context().seams.prompter, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    store("LeftFile", stdText(dialog.leftFile()));
    store("LeftTarget", stdText(dialog.leftTarget()));
    store("RightTarget", stdText(dialog.rightTarget()));
}

void CPage3::backgroundClicked(std::int32_t useImage) {
    store("UseImage", useImage);
    showBackground();
}

void CPage3::bgImageEdited(const QString& text) {
    const std::string path = stdText(text);
    if (!store("BGImagePath", path)) {
        m_ui->bgImagePath->setText(qText(settings().BGImagePath));
        return;
    }
    store("BGImageName", fileNamePart(path));
}

void CPage3::browseBgImage() {
    const std::optional<QString> chosen = context().seams.dialogs.openFile(
        this, QString(), folderPart(m_ui->bgImagePath->text()), QString::fromUtf8(kImageFilters));
    if (!chosen) {
        return;
    }
    m_ui->bgImagePath->setText(*chosen);
    bgImageEdited(*chosen);
}

void CPage3::storeText(std::string_view key, QLineEdit* box, const QString& text) {
    if (!store(key, stdText(text))) {
        box->setText(qText(settingText(settings(), *findSetting(key))));
    }
}

} // namespace vistrel::ui
