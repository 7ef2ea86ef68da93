// SPDX-License-Identifier: MIT
#include "ui/pages/html2/CSetNavLayout.h"

#include <string>

#include "app/Settings.h"
#include "app/SettingsEdit.h"
#include "catalogue/ImageListPanel.h"
#include "ui/pages/PageContext.h"
#include "ui/shell/QtText.h"
#include "ui_CSetNavLayout.h"

namespace vistrel::ui {

CSetNavLayout::CSetNavLayout(PageContext& context, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CSetNavLayout>()), m_context(context) {
    m_ui->setupUi(this);
    const Settings& s = context.settings;
    m_ui->topLayoutBox->setChecked(s.TOPLAYOUT != 0);
    m_ui->thumbLayoutBox->setChecked(s.THUMBLAYOUT != 0);
    const bool automatic = s.AutoNav != 0;
    (automatic ? m_ui->autoRadio : m_ui->fixedRadio)->setChecked(true);
    m_ui->widthText->setText(qText(s.NavWidth));
    m_ui->widthText->setEnabled(!automatic);

    connect(m_ui->autoRadio, &QAbstractButton::clicked, this,
            [this] { m_ui->widthText->setEnabled(false); });
    connect(m_ui->fixedRadio, &QAbstractButton::clicked, this,
            [this] { m_ui->widthText->setEnabled(true); });
    connect(m_ui->okButton, &QAbstractButton::clicked, this, &CSetNavLayout::onOk);
    connect(m_ui->cancelButton, &QAbstractButton::clicked, this, &QDialog::reject);
}

CSetNavLayout::~CSetNavLayout() = default;

void CSetNavLayout::store(std::string_view key, std::string_view text) {
    editSetting(m_context.settings, key, text, m_context.panel.runInProgress(), m_context.changes);
}

void CSetNavLayout::onOk() {
    store("TOPLAYOUT", m_ui->topLayoutBox->isChecked() ? "1" : "0");
    store("THUMBLAYOUT", m_ui->thumbLayoutBox->isChecked() ? "1" : "0");
    if (m_ui->autoRadio->isChecked()) {
        store("AutoNav", "1");
    } else {
        store("AutoNav", "0");
        store("NavWidth", stdText(m_ui->widthText->text()));
    }
    accept();
}

} // namespace vistrel::ui
