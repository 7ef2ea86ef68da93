// SPDX-License-Identifier: MIT
#include "ui/progress/CMsgSlide.h"

#include "ui_CMsgSlide.h"

namespace vistrel::ui {

CMsgSlide::CMsgSlide(QWidget* owner, const QString& message)
    : QDialog(owner), m_ui(std::make_unique<Ui::CMsgSlide>()) {
    m_ui->setupUi(this);
    m_ui->message->setText(message);
}

CMsgSlide::~CMsgSlide() = default;

} // namespace vistrel::ui
