// SPDX-License-Identifier: MIT
#include "ui/options/CSetMainImg.h"

#include "app/Settings.h"
#include "ui/options/OptionChoices.h"
#include "ui/options/SetUpForm.h"
#include "ui_CSetMainImg.h"

namespace vistrel::ui {
namespace {

constexpr int kClickActionCount = 4;

} // namespace

CSetMainImg::CSetMainImg(QWidget* parent)
    : QWidget(parent), m_ui(setUpForm<Ui::CSetMainImg>(this)),
      m_mainClick(this, {m_ui->clickNothing, m_ui->clickIndex, m_ui->clickNext, m_ui->clickImage}) {
}

CSetMainImg::~CSetMainImg() = default;

void CSetMainImg::load(const Settings& settings) {
    m_mainClick.show(tablePosition(settings.MainClick, kClickActionCount));
}

void CSetMainImg::store(Settings& settings) const {
    m_mainClick.store(settings.MainClick);
}

} // namespace vistrel::ui
