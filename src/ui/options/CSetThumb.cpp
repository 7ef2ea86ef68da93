// SPDX-License-Identifier: MIT
#include "ui/options/CSetThumb.h"

#include "app/Settings.h"
#include "app/SettingsControls.h"
#include "ui/options/DialogKeys.h"
#include "ui/options/OptionChoices.h"
#include "ui/options/SetUpForm.h"
#include "ui/shell/QtText.h"
#include "ui_CSetThumb.h"

namespace vistrel::ui {
namespace {

constexpr int kFilterCount = 3;

} // namespace

CSetThumb::CSetThumb(QWidget* parent)
    : QWidget(parent), m_ui(setUpForm<Ui::CSetThumb>(this)),
      m_thumbType(this, {m_ui->typePng, m_ui->typeJpeg, m_ui->typeGif}),
      m_filter(this, {m_ui->filterNone, m_ui->filterTransparent, m_ui->filterShadow}) {}

CSetThumb::~CSetThumb() = default;

void CSetThumb::load(const Settings& settings) {
    m_thumbType.show(threeWayPosition(settings.ThumbType));
    m_ui->addString->setText(qText(settings.AddString));
    m_ui->unsharp->setChecked(settings.Unsharp != 0);
    m_ui->hover->setChecked(settings.Hover != 0);
    m_filter.show(tablePosition(settings.Filter, kFilterCount));
}

void CSetThumb::store(Settings& settings) const {
    m_thumbType.store(settings.ThumbType);
    settings.AddString = addStringFromText(stdText(m_ui->addString->text()));
    settings.Unsharp = m_ui->unsharp->isChecked() ? 1 : 0;
    settings.Hover = m_ui->hover->isChecked() ? 1 : 0;
    m_filter.store(settings.Filter);
}

void CSetThumb::keyPressEvent(QKeyEvent* event) {
    if (!takeDialogKey(*event)) {
        QWidget::keyPressEvent(event);
    }
}

} // namespace vistrel::ui
