// SPDX-License-Identifier: MIT
#include "ui/pages/SettingsPage.h"

#include <string>

#include "app/SettingsEdit.h"
#include "catalogue/ImageListPanel.h"

namespace vistrel::ui {

SettingsPage::SettingsPage(PageContext& context, QWidget* parent)
    : QWidget(parent), m_context(context) {}

bool SettingsPage::store(std::string_view key, std::string_view text) {
    return editSetting(m_context.settings, key, text, m_context.panel.runInProgress(),
                       m_context.changes);
}

bool SettingsPage::store(std::string_view key, std::int64_t number) {
    return store(key, std::to_string(number));
}

} // namespace vistrel::ui
