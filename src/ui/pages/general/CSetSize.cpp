// SPDX-License-Identifier: MIT
#include "ui/pages/general/CSetSize.h"

#include <string_view>

#include "platform/Prompter.h"
#include "text/DecimalText.h"
#include "text/ProgramTexts.h"
#include "ui/options/SetUpForm.h"
#include "ui/shell/QtText.h"
#include "ui_CSetSize.h"

namespace vistrel::ui {
namespace {

constexpr std::string_view kNoSize = "画像サイズがセットされていません。";
constexpr std::string_view kBadSize = "正しい画像サイズをセットして下さい。";

} // namespace

CSetSize::CSetSize(std::int32_t size, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_ui(setUpForm<Ui::CSetSize>(this)), m_prompter(prompter), m_size(size) {
    m_ui->sizeBox->setText(QString::number(size));
    m_ui->sizeBox->selectAll();
    connect(m_ui->okButton, &QPushButton::clicked, this, &CSetSize::onOk);
}

CSetSize::~CSetSize() = default;

void CSetSize::onOk() {
    const std::string text = stdText(m_ui->sizeBox->text());
    if (text.empty()) {
        m_prompter.message(texts::kErrorCaption, kNoSize, PromptIcon::Stop);
        return;
    }
    // The leading digits; a number too long for the setting reads as the largest it holds.
    const std::int32_t size = saturatedInt32(scanDecimal(text, true));
    if (size <= 0) {
        m_prompter.message(texts::kErrorCaption, kBadSize, PromptIcon::Stop);
        return;
    }
    m_size = size;
    accept();
}

} // namespace vistrel::ui
