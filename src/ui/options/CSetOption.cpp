// SPDX-License-Identifier: MIT
#include "ui/options/CSetOption.h"

#include "app/Settings.h"
#include "ui/options/OptionChoices.h"
#include "ui/options/SetUpForm.h"
#include "ui_CSetOption.h"

namespace vistrel::ui {

CSetOption::CSetOption(QWidget* parent)
    : QWidget(parent), m_ui(setUpForm<Ui::CSetOption>(this)),
      m_allowUndo(this, {m_ui->allowUndoDelete, m_ui->allowUndoTrash, m_ui->allowUndoLeave}),
      m_mainImage(this, {m_ui->mainImageDelete, m_ui->mainImageTrash, m_ui->mainImageLeave}),
      m_thumbImage(this, {m_ui->thumbImageDelete, m_ui->thumbImageTrash, m_ui->thumbImageLeave}) {}

CSetOption::~CSetOption() = default;

void CSetOption::load(const Settings& settings) {
    m_allowUndo.show(threeWayPosition(settings.AllowUndo));
    m_mainImage.show(threeWayPosition(settings.MainImage));
    m_thumbImage.show(threeWayPosition(settings.ThumbImage));
}

void CSetOption::store(Settings& settings) const {
    m_allowUndo.store(settings.AllowUndo);
    m_mainImage.store(settings.MainImage);
    m_thumbImage.store(settings.ThumbImage);
}

} // namespace vistrel::ui
