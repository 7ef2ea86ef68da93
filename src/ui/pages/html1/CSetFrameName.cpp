// SPDX-License-Identifier: MIT
#include "ui/pages/html1/CSetFrameName.h"

#include <string_view>

#include "app/PageExtension.h"
#include "app/Settings.h"
#include "platform/Prompter.h"
#include "ui/options/SetUpForm.h"
#include "ui/shell/QtText.h"
#include "ui_CSetFrameName.h"

namespace vistrel::ui {
namespace {

constexpr std::string_view kCaption = "フレーム名設定エラー";
constexpr std::string_view kSameNames = "フレーム名が左右同じです。別々の名前をセットして下さい。";

} // namespace

CSetFrameName::CSetFrameName(const Settings& settings, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_ui(setUpForm<Ui::CSetFrameName>(this)), m_prompter(prompter) {
    m_ui->leftFile->setText(qText(settings.LeftFile));
    // The menu page is written with the extension of every page, ".shtml" included.
    m_ui->extension->setText(QStringLiteral(".") + qText(pageExtension(settings.HTMLExt)));
    m_ui->leftTarget->setText(qText(settings.LeftTarget));
    m_ui->rightTarget->setText(qText(settings.RightTarget));
    connect(m_ui->okButton, &QPushButton::clicked, this, &CSetFrameName::onOk);
}

CSetFrameName::~CSetFrameName() = default;

QString CSetFrameName::leftFile() const {
    return m_ui->leftFile->text();
}

QString CSetFrameName::leftTarget() const {
    return m_ui->leftTarget->text();
}

QString CSetFrameName::rightTarget() const {
    return m_ui->rightTarget->text();
}

void CSetFrameName::onOk() {
    // Code unit for code unit, as the bytes of the names compare.
    if (leftTarget() == rightTarget()) {
        m_prompter.message(kCaption, kSameNames, PromptIcon::Stop);
        return;
    }
    accept();
}

} // namespace vistrel::ui
