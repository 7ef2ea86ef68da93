// SPDX-License-Identifier: MIT
#include "ui/options/CSetImageCase.h"

#include "app/Settings.h"
#include "ui/options/DialogKeys.h"
#include "ui/options/OptionChoices.h"
#include "ui/options/SetUpForm.h"
#include "ui_CSetImageCase.h"

namespace vistrel::ui {

CSetImageCase::CSetImageCase(QWidget* parent)
    : QWidget(parent), m_ui(setUpForm<Ui::CSetImageCase>(this)),
      m_imageCase(this, {m_ui->caseUpper, m_ui->caseLower, m_ui->caseUnchanged}) {}

CSetImageCase::~CSetImageCase() = default;

void CSetImageCase::load(const Settings& settings) {
    m_imageCase.show(threeWayPosition(settings.ImageCase));
}

void CSetImageCase::store(Settings& settings) const {
    m_imageCase.store(settings.ImageCase);
}

void CSetImageCase::keyPressEvent(QKeyEvent* event) {
    if (!takeDialogKey(*event)) {
        QWidget::keyPressEvent(event);
    }
}

} // namespace vistrel::ui
