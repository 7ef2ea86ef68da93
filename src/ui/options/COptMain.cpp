// SPDX-License-Identifier: MIT
#include "ui/options/COptMain.h"

#include "app/Settings.h"
#include "ui/options/SetUpForm.h"
#include "ui_COptMain.h"

namespace vistrel::ui {

COptMain::COptMain(Settings& settings, QWidget* parent)
    : QDialog(parent), m_ui(setUpForm<Ui::COptMain>(this)), m_settings(settings) {
    m_ui->optionPage->load(settings);
    m_ui->thumbPage->load(settings);
    m_ui->mainImagePage->load(settings);
    m_ui->imageCasePage->load(settings);
    connect(m_ui->okButton, &QPushButton::clicked, this, &COptMain::onOk);
}

COptMain::~COptMain() = default;

void COptMain::onOk() {
    m_ui->optionPage->store(m_settings);
    m_ui->thumbPage->store(m_settings);
    m_ui->mainImagePage->store(m_settings);
    m_ui->imageCasePage->store(m_settings);
    accept();
}

} // namespace vistrel::ui
